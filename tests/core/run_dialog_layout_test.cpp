#include "launch/run_dialog_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace pavane {
namespace {

using forms::Control;

const Control* Find(std::string_view name) {
  for (const Control& control : RunDialogLayout().controls)
    if (control.name == name) return &control;
  return nullptr;
}

TEST(RunDialogLayoutTest, NamesAreUniqueAndEverythingStartsInsideTheClientArea) {
  const forms::Form& form = RunDialogLayout();
  std::set<std::string_view> names;
  for (const Control& control : form.controls) {
    EXPECT_TRUE(names.insert(control.name).second) << control.name;
    EXPECT_TRUE(control.parent.empty()) << control.name;
    EXPECT_GE(control.bounds.left, 0) << control.name;
    EXPECT_GE(control.bounds.top, 0) << control.name;
    EXPECT_LE(control.bounds.left + control.bounds.width, form.clientWidth) << control.name;
    EXPECT_LE(control.bounds.top + control.bounds.height, form.clientHeight) << control.name;
  }
  for (std::string_view label : {"Label1", "Label2", "Label3", "StatusLabel", "RomFileLabel", "RomTitleLabel"})
    ASSERT_NE(Find(label), nullptr) << label;
}

// Enter must not terminate an emulator before the dialog has seen it running,
// and Esc must only close the dialog.
TEST(RunDialogLayoutTest, EnterTerminatesOnlyOnceEnabledAndEscCloses) {
  const Control* terminate = nullptr;
  const Control* cancel = nullptr;
  for (const Control& control : RunDialogLayout().controls) {
    if (control.isDefault) {
      EXPECT_EQ(terminate, nullptr) << "one default button";
      terminate = &control;
    }
    if (control.isCancel) {
      EXPECT_EQ(cancel, nullptr) << "one cancel button";
      cancel = &control;
    }
  }
  ASSERT_NE(terminate, nullptr);
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(terminate->name, "TerminateBtn");
  EXPECT_FALSE(terminate->enabled);
  EXPECT_EQ(terminate->modalResult, 1);
  EXPECT_EQ(cancel->name, "CancelBtn");
  EXPECT_TRUE(cancel->enabled);
  EXPECT_EQ(cancel->modalResult, 2);
}

}  // namespace
}  // namespace pavane
