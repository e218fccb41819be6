#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/about_layout.h"
#include "app/preferences_dialog.h"
#include "app/prompter_win.h"
#include "base/version.h"
#include "locate/zsnes_dir_dialog.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/window_script.h"

namespace pavane {
namespace {

using testing::AsWindow;
using testing::BoxChecked;
using testing::Click;
using testing::ModalScript;

// Keys pressed inside a dialog's own loop.
void PressKey(UINT key) { testing::PressKey(key, 0, false); }

win::Win32FormHost host;

const Preferences kMixed{.LoadROMSettings = false,
                         .PromptBeforeLoading = true,
                         .SaveSettingsBeforeLaunch = false,
                         .SaveWithoutPrompting = true,
                         .CfgOverwritePrompt = true};

TEST(PreferencesDialog, ShowsTheFlagsAndCopiesTheBoxesBackOnOk) {
  TPreferencesDialog dialog(host, nullptr);
  win::FormWindow& window = AsWindow(dialog.Window());
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
    TPreferencesDialog dialog(host, nullptr);
    win::FormWindow& window = AsWindow(dialog.Window());
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
  TPreferencesDialog dialog(host, nullptr);
  win::FormWindow& window = AsWindow(dialog.Window());
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
    TAboutBox box(host, nullptr);
    win::FormWindow& window = AsWindow(box.Window());
    ModalScript script(window, [&] {
      EXPECT_EQ(window.Text("Label1"), "Pavane v" PAVANE_VERSION);
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
    TZSnesDirDialog dialog(host, nullptr, prompter);
    win::FormWindow& window = AsWindow(dialog.Window());
    ModalScript script(window, [&] {
      EXPECT_EQ(window.Text("ZSnesDirEdit"), "C:\\old\\");
      window.SetText("ZSnesDirEdit", "D:\\no such place");
      PostMessageA(window.Control("OKButton"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.Execute("C:\\old\\"), "D:\\no such place");
  }
  {
    TZSnesDirDialog dialog(host, nullptr, prompter);
    win::FormWindow& window = AsWindow(dialog.Window());
    ModalScript script(window, [&] {
      window.SetText("ZSnesDirEdit", "D:\\other");
      PostMessageA(window.Control("ExitButton"), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.Execute("C:\\old\\"), std::nullopt);
  }
  {
    // An empty path is accepted too.
    TZSnesDirDialog dialog(host, nullptr, prompter);
    ModalScript script(dialog.Window(), [&] { PressKey(VK_RETURN); });
    EXPECT_EQ(dialog.Execute(""), "");
  }
  EXPECT_TRUE(prompter.Requests().empty());
}

// The real folder browser belongs to the dialog that asked for it, which stays
// disabled until the browser closes.
TEST(ZSnesDirDialog, TheFolderBrowserIsOwnedByTheDialog) {
  win::Win32Prompter prompter;
  TZSnesDirDialog dialog(host, nullptr, prompter);
  win::FormWindow& window = AsWindow(dialog.Window());
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

}  // namespace
}  // namespace pavane
