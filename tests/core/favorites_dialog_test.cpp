// The favourites dialog's logic on a form without windows: its result,
// Add from the open dialog, Remove, Up and Down with one and with several
// entries selected, the buttons that follow the selection and the title of
// the focused entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "favorites/favorites_dialog.h"
#include "tests/support/memory_form.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using testing::MemoryForm;
using List = std::vector<std::string>;

constexpr std::string_view kList = "FaveListBox";

const List kSix{"C:\\0", "C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"};

List Entries(const MemoryForm& dialog) {
  List entries;
  for (int i = 0; i < dialog.ItemCount(kList); ++i) entries.push_back(dialog.ItemText(kList, i));
  return entries;
}

std::set<int> Selected(const MemoryForm& dialog) {
  std::set<int> selected;
  for (int i = 0; i < dialog.ItemCount(kList); ++i) {
    if (dialog.ItemSelected(kList, i)) selected.insert(i);
  }
  return selected;
}

class FavoritesDialogTest : public ::testing::Test {
 protected:
  ~FavoritesDialogTest() override {
    EXPECT_TRUE(host.ScriptUsedUp());
    EXPECT_TRUE(prompter.ScriptUsedUp());
  }

  // Runs the dialog on `favorites` with `script` playing the user.
  std::optional<List> Run(const List& favorites, testing::MemoryHost::Script script) {
    host.OnModal("FavoritesDialog", std::move(script));
    return TFavoritesDialog(host, nullptr, prompter, "E:\\GAMES").Execute(favorites);
  }

  testing::MemoryHost host;
  testing::ScriptedPrompter prompter;
};

TEST_F(FavoritesDialogTest, GivesTheEntriesOnOkAndNothingOnCancelOrEsc) {
  EXPECT_EQ(Run(kSix, [](MemoryForm& dialog) { dialog.Click("OKBtn"); }), kSix);
  EXPECT_EQ(Run({},
                [](MemoryForm& dialog) {
                  dialog.Click("UpBtn");  // nothing to move
                  dialog.Click("DownBtn");
                  dialog.Focus(kList);
                  dialog.PressKey(0x0D);
                }),
            List{});
  EXPECT_EQ(Run(kSix,
                [](MemoryForm& dialog) {
                  dialog.SelectItems(kList, {0}, 0);
                  dialog.Click("RemoveBtn");
                  dialog.Click("CancelBtn");
                }),
            std::nullopt);
  EXPECT_EQ(Run(kSix, [](MemoryForm& dialog) { dialog.PressKey(0x1B); }), std::nullopt);
}

TEST_F(FavoritesDialogTest, OpensWithTheListUpAndDownEnabledAndNoTitle) {
  Run(kSix, [](MemoryForm& dialog) {
    EXPECT_EQ(Entries(dialog), kSix);
    EXPECT_EQ(dialog.FocusedControl(), kList);
    EXPECT_TRUE(dialog.Enabled("UpBtn"));
    EXPECT_TRUE(dialog.Enabled("DownBtn"));
    EXPECT_EQ(dialog.Text("RomTitleLabel"), "");
    dialog.Click("OKBtn");
  });
}

TEST_F(FavoritesDialogTest, RemoveDeletesEverySelectedEntryAndSelectsTheOneAtTheLowestIndex) {
  EXPECT_EQ(Run(kSix,
                [](MemoryForm& dialog) {
                  dialog.SelectItems(kList, {2, 4}, 4);
                  dialog.Click("RemoveBtn");
                  EXPECT_EQ(Entries(dialog), (List{"C:\\0", "C:\\1", "C:\\3", "C:\\5"}));
                  EXPECT_EQ(Selected(dialog), (std::set<int>{2}));
                  EXPECT_EQ(dialog.FocusedItem(kList), 2);
                  // One entry is selected now: the title is its own and Up and Down work again.
                  EXPECT_EQ(dialog.Text("RomTitleLabel"), "C:\\3");
                  EXPECT_TRUE(dialog.Enabled("UpBtn"));
                  dialog.Click("OKBtn");
                }),
            (List{"C:\\0", "C:\\1", "C:\\3", "C:\\5"}));
}

TEST_F(FavoritesDialogTest, RemovingTheLastOrEveryEntryOrNothing) {
  Run(kSix, [](MemoryForm& dialog) {
    dialog.SelectItems(kList, {5}, 5);
    dialog.Click("RemoveBtn");
    EXPECT_EQ(Selected(dialog), (std::set<int>{4}));
    EXPECT_EQ(dialog.FocusedItem(kList), 4);

    dialog.SelectItems(kList, {}, 1);  // nothing selected: nothing removed
    dialog.Click("RemoveBtn");
    EXPECT_EQ(dialog.ItemCount(kList), 5);

    dialog.SelectItems(kList, {0, 1, 2, 3, 4}, 0);
    dialog.Click("RemoveBtn");
    EXPECT_EQ(dialog.ItemCount(kList), 0);
    EXPECT_EQ(dialog.FocusedItem(kList), -1);
    EXPECT_EQ(dialog.Text("RomTitleLabel"), "");
    EXPECT_FALSE(dialog.Enabled("UpBtn"));
    dialog.Click("RemoveBtn");  // an empty list
    dialog.Click("OKBtn");
  });
}

TEST_F(FavoritesDialogTest, UpAndDownMoveTheFocusedEntryAndSelectIt) {
  EXPECT_EQ(Run(kSix,
                [](MemoryForm& dialog) {
                  dialog.SelectItems(kList, {2}, 2);
                  dialog.Click("UpBtn");
                  EXPECT_EQ(Entries(dialog), (List{"C:\\0", "C:\\2", "C:\\1", "C:\\3", "C:\\4", "C:\\5"}));
                  EXPECT_EQ(Selected(dialog), (std::set<int>{1}));
                  EXPECT_EQ(dialog.FocusedItem(kList), 1);
                  dialog.Click("UpBtn");
                  dialog.Click("UpBtn");  // already first: stays
                  EXPECT_EQ(Entries(dialog)[0], "C:\\2");
                  EXPECT_EQ(dialog.FocusedItem(kList), 0);

                  dialog.SelectItems(kList, {4}, 4);
                  dialog.Click("DownBtn");
                  dialog.Click("DownBtn");  // already last: stays
                  EXPECT_EQ(Entries(dialog), (List{"C:\\2", "C:\\0", "C:\\1", "C:\\3", "C:\\5", "C:\\4"}));
                  EXPECT_EQ(Selected(dialog), (std::set<int>{5}));
                  dialog.Click("OKBtn");
                }),
            (List{"C:\\2", "C:\\0", "C:\\1", "C:\\3", "C:\\5", "C:\\4"}));
}

TEST_F(FavoritesDialogTest, SeveralSelectedEntriesDisableUpAndDownAndOnlyTheFocusedEntryMoves) {
  Run(kSix, [](MemoryForm& dialog) {
    dialog.SelectItems(kList, {2, 4}, 4);
    EXPECT_FALSE(dialog.Enabled("UpBtn"));
    EXPECT_FALSE(dialog.Enabled("DownBtn"));
    dialog.SelectItems(kList, {4}, 4);
    EXPECT_TRUE(dialog.Enabled("UpBtn"));
    EXPECT_TRUE(dialog.Enabled("DownBtn"));

    // The caret moved away from the one selected entry (Ctrl and an arrow
    // key): Up moves the focused entry, not the selected one, and both are
    // selected afterwards.
    dialog.SelectItems(kList, {1}, 4);
    dialog.Click("UpBtn");
    EXPECT_EQ(Entries(dialog), (List{"C:\\0", "C:\\1", "C:\\2", "C:\\4", "C:\\3", "C:\\5"}));
    EXPECT_EQ(Selected(dialog), (std::set<int>{1, 3}));
    EXPECT_EQ(dialog.FocusedItem(kList), 3);
    EXPECT_FALSE(dialog.Enabled("UpBtn"));
    dialog.Click("OKBtn");
  });
}

TEST_F(FavoritesDialogTest, AddAppendsTheChosenFilesInTheirOrderAndKeepsTheSelection) {
  prompter.OpenFilesAnswer({"D:\\B.SMC", "D:\\A.SMC", "C:\\0"}).OpenFilesAnswer({}).OpenFilesAnswer({"D:\\C.SMC"});
  Run({"C:\\0", "C:\\1"}, [](MemoryForm& dialog) {
    dialog.SelectItems(kList, {1}, 1);
    dialog.Click("AddBtn");
    EXPECT_EQ(Entries(dialog), (List{"C:\\0", "C:\\1", "D:\\B.SMC", "D:\\A.SMC", "C:\\0"}));
    EXPECT_EQ(Selected(dialog), (std::set<int>{1}));
    EXPECT_EQ(dialog.FocusedItem(kList), 1);
    dialog.Click("AddBtn");  // cancelled
    EXPECT_EQ(dialog.ItemCount(kList), 5);
    dialog.Click("OKBtn");
  });
  Run({}, [](MemoryForm& dialog) {
    dialog.Click("AddBtn");
    EXPECT_EQ(Entries(dialog), List{"D:\\C.SMC"});
    dialog.Click("OKBtn");
  });
  const auto& requests = prompter.Requests();
  ASSERT_EQ(requests.size(), 3u);
  const forms::FileDialogRequest& add = requests[0].file;
  EXPECT_EQ(add.title, "Open ROM");
  EXPECT_EQ(add.filter, "ROM formats|*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP|All files|*.*");
  EXPECT_EQ(add.initialDirectory, "E:\\GAMES");
  EXPECT_EQ(add.fileName, "C:\\1");  // the focused entry
  EXPECT_TRUE(add.mustExist);
  EXPECT_EQ(requests[2].file.fileName, "");  // an empty list
}

TEST_F(FavoritesDialogTest, FilesDroppedOnTheListAreAddedAsAddAddsThem) {
  testing::TempDir dir;
  dir.Write("B.SMC", "b");
  dir.Write("A.SMC", "a");
  std::filesystem::create_directory(dir.File("folder"));
  const std::string b = dir.File("B.SMC");
  const std::string a = dir.File("A.SMC");
  const auto result = Run({"C:\\0"}, [&](MemoryForm& dialog) {
    dialog.DropFiles(kList, {b, dir.File("folder"), a});
    EXPECT_EQ(Entries(dialog), (List{"C:\\0", b, a}));
    dialog.Click("OKBtn");
  });
  EXPECT_EQ(result, (List{"C:\\0", b, a}));
  EXPECT_TRUE(prompter.Requests().empty());
}

// A ROM image whose low-bank header holds `title` with a valid checksum pair.
std::string RomImage(std::string_view title) {
  std::string image(65536, '\0');
  image.replace(0x7FC0, title.size(), title);
  image[0x7FC0 + 28] = '\x00';
  image[0x7FC0 + 29] = '\x00';
  image[0x7FC0 + 30] = '\xFF';
  image[0x7FC0 + 31] = '\xFF';
  return image;
}

TEST_F(FavoritesDialogTest, TheTitleOfTheFocusedEntryShowsItsAmpersands) {
  testing::TempDir dir;
  const std::string game = dir.Write("GAME.SMC", RomImage("R&B & SOUL"));
  const std::string missing = dir.File("R&B.SMC");
  Run({game, missing}, [&](MemoryForm& dialog) {
    dialog.SelectItems(kList, {0}, 0);
    EXPECT_EQ(dialog.Text("RomTitleLabel"), "R&&B && SOUL");
    dialog.SelectItems(kList, {0}, 1);  // no such file: its path is the title
    EXPECT_TRUE(dialog.Text("RomTitleLabel").ends_with("R&&B.SMC")) << dialog.Text("RomTitleLabel");
    dialog.Click("OKBtn");
  });
}

}  // namespace
}  // namespace pavane
