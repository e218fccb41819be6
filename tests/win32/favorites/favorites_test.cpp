// The favourites of the real main window under Wine: the list in the real
// registry across a run, the items of both real menus with their texts and
// column breaks, Ctrl+A, a favourite chosen from a menu, and the real
// favourites dialog changing list and menus only on OK.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/program_win.h"
#include "settings/template_file.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/favorites/list_box_user.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"
#include "tests/win32/window_script.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;
using Texts = std::vector<std::string>;

// The fixed items above the favourites: Add, Configure and a separator.
constexpr int kFixedItems = 3;

class FavoritesTest : public testing::ProgramFixture {
 protected:
  FavoritesTest() { StoreZsnesDir("FrameSkip = 2\r\n"); }

  void Start() { ASSERT_TRUE(ProgramFixture::Start()); }
  win::RegistryKey StoredFavorites() const { return Stored().OpenOrCreateSubkey("Favorites"); }
  void StoreFavorites(const Texts& paths) {
    StoredFavorites().WriteString("Count", std::to_string(paths.size()));
    for (std::size_t i = 0; i < paths.size(); ++i) StoredFavorites().WriteString(std::to_string(i), paths[i]);
  }
  std::string Rom(std::string_view name) const { return dir.Write(name, std::string(65536, '\0')); }

  // A menu as the user sees it once it opens.
  HMENU MainMenu() { return Opened(Window().Menu("FavoritesMenu")); }
  HMENU PopupMenu() { return Opened(Window().Menu("FavoritesPopupMenu")); }
  HMENU Opened(HMENU menu) {
    SendMessageA(Window().Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    return menu;
  }
  // The texts of a menu's favourite items, as the menu holds them.
  static Texts Favorites(HMENU menu) {
    Texts texts;
    for (int i = kFixedItems; i < GetMenuItemCount(menu); ++i) texts.push_back(testing::MenuText(menu, i));
    return texts;
  }
  void ExpectMenus(const Texts& expected) {
    EXPECT_EQ(Favorites(MainMenu()), expected);
    EXPECT_EQ(Favorites(PopupMenu()), expected);
  }
  // The user picks favourite `index` in `menu`.
  void Choose(HMENU menu, int index) {
    SendMessageA(Window().Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, kFixedItems + index), 0), 0);
    win::PumpMessages();
  }
};

TEST_F(FavoritesTest, AStoredListWithAGapIsReadWithoutItAndNotWrittenBackUntouched) {
  {
    win::RegistryKey favorites = StoredFavorites();
    favorites.WriteString("Count", "3");
    favorites.WriteString("0", "C:\\ROMS\\A.SMC");
    favorites.WriteString("2", "C:\\ROMS\\C.SMC");
  }
  Start();
  ExpectMenus({"C:\\ROMS\\A.SMC", "C:\\ROMS\\C.SMC"});
  Stop();
  const win::RegistryKey favorites = StoredFavorites();
  EXPECT_EQ(favorites.StringValues()->size(), 3u);
  EXPECT_EQ(favorites.ReadString("Count"), "3");
  EXPECT_EQ(favorites.ReadString("2"), "C:\\ROMS\\C.SMC");
}

TEST_F(FavoritesTest, CtrlATwiceAddsTheSameRomTwice) {
  const std::string rom = Rom("GAME.SMC");
  Start();
  testing::PressKey('A', testing::kCtrl);  // no ROM chosen yet: nothing
  ExpectMenus({});
  prompter.OpenAnswer(rom);
  program->Main().OpenClick();
  testing::PressKey('A', testing::kCtrl);
  testing::PressKey('A', testing::kCtrl);
  ExpectMenus({rom, rom});
  Stop();
  EXPECT_EQ(StoredFavorites().ReadString("Count"), "2");
  EXPECT_EQ(StoredFavorites().ReadString("1"), rom);
}

TEST_F(FavoritesTest, ChoosingAFavoriteSetsTheCaptionAndOffersItsSettings) {
  const std::string game = Rom("GAME.SMC");
  Settings stored;
  stored.FrameSkip = 7;
  FileError error;
  ASSERT_TRUE(WriteTemplateFile(dir.File("GAME.pvt"), stored, error));
  StoreFavorites({Rom("OTHER.SMC"), game});
  Start();

  prompter.Answer(Answer::Yes);
  Choose(PopupMenu(), 1);
  EXPECT_EQ(Window().Caption(), game + " - Pavane");
  EXPECT_EQ(testing::WindowText(Window().Handle()), game + " - Pavane");
  ASSERT_EQ(prompter.MessageTexts(),
            Texts{"A '" + dir.File("GAME.pvt") + "' file has been detected.\n\nDo you want to load it?"});
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");

  Window().SetText("FrameSkipEdit", "3");
  prompter.Answer(Answer::No);
  Choose(MainMenu(), 1);  // the main menu's item: the same question, declined
  EXPECT_EQ(prompter.MessageTexts().size(), 2u);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "3");
  EXPECT_EQ(state->CurrentRom, game);
  Stop();
}

TEST_F(FavoritesTest, TheDialogsEditsReachListAndMenusOnlyOnOk) {
  StoreFavorites({"C:\\0", "C:\\1", "C:\\2"});
  Start();
  for (const bool ok : {false, true}) {
    SCOPED_TRACE(ok ? "OK" : "Cancel");
    prompter.OpenFilesAnswer({"D:\\B.SMC", "D:\\A.SMC"});
    testing::WindowScript edit("Favorites List", [ok](HWND dialog) {
      testing::ListBoxUser list(dialog);
      testing::ClickButton(dialog, "&Add...");
      list.Click(0);
      testing::ClickButton(dialog, "&Down");
      list.Click(2);
      list.Click(4, MK_CONTROL);
      testing::ClickButton(dialog, "&Remove");
      EXPECT_EQ(list.Entries(), (Texts{"C:\\1", "C:\\0", "D:\\B.SMC"}));
      testing::ClickButton(dialog, ok ? "OK" : "Cancel");
    });
    program->Main().ConfigPopupMenuClick();
  }
  // Cancel first changed nothing; OK then kept the same edits.
  EXPECT_EQ(state->FavoriteList, (Texts{"C:\\1", "C:\\0", "D:\\B.SMC"}));
  ExpectMenus({"C:\\1", "C:\\0", "D:\\B.SMC"});
  Stop();
}

// A ROM image whose low-bank header holds `title` with a valid checksum pair.
std::string RomImage(std::string_view title) {
  std::string image(65536, '\0');
  image.replace(0x7FC0, title.size(), title);
  image[0x7FC0 + 30] = '\xFF';
  image[0x7FC0 + 31] = '\xFF';
  return image;
}

// Menus and labels take a single "&" as the mark of the next letter: the
// texts they hold have each one doubled, and the list box shows them as they are.
TEST_F(FavoritesTest, AnAmpersandInAPathOrATitleStaysVisible) {
  std::filesystem::create_directory(dir.Path() / "R&B");
  const std::string rom = dir.Write("R&B\\SOUL.SMC", RomImage("R&B & SOUL"));
  StoreFavorites({rom});
  Start();
  const std::string shown = dir.Path().string() + "\\R&&B\\SOUL.SMC";
  ExpectMenus({shown});

  testing::WindowScript look("Favorites List", [&](HWND dialog) {
    testing::ListBoxUser list(dialog);
    EXPECT_EQ(list.Entries(), Texts{rom});
    list.Click(0);
    const HWND title = testing::FindControl(dialog, "Static", "R&&B && SOUL");
    EXPECT_NE(title, nullptr) << "no label shows the title";
    if (title) {
      EXPECT_FALSE(GetWindowLongA(title, GWL_STYLE) & SS_NOPREFIX);
    }
    testing::ClickButton(dialog, "OK");
  });
  program->Main().ConfigPopupMenuClick();
  Stop();
}

TEST_F(FavoritesTest, SeventyFavoritesBreakIntoColumnsOfTheScreensHeight) {
  Texts paths;
  for (int i = 0; i < 70; ++i) paths.push_back("C:\\ROMS\\GAME" + std::to_string(i) + ".SMC");
  StoreFavorites(paths);
  Start();
  // The first column holds as many items as fit the screen; every later one
  // holds one more, its first item not being counted.
  const int h = GetSystemMetrics(SM_CYMENUSIZE);
  const int perColumn = GetSystemMetrics(SM_CYSCREEN) / h;
  ASSERT_GT(perColumn, 0);
  std::vector<int> expected;
  for (int start = perColumn; start < 70; start += perColumn + 1) expected.push_back(start);
  ASSERT_FALSE(expected.empty()) << "70 items of " << h << " pixels fit one column";
  for (const HMENU menu : {MainMenu(), PopupMenu()}) {
    ASSERT_EQ(GetMenuItemCount(menu), kFixedItems + 70);
    std::vector<int> breaks;
    for (int i = 0; i < 70; ++i) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE;
      ASSERT_TRUE(GetMenuItemInfoA(menu, kFixedItems + i, TRUE, &info));
      if (info.fType & MFT_MENUBARBREAK) breaks.push_back(i);
    }
    EXPECT_EQ(breaks, expected) << "menu items of " << h << " pixels";
  }
  Stop();
}

// Ten thousand favourites: the start finds no limit, each menu ends in the
// item that opens the list, and a double click there chooses the last
// favourite. Editing the long list stays quick, and OK keeps every entry in
// its order.
TEST_F(FavoritesTest, TenThousandFavoritesAreAllReachableAndQuickToEdit) {
  Texts paths;
  for (int i = 0; i < 10000; ++i) paths.push_back("C:\\ROMS\\GAME" + std::to_string(i) + ".SMC");
  StoreFavorites(paths);
  Start();
  for (const HMENU menu : {MainMenu(), PopupMenu()}) {
    const int count = GetMenuItemCount(menu);
    ASSERT_GT(count, kFixedItems + 1);
    ASSERT_LT(count, kFixedItems + 1000);
    EXPECT_EQ(testing::MenuText(menu, count - 1), "More in the Favorites List...");
    EXPECT_EQ(testing::MenuText(menu, count - 2), paths[static_cast<std::size_t>(count - kFixedItems - 2)]);
  }

  testing::WindowScript pick("Favorites List", [](HWND dialog) { testing::ListBoxUser(dialog).DoubleClick(9999); });
  const HMENU popup = PopupMenu();
  SendMessageA(Window().Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(popup, GetMenuItemCount(popup) - 1), 0), 0);
  win::PumpMessages();
  EXPECT_EQ(state->FavoriteList, paths);
  EXPECT_EQ(state->CurrentRom, paths.back());

  using Clock = std::chrono::steady_clock;
  auto timed = [](auto&& action) {
    const auto start = Clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
  };
  prompter.OpenFilesAnswer({"D:\\NEW.SMC"});
  std::chrono::milliseconds ok{};
  testing::WindowScript edit("Favorites List", [&](HWND dialog) {
    testing::ListBoxUser list(dialog);
    list.Click(5000);
    EXPECT_LT(timed([&] { testing::ClickButton(dialog, "&Up"); }), std::chrono::milliseconds(100)) << "Up";
    EXPECT_LT(timed([&] { testing::ClickButton(dialog, "&Remove"); }), std::chrono::milliseconds(100)) << "Remove";
    EXPECT_LT(timed([&] { testing::ClickButton(dialog, "&Add..."); }), std::chrono::milliseconds(100)) << "Add";
    const auto start = Clock::now();
    testing::ClickButton(dialog, "OK");
    ok = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
  });
  const auto total = timed([&] { program->Main().ConfigPopupMenuClick(); });
  EXPECT_LT(total - ok, std::chrono::milliseconds(1000)) << "opening and closing the list";

  Texts edited = paths;
  edited.erase(edited.begin() + 5000);  // moved up, then removed
  edited.push_back("D:\\NEW.SMC");
  EXPECT_EQ(state->FavoriteList, edited);
  Stop();
  const auto stored = StoredFavorites().StringValues();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->size(), edited.size() + 1);
  EXPECT_EQ(StoredFavorites().ReadString("Count"), "10000");
  EXPECT_EQ(StoredFavorites().ReadString("5000"), paths[5001]);
  EXPECT_EQ(StoredFavorites().ReadString("9999"), "D:\\NEW.SMC");
}

}  // namespace
}  // namespace pavane
