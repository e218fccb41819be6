// The automatic search in real windows, on a drive mapped to a prepared
// folder: the picker on the current drive, the walk past a link loop and a
// too-deep chain, and the chosen find in the location dialog's path.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

#include "locate/search_dialog.h"
#include "locate/search_system_win.h"
#include "locate/zsnes_dir_dialog.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/locate/search_drive.h"
#include "tests/win32/window_script.h"
#include "win32/handles.h"

namespace pavane {
namespace {

using testing::AsWindow;
using testing::WindowText;

std::string ListText(HWND list, int index) {
  std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, index, 0)) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text.c_str();
}

// The names of the root's directories in the order the file system lists them.
std::vector<std::string> RootOrder() {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  const win::UniqueFind find(FindFirstFileA("S:\\*", &data));
  if (!find) return names;
  do names.push_back(data.cFileName);
  while (FindNextFileA(find.Get(), &data));
  return names;
}

// Screenshots of a run are taken from outside while the dialog waits this long.
void PauseForScreenshot() {
  const char* pause = std::getenv("PAVANE_SCREENSHOT_PAUSE_MS");
  if (!pause) return;
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::atoi(pause));
  while (std::chrono::steady_clock::now() < until) {
    win::PumpMessages();
    Sleep(20);
  }
}

TEST(SearchDialog, FindsTheCopiesOfTheDriveAndGivesTheChosenDirectory) {
  testing::ExpectSearchDrive();
  ASSERT_TRUE(SetCurrentDirectoryA("S:\\"));
  win::Win32FormHost host;
  testing::ScriptedPrompter prompter;
  Win32SearchSystem system;
  TZSnesDirDialog location(host, nullptr, prompter,
                           [&](forms::FormView& owner) { return RunSearchDialog(host, owner, system); });
  win::FormWindow& window = AsWindow(location.Window());

  std::vector<std::string> expected;
  for (const std::string& name : RootOrder()) {
    if (name == "EMU" || name == "GAMES") expected.push_back("S:\\" + name + "\\ZSNES\\ZSNES.EXE");
  }
  ASSERT_EQ(expected.size(), 2u);

  HWND search = nullptr;
  std::string pickerText, resultText, pathAfter;
  std::vector<std::string> found;
  int selected = -2;
  bool listFocused = false;
  int stage = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  testing::ModalObserver observer([&] {
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "stuck at stage " << stage;
      if (search) PostMessageA(search, WM_CLOSE, 0, 0);
      window.EndModal(0);
      return true;
    }
    switch (stage) {
      case 0:
        if (!IsWindowVisible(window.Handle())) return false;
        PostMessageA(window.Control("AutoSearchButton"), BM_CLICK, 0, 0);
        stage = 1;
        return false;
      case 1: {
        search = testing::OwnedWindow(window.Handle());
        if (!search) return false;
        const HWND picker = testing::FindControl(search, "COMBOBOX");
        const int current = static_cast<int>(SendMessageA(picker, CB_GETCURSEL, 0, 0));
        pickerText = testing::ComboText(picker, current);
        // The walk lets messages through, this observer's ticks among them: the stage moves on first.
        stage = 2;
        PostMessageA(testing::FindControl(search, "Button", "Start Search"), BM_CLICK, 0, 0);
        return false;
      }
      case 2: {
        const HWND select = testing::FindControl(search, "BUTTON", "&Select");
        if (!IsWindowEnabled(select) || !IsWindowEnabled(search)) return false;
        stage = 3;
        const HWND list = testing::FindControl(search, "LISTBOX");
        for (int i = 0; i < SendMessageA(list, LB_GETCOUNT, 0, 0); ++i) found.push_back(ListText(list, i));
        selected = static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0));
        listFocused = GetFocus() == list;
        resultText = WindowText(testing::FindControl(search, "STATIC", "2 directories found."));
        PauseForScreenshot();
        SendMessageA(list, LB_SETCURSEL, 1, 0);
        PostMessageA(select, BM_CLICK, 0, 0);
        return false;
      }
      default:
        if (IsWindow(search)) return false;
        pathAfter = window.Text("ZSnesDirEdit");
        PostMessageA(window.Control("OKButton"), BM_CLICK, 0, 0);
        return true;
    }
  });
  const auto chosen = location.Execute("");
  EXPECT_EQ(pickerText.substr(0, 2), "S:");
  EXPECT_EQ(found, expected);
  EXPECT_EQ(selected, 0);
  EXPECT_TRUE(listFocused);
  EXPECT_EQ(resultText, "2 directories found.");
  const std::string directory = expected[1].substr(0, expected[1].size() - 9);
  EXPECT_EQ(pathAfter, directory);
  EXPECT_EQ(chosen, directory);
  SetCurrentDirectoryA("C:\\");
}

}  // namespace
}  // namespace pavane
