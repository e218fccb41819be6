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
