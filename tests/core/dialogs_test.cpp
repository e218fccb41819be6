// The location dialog's logic on a form without windows: its text on OK only,
// the folder browser's start, the automatic search's result.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "locate/zsnes_dir_dialog.h"
#include "tests/support/memory_form.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using testing::MemoryForm;

class ZSnesDirDialogTest : public ::testing::Test {
 protected:
  ~ZSnesDirDialogTest() override {
    EXPECT_TRUE(host.ScriptUsedUp());
    EXPECT_TRUE(prompter.ScriptUsedUp());
  }

  testing::MemoryHost host;
  testing::ScriptedPrompter prompter;
};

TEST_F(ZSnesDirDialogTest, GivesAnyTextOnOkAndNothingOtherwise) {
  host.OnModal("ZSnesDirDialog", [](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Text("ZSnesDirEdit"), "C:\\old\\");
    dialog.Type("ZSnesDirEdit", "D:\\no such place");
    dialog.PressKey(0x0D);
  });
  host.OnModal("ZSnesDirDialog", [](MemoryForm& dialog) {
    dialog.Type("ZSnesDirEdit", "D:\\other");
    dialog.Click("ExitButton");
  });
  host.OnModal("ZSnesDirDialog", [](MemoryForm& dialog) { dialog.Click("OKButton"); });
  EXPECT_EQ(TZSnesDirDialog(host, nullptr, prompter).Execute("C:\\old\\"), "D:\\no such place");
  EXPECT_EQ(TZSnesDirDialog(host, nullptr, prompter).Execute("C:\\old\\"), std::nullopt);
  EXPECT_EQ(TZSnesDirDialog(host, nullptr, prompter).Execute(""), "");
}

TEST_F(ZSnesDirDialogTest, BrowseStartsInTheLastExistingTypedDirectory) {
  testing::TempDir existing;
  prompter.FolderAnswer("C:\\picked").FolderAnswer(std::nullopt);
  host.OnModal("ZSnesDirDialog", [](MemoryForm& dialog) {
    dialog.Click("BrowseButton");
    EXPECT_EQ(dialog.Text("ZSnesDirEdit"), "C:\\picked");
    dialog.Type("ZSnesDirEdit", "Q:\\not there");
    dialog.Click("BrowseButton");  // cancelled: the text stays
    EXPECT_EQ(dialog.Text("ZSnesDirEdit"), "Q:\\not there");
    dialog.Click("ExitButton");
  });
  TZSnesDirDialog(host, nullptr, prompter).Execute(existing.Path().string());
  ASSERT_EQ(prompter.Requests().size(), 2u);
  EXPECT_EQ(prompter.Requests()[0].file.title, "Choose a directory:");
  EXPECT_EQ(prompter.Requests()[0].file.initialDirectory, existing.Path().string());
  // "C:\picked" was never typed and "Q:\not there" does not exist: the start stays.
  EXPECT_EQ(prompter.Requests()[1].file.initialDirectory, existing.Path().string());
}

TEST_F(ZSnesDirDialogTest, AutomaticSearchFillsThePathUnlessCancelled) {
  std::vector<std::optional<std::string>> searches = {std::string("C:\\EMU\\ZSNES\\"), std::nullopt};
  forms::FormView* searchOwner = nullptr;
  TZSnesDirDialog dialog(host, nullptr, prompter, [&](forms::FormView& owner) {
    searchOwner = &owner;
    std::optional<std::string> found = searches.front();
    searches.erase(searches.begin());
    return found;
  });
  host.OnModal("ZSnesDirDialog", [](MemoryForm& dialog) {
    dialog.Click("AutoSearchButton");
    EXPECT_EQ(dialog.Text("ZSnesDirEdit"), "C:\\EMU\\ZSNES\\");
    dialog.Type("ZSnesDirEdit", "typed");
    dialog.Click("AutoSearchButton");
    EXPECT_EQ(dialog.Text("ZSnesDirEdit"), "typed");
    dialog.Click("OKButton");
  });
  EXPECT_EQ(dialog.Execute(""), "typed");
  EXPECT_TRUE(searches.empty());
  EXPECT_EQ(searchOwner, &dialog.Window());
}

}  // namespace
}  // namespace pavane
