// The favourites of the main window on forms without windows: the column
// rule, the list read at the start and written at the end with its menu
// items, adding the current ROM, choosing a favourite, and the dialog's
// result reaching the list and both menus only on OK.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "favorites/favorite_menus.h"
#include "settings/file_io.h"
#include "settings/template_file.h"
#include "tests/support/memory_program.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::MemoryForm;
using testing::TempDir;

std::vector<std::size_t> BreakIndices(const std::vector<bool>& breaks) {
  std::vector<std::size_t> indices;
  for (std::size_t i = 0; i < breaks.size(); ++i) {
    if (breaks[i]) indices.push_back(i);
  }
  return indices;
}

TEST(FavoriteColumns, AColumnFillsTheScreenAndTheItemThatOverflowsStartsTheNext) {
  // 31 items of 19 pixels fit 600; the 32nd starts column two, which then
  // holds 32 items because its first one is not counted.
  EXPECT_EQ(BreakIndices(FavoriteColumnBreaks(70, 19, 600)), (std::vector<std::size_t>{31, 63}));
  EXPECT_EQ(BreakIndices(FavoriteColumnBreaks(63, 19, 600)), (std::vector<std::size_t>{31}));
  EXPECT_EQ(BreakIndices(FavoriteColumnBreaks(31, 19, 600)), (std::vector<std::size_t>{}));
  // Exactly the screen's height still fits: 32 items of 19 are 608.
  EXPECT_EQ(BreakIndices(FavoriteColumnBreaks(70, 19, 608)), (std::vector<std::size_t>{32, 65}));
  EXPECT_TRUE(FavoriteColumnBreaks(0, 19, 600).empty());
}

class FavoritesTest : public ::testing::Test {
 protected:
  FavoritesTest() {
    dir.Write("ZSNES.CFG", "FrameSkip = 2\r\n");
    Registry().Write({}, "ZSnesDir", dir.Path().string());
  }

  MemoryForm& Window() { return program->Window(); }
  TMainForm& Form() { return program->main; }
  AppState& State() { return program->state; }
  testing::ScriptedPrompter& Prompter() { return program->prompter; }
  testing::MemoryHost& Host() { return program->host; }
  testing::MemoryStore& Registry() { return registry; }
  std::string Path(std::string_view name) const { return dir.Path().string() + "\\" + std::string(name); }
  std::string Rom(std::string_view name) const {
    dir.Write(name, std::string(65536, '\0'));
    return Path(name);
  }

  // The captions of a menu's items added at run time, after checking that
  // item i is named `prefix` + i, carries Tag i and raises FaveClick.
  std::vector<std::string> Items(std::string_view menu, std::string_view prefix) {
    std::vector<std::string> captions;
    const auto items = Window().MenuItems(menu);
    for (std::size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].name, std::string(prefix) + std::to_string(i));
      EXPECT_EQ(items[i].tag, static_cast<int>(i));
      EXPECT_EQ(items[i].handler, "FaveClick");
      captions.push_back(items[i].caption);
    }
    return captions;
  }
  // Both menus list exactly `expected`, in the same order.
  void ExpectMenus(const std::vector<std::string>& expected) {
    EXPECT_EQ(Items("FavoritesMenu", "Fave"), expected);
    EXPECT_EQ(Items("FavoritesPopupMenu", "FavePopup"), expected);
  }

  TempDir dir;
  testing::MemoryStore registry;
  std::optional<testing::MemoryProgram> program{std::in_place, registry};
};

// The list loses its gaps. Untouched, it is not written back at all; once
// changed it is written whole, renumbered, and the stored entries beyond it
// go. Values past the stored count were never read and stay.
TEST_F(FavoritesTest, TheStoredListIsWrittenBackOnlyWhenChangedAndThenWhole) {
  Registry().Write("Favorites", "Count", "3");
  Registry().Write("Favorites", "0", "C:\\ROMS\\A.SMC");
  Registry().Write("Favorites", "2", "C:\\R&B\\C.SMC");
  Registry().Write("Favorites", "7", "C:\\ROMS\\PAST.SMC");
  const StoredValues stored = Registry().Section("Favorites");
  ASSERT_TRUE(Form().FormCreate());
  ExpectMenus({"C:\\ROMS\\A.SMC", "C:\\R&B\\C.SMC"});
  Window().Close();
  EXPECT_EQ(Registry().Section("Favorites"), stored);

  program.emplace(registry);
  ASSERT_TRUE(Form().FormCreate());
  Host().OnModal("FavoritesDialog", [](MemoryForm& dialog) {
    dialog.SelectItems("FaveListBox", {0}, 0);
    dialog.Click("RemoveBtn");
    dialog.Click("OKBtn");
  });
  Window().Choose("ConfigureMenu");
  Window().Close();
  EXPECT_EQ(Registry().Section("Favorites"),
            (StoredValues{{"Count", "1"}, {"0", "C:\\R&B\\C.SMC"}, {"7", "C:\\ROMS\\PAST.SMC"}}));
}

TEST_F(FavoritesTest, SeventyStoredFavoritesBreakIntoColumnsInBothMenus) {
  Registry().Write("Favorites", "Count", "70");
  for (int i = 0; i < 70; ++i) Registry().Write("Favorites", std::to_string(i), "C:\\ROMS\\" + std::to_string(i));
  ASSERT_TRUE(Form().FormCreate());
  for (const std::string_view menu : {"FavoritesMenu", "FavoritesPopupMenu"}) {
    SCOPED_TRACE(menu);
    const auto items = Window().MenuItems(menu);
    ASSERT_EQ(items.size(), 70u);
    std::vector<bool> breaks;
    for (const auto& item : items) breaks.push_back(item.breakColumn);
    EXPECT_EQ(BreakIndices(breaks), (std::vector<std::size_t>{31, 63}));
    EXPECT_EQ(items[69].caption, "C:\\ROMS\\69");
  }
}

TEST_F(FavoritesTest, AddingNeedsAnExistingCurrentRomAndAllowsTheSameOneTwice) {
  ASSERT_TRUE(Form().FormCreate());
  Window().Choose("AddMenu");  // no ROM chosen yet
  State().CurrentRom = Path("gone.smc");
  Window().Choose("AddMenu");  // its file is not there
  EXPECT_TRUE(State().FavoriteList.empty());
  ExpectMenus({});

  const std::string rom = Rom("R&B.SMC");
  Prompter().OpenAnswer(rom);
  Window().Choose("OpenROMMenu");
  Window().Choose("AddMenu");
  Window().Choose("AddPopupMenu");  // the pop-up's item does the same
  EXPECT_EQ(State().FavoriteList, (std::vector<std::string>{rom, rom}));
  ExpectMenus({rom, rom});
  EXPECT_TRUE(Prompter().MessageTexts().empty());
}

TEST_F(FavoritesTest, ChoosingAFavoriteIsChoosingItsRomInTheOpenDialog) {
  const std::string first = Rom("FIRST.SMC");
  const std::string game = Rom("GAME.SMC");
  Settings stored;
  stored.FrameSkip = 7;
  FileError error;
  ASSERT_TRUE(WriteTemplateFile(Path("GAME.pvt"), stored, error));
  Registry().Write("Favorites", "Count", "3");
  Registry().Write("Favorites", "0", first);
  Registry().Write("Favorites", "1", game);
  Registry().Write("Favorites", "2", Path("GONE.SMC"));
  ASSERT_TRUE(Form().FormCreate());

  const std::string offer = "A '" + Path("GAME.pvt") + "' file has been detected.\n\nDo you want to load it?";
  Prompter().Answer(Answer::Yes);
  Window().Choose("FavePopup1");
  EXPECT_EQ(State().CurrentRom, game);
  EXPECT_EQ(Window().Caption(), game + " - Pavane");
  EXPECT_EQ(Prompter().MessageTexts(), (std::vector<std::string>{offer}));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");

  // The open dialog asks the same question for the same ROM.
  Window().SetPosition("FrameSkipSpin", 1);
  Prompter().OpenAnswer(game).Answer(Answer::No);
  Window().Choose("OpenROMMenu");
  EXPECT_EQ(Prompter().MessageTexts(), (std::vector<std::string>{offer, offer}));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "1");

  Window().Choose("Fave0");  // no settings file beside it: no question
  EXPECT_EQ(Window().Caption(), first + " - Pavane");

  State().preferences.LoadROMSettings = false;
  Window().Choose("Fave1");  // not looked for at all
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "1");

  Window().Choose("Fave2");  // a favourite whose file is gone is still chosen
  EXPECT_EQ(State().CurrentRom, Path("GONE.SMC"));
  EXPECT_EQ(Prompter().MessageTexts().size(), 2u);
}

TEST_F(FavoritesTest, TheDialogChangesTheListAndMenusOnlyOnOk) {
  Registry().Write("Favorites", "Count", "3");
  for (const char* index : {"0", "1", "2"}) Registry().Write("Favorites", index, std::string("C:\\") + index);
  ASSERT_TRUE(Form().FormCreate());
  State().settings.GameDirectory = "E:\\GAMES";

  Prompter().OpenFilesAnswer({"D:\\NEW.SMC"});
  Host().OnModal("FavoritesDialog", [](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Caption(), "Favorites List");
    EXPECT_EQ(dialog.ItemCount("FaveListBox"), 3);
    dialog.Click("AddBtn");
    dialog.SelectItems("FaveListBox", {0}, 0);
    dialog.Click("DownBtn");
    dialog.SelectItems("FaveListBox", {2}, 2);
    dialog.Click("RemoveBtn");
    EXPECT_EQ(dialog.ItemText("FaveListBox", 1), "C:\\0");
    dialog.Click("CancelBtn");
  });
  Window().Choose("ConfigureMenu");
  EXPECT_EQ(State().FavoriteList, (std::vector<std::string>{"C:\\0", "C:\\1", "C:\\2"}));
  ExpectMenus({"C:\\0", "C:\\1", "C:\\2"});
  EXPECT_EQ(Prompter().Requests().back().file.initialDirectory, "E:\\GAMES");

  // The same edits kept with OK: the three old items of each menu give way to
  // the new ones.
  Prompter().OpenFilesAnswer({"D:\\NEW.SMC"});
  Host().OnModal("FavoritesDialog", [](MemoryForm& dialog) {
    dialog.Click("AddBtn");
    dialog.SelectItems("FaveListBox", {0}, 0);
    dialog.Click("DownBtn");
    dialog.SelectItems("FaveListBox", {0, 3}, 3);
    dialog.Click("RemoveBtn");
    dialog.Click("OKBtn");
  });
  Window().Choose("ConfigPopupMenu");
  EXPECT_EQ(State().FavoriteList, (std::vector<std::string>{"C:\\0", "C:\\2"}));
  ExpectMenus({"C:\\0", "C:\\2"});
}

// Ten thousand favourites: each menu holds what lies on the screen, its last
// item says the rest are in the list and opens it, and a double click there
// chooses any of them. Nothing of the list is written back untouched.
TEST_F(FavoritesTest, WhatTheMenusCannotHoldIsReachedThroughTheList) {
  std::vector<std::string> many;
  for (int i = 0; i < 10000; ++i) many.push_back("C:\\ROMS\\GAME" + std::to_string(10000 + i) + ".SMC");
  Registry().Write("Favorites", "Count", std::to_string(many.size()));
  for (std::size_t i = 0; i < many.size(); ++i) Registry().Write("Favorites", std::to_string(i), many[i]);
  const StoredValues stored = Registry().Section("Favorites");
  ASSERT_TRUE(Form().FormCreate());

  const testing::FixedMenuMetrics& metrics = program->menuMetrics;
  for (const auto& [menu, moreName] :
       {std::pair{"FavoritesMenu", "FaveMore"}, {"FavoritesPopupMenu", "FavePopupMore"}}) {
    SCOPED_TRACE(menu);
    const auto items = Window().MenuItems(menu);
    ASSERT_GT(items.size(), 100u);
    ASSERT_LT(items.size(), many.size());
    // The first column begins with Add to Favorites and its shortcut.
    long long widthBefore = 0;
    int column = metrics.MenuItemWidth("&Add to Favorites\tCtrl+A");
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
      EXPECT_EQ(items[i].caption, many[i]);
      if (items[i].breakColumn) widthBefore += std::exchange(column, 0);
      column = std::max(column, metrics.MenuItemWidth(items[i].caption));
    }
    const auto& more = items.back();
    EXPECT_EQ(more.name, moreName);
    EXPECT_EQ(more.caption, "More in the Favorites List...");
    if (more.breakColumn) widthBefore += std::exchange(column, 0);
    column = std::max(column, metrics.MenuItemWidth(more.caption));
    EXPECT_LE(widthBefore + column, metrics.screenWidth);
  }

  Host().OnModal("FavoritesDialog", [](MemoryForm& dialog) {
    EXPECT_EQ(dialog.ItemCount("FaveListBox"), 10000);
    dialog.DoubleClickItem("FaveListBox", 9999);
  });
  Window().Choose("FaveMore");
  EXPECT_EQ(State().FavoriteList, many);
  EXPECT_EQ(State().CurrentRom, many.back());
  EXPECT_EQ(Window().Caption(), many.back() + " - Pavane");
  Window().Close();
  EXPECT_EQ(Registry().Section("Favorites"), stored);
}

// A start reads only the first entries of a long list; adding a favourite
// still keeps every entry and appends the new one.
TEST_F(FavoritesTest, AddingToALongListKeepsEveryEntry) {
  std::vector<std::string> many;
  for (int i = 0; i < 2000; ++i) many.push_back("C:\\ROMS\\" + std::to_string(i) + ".SMC");
  Registry().Write("Favorites", "Count", std::to_string(many.size()));
  for (std::size_t i = 0; i < many.size(); ++i) Registry().Write("Favorites", std::to_string(i), many[i]);
  ASSERT_TRUE(Form().FormCreate());
  State().CurrentRom = Rom("NEW.SMC");
  Window().Choose("AddMenu");
  Window().Close();
  many.push_back(Path("NEW.SMC"));
  EXPECT_EQ(Registry().Read("Favorites", "Count"), "2001");
  for (std::size_t i = 0; i < many.size(); ++i) ASSERT_EQ(Registry().Read("Favorites", std::to_string(i)), many[i]);
}

}  // namespace
}  // namespace pavane
