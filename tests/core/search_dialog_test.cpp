// The automatic search on forms without windows: the drive picker, the
// dialog during and after a walk, the found list across searches, and the
// location dialog and main window buttons that lead to it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "locate/search_dialog.h"
#include "settings/file_io.h"
#include "tests/support/memory_program.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using testing::MemoryForm;

class SearchDialogTest : public ::testing::Test {
 protected:
  SearchDialogTest() {
    // Drive C holds two copies, in EMU\ZSNES and GAMES\ZSNES; drive D none.
    system.disk.Dir("C:\\", {{.name = "EMU"}, {.name = "GAMES"}})
        .Dir("C:\\EMU\\", {{.name = "ZSNES"}})
        .Dir("C:\\GAMES\\", {{.name = "ZSNES"}})
        .File("C:\\EMU\\ZSNES\\ZSNES.EXE")
        .File("C:\\GAMES\\ZSNES\\ZSNES.EXE")
        .Dir("D:\\", {{.name = "DATA"}});
  }
  ~SearchDialogTest() override { EXPECT_TRUE(host.ScriptUsedUp()); }

  std::optional<std::string> Run(testing::MemoryHost::Script script) {
    host.OnModal("SearchDialog", std::move(script));
    TSearchDialog dialog(host, nullptr, system);
    return dialog.Execute();
  }

  testing::MemoryHost host;
  testing::MemorySearchSystem system;
};

TEST_F(SearchDialogTest, StartsOnTheCurrentDriveWithSelectDisabled) {
  system.current = 'D';
  Run([](MemoryForm& dialog) {
    ASSERT_EQ(dialog.ItemCount("DriveCombo"), 3);
    EXPECT_EQ(dialog.ItemText("DriveCombo", 0), "A:");
    EXPECT_EQ(dialog.ItemText("DriveCombo", 1), "C: [SYSTEM]");
    EXPECT_EQ(dialog.ItemIndex("DriveCombo"), 2);
    EXPECT_FALSE(dialog.Enabled("OKBtn"));
    EXPECT_EQ(dialog.DefaultButton(), "StartBtn");
    EXPECT_EQ(dialog.Text("DirLabel"), "");
    dialog.Click("CancelBtn");
  });
}

TEST_F(SearchDialogTest, TakesNoInputWhileWalkingAndOffersTheFindsAfterwards) {
  std::vector<std::string> disabledDuring;
  bool formEnabledDuring = true;
  MemoryForm* searching = nullptr;
  system.onMessages = [&] {
    formEnabledDuring = formEnabledDuring && searching->FormEnabled();
    for (const char* name : {"DriveCombo", "FoundListBox", "StartBtn", "OKBtn", "CancelBtn"}) {
      if (!searching->Enabled(name)) disabledDuring.push_back(name);
    }
  };
  const auto chosen = Run([&](MemoryForm& dialog) {
    searching = &dialog;
    dialog.Click("StartBtn");
    EXPECT_FALSE(formEnabledDuring);
    // Every control, at every turn of the window's messages: five per directory.
    EXPECT_EQ(disabledDuring.size(), 5u * system.messageTurns);
    EXPECT_EQ(system.messageTurns, 5);
    EXPECT_EQ(system.turnsWithErrorBoxes, 0);
    // The label showed each directory as it was entered.
    std::vector<std::string> shown;
    for (const auto& [name, text] : dialog.Repainted()) {
      if (name == "DirLabel") shown.push_back(text);
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"C:\\", "C:\\EMU\\", "C:\\EMU\\ZSNES\\", "C:\\GAMES\\", "C:\\GAMES\\ZSNES\\"}));
    EXPECT_EQ(dialog.Text("DirLabel"), "2 directories found.");
    EXPECT_EQ(dialog.ItemText("FoundListBox", 0), "C:\\EMU\\ZSNES\\ZSNES.EXE");
    EXPECT_EQ(dialog.ItemText("FoundListBox", 1), "C:\\GAMES\\ZSNES\\ZSNES.EXE");
    EXPECT_TRUE(dialog.FormEnabled());
    EXPECT_TRUE(dialog.Enabled("OKBtn"));
    EXPECT_TRUE(dialog.Enabled("CancelBtn"));
    EXPECT_EQ(dialog.DefaultButton(), "OKBtn");
    EXPECT_EQ(dialog.FocusedControl(), "FoundListBox");
    EXPECT_EQ(dialog.ItemIndex("FoundListBox"), 0);
    dialog.SelectItems("FoundListBox", {1}, 1);
    dialog.PressKey(0x0D);
  });
  EXPECT_EQ(chosen, "C:\\GAMES\\ZSNES\\");
}

TEST_F(SearchDialogTest, FindsAddUpAcrossSearchesAndNothingFoundKeepsSelectDisabled) {
  Run([](MemoryForm& dialog) {
    dialog.SetItemIndex("DriveCombo", 2);
    dialog.Click("StartBtn");
    EXPECT_EQ(dialog.Text("DirLabel"), "ZSNES not found.");
    EXPECT_FALSE(dialog.Enabled("OKBtn"));
    EXPECT_EQ(dialog.DefaultButton(), "StartBtn");
    EXPECT_EQ(dialog.FocusedControl(), "DriveCombo");  // not nowhere, as Start Search lost it
    dialog.SetItemIndex("DriveCombo", 1);
    dialog.Click("StartBtn");
    dialog.SelectItems("FoundListBox", {1}, 1);
    dialog.Click("StartBtn");
    EXPECT_EQ(dialog.ItemCount("FoundListBox"), 4);
    EXPECT_EQ(dialog.ItemText("FoundListBox", 2), "C:\\EMU\\ZSNES\\ZSNES.EXE");
    EXPECT_EQ(dialog.Text("DirLabel"), "4 directories found.");
    // A line already chosen stays chosen.
    EXPECT_EQ(dialog.ItemIndex("FoundListBox"), 1);
    // D holds nothing, but the earlier finds still count.
    dialog.SetItemIndex("DriveCombo", 2);
    dialog.Click("StartBtn");
    EXPECT_EQ(dialog.Text("DirLabel"), "4 directories found.");
    dialog.Click("CancelBtn");
  });
}

TEST_F(SearchDialogTest, ACopyInTheRootGivesTheDriveItself) {
  system.disk.File("C:\\ZSNES.EXE");
  const auto chosen = Run([](MemoryForm& dialog) {
    dialog.Click("StartBtn");
    EXPECT_EQ(dialog.ItemCount("FoundListBox"), 1);
    dialog.Click("OKBtn");
  });
  EXPECT_EQ(chosen, "C:\\");
  EXPECT_EQ(system.messageTurns, 1);
}

TEST_F(SearchDialogTest, CancelGivesNothing) {
  EXPECT_EQ(Run([](MemoryForm& dialog) {
              dialog.Click("StartBtn");
              dialog.PressKey(0x1B);
            }),
            std::nullopt);
}

// The main window's buttons.
class DirectoryButtonsTest : public ::testing::Test {
 protected:
  DirectoryButtonsTest() {
    dir.Write("ZSNES.CFG", "FrameSkip = 2\r\n");
    program.registry.Write({}, "ZSnesDir", dir.Path().string());
    EXPECT_TRUE(program.main.FormCreate());
    program.driveSearch.disk.Dir("C:\\", {{.name = "EMU"}}).File("C:\\EMU\\ZSNES.EXE");
  }

  MemoryForm& Window() { return program.Window(); }

  testing::TempDir dir;
  testing::MemoryProgram program;
};

TEST_F(DirectoryButtonsTest, TheLocationDialogFillsTheDirectoryWithoutReadingZsnesCfg) {
  const std::string start = Window().Text("ZSnesDirEdit");
  dir.Write("ZSNES.CFG", "FrameSkip = 7\r\n");
  program.host.OnModal("ZSnesDirDialog", [&](MemoryForm& location) {
    EXPECT_EQ(location.Text("ZSnesDirEdit"), start);
    location.Type("ZSnesDirEdit", "elsewhere");
    location.Click("ExitButton");
  });
  program.host.OnModal("ZSnesDirDialog", [&](MemoryForm& location) {
    location.Click("AutoSearchButton");
    EXPECT_EQ(location.Text("ZSnesDirEdit"), "C:\\EMU\\");
    location.Click("OKButton");
  });
  program.host.OnModal("SearchDialog", [](MemoryForm& search) {
    search.Click("StartBtn");
    search.Click("OKBtn");
  });
  Window().Focus("GameDirEdit");
  Window().Click("BrowseButton1");
  EXPECT_EQ(Window().Text("ZSnesDirEdit"), start);
  Window().Click("BrowseButton1");
  EXPECT_EQ(Window().Text("ZSnesDirEdit"), "C:\\EMU\\");
  EXPECT_EQ(Window().FocusedControl(), "ZSnesDirEdit");
  EXPECT_EQ(program.state.settings.FrameSkip, 2);
}

TEST_F(DirectoryButtonsTest, BrowseFillsTheEditOfItsTagAndKeepsTheLastExistingStart) {
  testing::TempDir saves;
  Window().Type("SaveDirEdit", saves.Path().string());
  Window().Type("GameDirEdit", "Q:\\not there");
  program.prompter.FolderAnswer("C:\\SAVES").FolderAnswer("C:\\GAMES").FolderAnswer(std::nullopt);
  Window().Click("BrowseButton2");
  EXPECT_EQ(Window().Text("SaveDirEdit"), "C:\\SAVES");
  Window().Click("Button1");
  EXPECT_EQ(Window().Text("GameDirEdit"), "C:\\GAMES");
  Window().Click("Button1");
  EXPECT_EQ(Window().Text("GameDirEdit"), "C:\\GAMES");
  const auto& asked = program.prompter.Requests();
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[0].file.title, "Choose a directory:");
  // Neither "Q:\not there" nor "C:\GAMES" exists: the browser keeps its start.
  for (const auto& request : asked) EXPECT_EQ(request.file.initialDirectory, saves.Path().string());
}

}  // namespace
}  // namespace pavane
