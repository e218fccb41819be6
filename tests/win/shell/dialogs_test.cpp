#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/about_box_win.h"
#include "app/about_layout.h"
#include "app/preferences_dialog_win.h"
#include "locate/zsnes_dir_dialog_win.h"
#include "modal_script.h"
#include "tests/win/scripted_prompter.h"
#include "tests/win/window_script.h"
#include "win32/prompter_win.h"

namespace pavane {
namespace {

using test::BoxChecked;
using test::Click;
using test::ModalScript;
using test::PressKey;

const Preferences kMixed{.LoadROMSettings = false,
                         .PromptBeforeLoading = true,
                         .SaveSettingsBeforeLaunch = false,
                         .SaveWithoutPrompting = true,
                         .CfgOverwritePrompt = true};

TEST(PreferencesDialog, ShowsTheFlagsAndCopiesTheBoxesBackOnOk) {
  TPreferencesDialog dialog(nullptr);
  win::FormWindow& window = dialog.Window();
  Preferences preferences = kMixed;
  ModalScript script(window, [&] {
    EXPECT_FALSE(BoxChecked(window, "LoadROMSettingsCheck"));
    EXPECT_TRUE(BoxChecked(window, "PromptBeforeLoadingCheck"));
    EXPECT_FALSE(BoxChecked(window, "SaveSettingsCheck"));
    EXPECT_TRUE(BoxChecked(window, "SaveWithoutPromptingCheck"));
    EXPECT_TRUE(BoxChecked(window, "OverwritePromptCheck"));
    Click(window, "LoadROMSettingsCheck");
    Click(window, "OverwritePromptCheck");
    // Independent boxes: turning one over leaves the others alone.
    EXPECT_TRUE(BoxChecked(window, "PromptBeforeLoadingCheck"));
    PostMessageA(window.Control("OKBtn"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog.Execute(preferences), 1);
  Preferences expected = kMixed;
  expected.LoadROMSettings = true;
  expected.CfgOverwritePrompt = false;
  EXPECT_EQ(preferences, expected);
}

TEST(PreferencesDialog, CancelAndEscChangeNothing) {
  for (const bool byEsc : {false, true}) {
    SCOPED_TRACE(byEsc ? "Esc" : "Cancel");
    TPreferencesDialog dialog(nullptr);
    win::FormWindow& window = dialog.Window();
    Preferences preferences = kMixed;
    ModalScript script(window, [&] {
      Click(window, "SaveSettingsCheck");
      Click(window, "SaveWithoutPromptingCheck");
      if (byEsc) {
        PressKey(VK_ESCAPE);
      } else {
        PostMessageA(window.Control("CancelBtn"), BM_CLICK, 0, 0);
      }
    });
    EXPECT_EQ(dialog.Execute(preferences), 2);
    EXPECT_EQ(preferences, kMixed);
  }
}

TEST(PreferencesDialog, EnterMeansOk) {
  TPreferencesDialog dialog(nullptr);
  win::FormWindow& window = dialog.Window();
  Preferences preferences;
  ModalScript script(window, [&] {
    Click(window, "SaveWithoutPromptingCheck");
    PressKey(VK_RETURN);
  });
  EXPECT_EQ(dialog.Execute(preferences), 1);
  EXPECT_TRUE(preferences.SaveWithoutPrompting);
}

TEST(AboutBox, ShowsItsTextsAndClosesWithOkOnEnterAndEsc) {
  for (const WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    TAboutBox box(nullptr);
    win::FormWindow& window = box.Window();
    ModalScript script(window, [&] {
      EXPECT_EQ(window.Text("Label1"), "Pavane v0.180");
      EXPECT_EQ(window.Text("PavaneLink"), kHomepageAddress);
      // The address can be selected and copied, not changed.
      EXPECT_TRUE(GetWindowLongA(window.Control("PavaneLink"), GWL_STYLE) & ES_READONLY);
      PressKey(key);
    });
    EXPECT_EQ(box.ShowModal(), 1) << key;
  }
}

TEST(ZSnesDirDialog, GivesTheTextOnOkOnly) {
  testing::ScriptedPrompter prompter;
  {
    TZSnesDirDialog dialog(nullptr, prompter);
    win::FormWindow& window = dialog.Window();
    ModalScript script(window, [&] {
      EXPECT_EQ(window.Text("ZSnesDirEdit"), "C:\\old\\");
      window.SetText("ZSnesDirEdit", "D:\\no such place");
      PostMessageA(window.Control("OKButton"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.Execute("C:\\old\\"), "D:\\no such place");
  }
  {
    TZSnesDirDialog dialog(nullptr, prompter);
    win::FormWindow& window = dialog.Window();
    ModalScript script(window, [&] {
      window.SetText("ZSnesDirEdit", "D:\\other");
      PostMessageA(window.Control("ExitButton"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.Execute("C:\\old\\"), std::nullopt);
  }
  {
    // An empty path is accepted too.
    TZSnesDirDialog dialog(nullptr, prompter);
    ModalScript script(dialog.Window(), [&] { PressKey(VK_RETURN); });
    EXPECT_EQ(dialog.Execute(""), "");
  }
  EXPECT_TRUE(prompter.Requests().empty());
}

TEST(ZSnesDirDialog, BrowseStartsInTheLastExistingTypedDirectory) {
  const UINT size = GetWindowsDirectoryA(nullptr, 0);
  ASSERT_GT(size, 0u);
  std::string windows(size, '\0');
  windows.resize(GetWindowsDirectoryA(windows.data(), size));
  testing::ScriptedPrompter prompter;
  prompter.FolderAnswer("C:\\picked").FolderAnswer(std::nullopt);
  TZSnesDirDialog dialog(nullptr, prompter);
  win::FormWindow& window = dialog.Window();
  ModalScript script(window, [&] {
    Click(window, "BrowseButton");
    EXPECT_EQ(window.Text("ZSnesDirEdit"), "C:\\picked");
    window.SetText("ZSnesDirEdit", "Q:\\not there");
    Click(window, "BrowseButton");  // cancelled: the text stays
    EXPECT_EQ(window.Text("ZSnesDirEdit"), "Q:\\not there");
    PostMessageA(window.Control("ExitButton"), BM_CLICK, 0, 0);
  });
  dialog.Execute(windows);
  ASSERT_EQ(prompter.Requests().size(), 2u);
  EXPECT_EQ(prompter.Requests()[0].file.title, "Choose a directory:");
  EXPECT_EQ(prompter.Requests()[0].file.initialDirectory, windows);
  // "C:\picked" was never typed and "Q:\not there" does not exist: the start stays.
  EXPECT_EQ(prompter.Requests()[1].file.initialDirectory, windows);
}

// The real folder browser belongs to the dialog that asked for it, which stays
// disabled until the browser closes.
TEST(ZSnesDirDialog, TheFolderBrowserIsOwnedByTheDialog) {
  win::Win32Prompter prompter;
  TZSnesDirDialog dialog(nullptr, prompter);
  win::FormWindow& window = dialog.Window();
  HWND browser = nullptr;
  HWND browserOwner = nullptr;
  BOOL dialogEnabled = TRUE;
  int stage = 0;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  testing::ModalObserver observer([&] {
    if (std::chrono::steady_clock::now() > deadline) {
      ADD_FAILURE() << "stuck at stage " << stage;
      if (browser) PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
      window.EndModal(0);
      return true;
    }
    switch (stage) {
      case 0:
        if (!IsWindowVisible(window.Handle())) return false;
        PostMessageA(window.Control("BrowseButton"), BM_CLICK, 0, 0);
        stage = 1;
        return false;
      case 1:
        browser = testing::OwnedWindow(window.Handle());
        if (!browser) return false;
        browserOwner = GetWindow(browser, GW_OWNER);
        dialogEnabled = IsWindowEnabled(window.Handle());
        PostMessageA(browser, WM_COMMAND, IDCANCEL, 0);
        stage = 2;
        return false;
      default:
        if (IsWindow(browser)) return false;
        PostMessageA(window.Control("ExitButton"), BM_CLICK, 0, 0);
        return true;
    }
  });
  EXPECT_EQ(dialog.Execute(""), std::nullopt);
  EXPECT_EQ(browserOwner, window.Handle());
  EXPECT_FALSE(dialogEnabled);
}

TEST(ZSnesDirDialog, AutomaticSearchFillsThePathUnlessCancelled) {
  testing::ScriptedPrompter prompter;
  std::vector<std::optional<std::string>> searches = {std::string("C:\\EMU\\ZSNES\\"), std::nullopt};
  HWND searchOwner = nullptr;
  TZSnesDirDialog dialog(nullptr, prompter, [&](HWND owner) {
    searchOwner = owner;
    std::optional<std::string> found = searches.front();
    searches.erase(searches.begin());
    return found;
  });
  win::FormWindow& window = dialog.Window();
  ModalScript script(window, [&] {
    Click(window, "AutoSearchButton");
    EXPECT_EQ(window.Text("ZSnesDirEdit"), "C:\\EMU\\ZSNES\\");
    window.SetText("ZSnesDirEdit", "typed");
    Click(window, "AutoSearchButton");
    EXPECT_EQ(window.Text("ZSnesDirEdit"), "typed");
    PostMessageA(window.Control("OKButton"), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(dialog.Execute(""), "typed");
  EXPECT_TRUE(searches.empty());
  EXPECT_EQ(searchOwner, window.Handle());
}

}  // namespace
}  // namespace pavane
