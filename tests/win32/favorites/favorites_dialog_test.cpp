// The real favourites dialog under Wine, worked with the mouse: extended
// selection, Remove, Up and Down on the real list box, the buttons and the
// title that follow the selection; and the real open dialog choosing several
// files at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <dlgs.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/prompter_win.h"
#include "favorites/favorites_dialog.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/favorites/list_box_user.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/window_script.h"

namespace pavane {
namespace {

using testing::AsWindow;
using testing::ListBoxUser;
using testing::ModalScript;
using Texts = std::vector<std::string>;

win::Win32FormHost host;

const Texts kSix{"C:\\0", "C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5"};

TEST(FavoritesDialog, ShiftAndCtrlExtendTheSelectionAndUpDownFollowIt) {
  testing::ScriptedPrompter prompter;
  TFavoritesDialog dialog(host, nullptr, prompter, "");
  win::FormWindow& window = AsWindow(dialog.Window());
  ModalScript script(window, [&] {
    const ListBoxUser list(window.Handle());
    EXPECT_EQ(testing::WindowText(window.Handle()), "Favorites List");
    EXPECT_TRUE(IsWindowEnabled(window.Control("UpBtn")));
    list.Click(1);
    list.Click(3, MK_SHIFT);
    EXPECT_EQ(list.Selected(), (std::vector<int>{1, 2, 3}));
    EXPECT_FALSE(IsWindowEnabled(window.Control("UpBtn")));
    EXPECT_FALSE(IsWindowEnabled(window.Control("DownBtn")));
    list.Click(5, MK_CONTROL);
    EXPECT_EQ(list.Selected(), (std::vector<int>{1, 2, 3, 5}));
    list.Click(2);
    EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
    EXPECT_TRUE(IsWindowEnabled(window.Control("UpBtn")));
    EXPECT_TRUE(IsWindowEnabled(window.Control("DownBtn")));
    EXPECT_EQ(window.Text("RomTitleLabel"), "C:\\2");  // no such file: the path
    PostMessageA(window.Control("OKBtn"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog.Execute(kSix), kSix);
}

TEST(FavoritesDialog, RemoveUpAndDownOnTheRealList) {
  testing::ScriptedPrompter prompter;
  TFavoritesDialog dialog(host, nullptr, prompter, "");
  win::FormWindow& window = AsWindow(dialog.Window());
  ModalScript script(window, [&] {
    const ListBoxUser list(window.Handle());
    list.Click(2);
    list.Click(4, MK_CONTROL);
    testing::Click(window, "RemoveBtn");
    EXPECT_EQ(list.Entries(), (Texts{"C:\\0", "C:\\1", "C:\\3", "C:\\5"}));
    EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
    EXPECT_EQ(list.Caret(), 2);
    EXPECT_EQ(window.Text("RomTitleLabel"), "C:\\3");

    testing::Click(window, "UpBtn");
    EXPECT_EQ(list.Entries(), (Texts{"C:\\0", "C:\\3", "C:\\1", "C:\\5"}));
    EXPECT_EQ(list.Selected(), (std::vector<int>{1}));
    EXPECT_EQ(list.Caret(), 1);
    list.Click(0);
    testing::Click(window, "DownBtn");
    testing::Click(window, "DownBtn");
    EXPECT_EQ(list.Entries(), (Texts{"C:\\3", "C:\\1", "C:\\0", "C:\\5"}));
    EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
    EXPECT_EQ(list.Caret(), 2);

    list.Click(3);
    testing::Click(window, "RemoveBtn");  // the last entry: the new last one is selected
    EXPECT_EQ(list.Selected(), (std::vector<int>{2}));
    PostMessageA(window.Control("OKBtn"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog.Execute(kSix), (Texts{"C:\\3", "C:\\1", "C:\\0"}));
}

TEST(Win32Prompter, ChosenFilesAreOnePathOrADirectoryWithItsNames) {
  using namespace std::string_view_literals;
  using Wide = std::vector<std::wstring>;
  EXPECT_EQ(win::ChosenFiles(L"C:\\ROMS\\A.SMC\0\0"sv), Wide{L"C:\\ROMS\\A.SMC"});
  EXPECT_EQ(win::ChosenFiles(L"C:\\ROMS\0B.SMC\0A.SMC\0\0"sv), (Wide{L"C:\\ROMS\\B.SMC", L"C:\\ROMS\\A.SMC"}));
  EXPECT_EQ(win::ChosenFiles(L"C:\\\0A.SMC\0B.SMC\0\0"sv), (Wide{L"C:\\A.SMC", L"C:\\B.SMC"}));
  EXPECT_EQ(win::ChosenFiles(L"C:\\ROMS\0A.SMC"sv), Wide{L"C:\\ROMS\\A.SMC"});  // the end of the buffer ends it too
  EXPECT_TRUE(win::ChosenFiles(L"\0\0"sv).empty());
  EXPECT_TRUE(win::ChosenFiles(L""sv).empty());
}

// The real open dialog with two names typed into its name field.
TEST(Win32Prompter, OpenFilesGivesEveryFileChosenInTheRealDialog) {
  testing::TempDir dir;
  dir.Write("A.SMC", "a");
  dir.Write("B.SMC", "b");
  win::Win32Prompter prompter;
  for (const bool choose : {true, false}) {
    testing::WindowScript answer("Open ROM", [choose](HWND dialog) {
      if (choose) {
        SetDlgItemTextA(dialog, cmb13, "\"B.SMC\" \"A.SMC\"");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      } else {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      }
    });
    forms::FileDialogRequest request;
    request.title = "Open ROM";
    request.initialDirectory = dir.Path().string();
    request.mustExist = true;
    const Texts chosen = prompter.OpenFiles(request);
    if (choose) {
      ASSERT_EQ(chosen.size(), 2u);
      for (const std::string& path : chosen) EXPECT_TRUE(std::filesystem::exists(path)) << path;
      EXPECT_EQ(std::filesystem::path(chosen[0]).filename(), "B.SMC");
      EXPECT_EQ(std::filesystem::path(chosen[1]).filename(), "A.SMC");
    } else {
      EXPECT_TRUE(chosen.empty());
    }
  }
}

}  // namespace
}  // namespace pavane

namespace pavane {
namespace {

TEST(FavoritesDialog, FilesDroppedOnTheListAreAddedAndElsewhereIgnored) {
  testing::TempDir dir;
  const std::string a = dir.Write("A.SMC", "a");
  const std::string b = dir.Write("B.SMC", "b");
  testing::ScriptedPrompter prompter;
  TFavoritesDialog dialog(host, nullptr, prompter, "");
  win::FormWindow& window = AsWindow(dialog.Window());
  ModalScript script(window, [&] {
    const RECT list = testing::RectInParent(window.Control("FaveListBox"));
    const RECT ok = testing::RectInParent(window.Control("OKBtn"));
    testing::DropFiles(window.Handle(), {b, a}, POINT{(list.left + list.right) / 2, (list.top + list.bottom) / 2});
    win::PumpMessages();
    testing::DropFiles(window.Handle(), {a}, POINT{ok.left + 2, ok.top + 2});
    win::PumpMessages();
    PostMessageA(window.Control("OKBtn"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog.Execute({"C:\\0"}), (Texts{"C:\\0", b, a}));
}

}  // namespace
}  // namespace pavane
