// The main window's life under Wine: the first start with the real location
// dialog, the state in the real registry across restarts, the real
// Preferences dialog, and a registry key that refuses the state.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "app/program_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"
#include "tests/win32/window_script.h"
#include "win32/handles.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

class MainFormShellTest : public testing::ProgramFixture {
 protected:
  void Store(std::string_view name, std::string_view value) { Stored().WriteString(name, value); }
  void StoreZsnesDir() { ProgramFixture::StoreZsnesDir("; mine\r\nFrameSkip = 2\r\n"); }
  const testing::ScriptedPrompter::Request& LastRequest() const { return prompter.Requests().back(); }
};

TEST_F(MainFormShellTest, FirstStartCancelledStoresTheDefaults) {
  testing::WindowScript cancel("ZSNES Location", [](HWND dialog) { testing::ClickButton(dialog, "Cancel"); });
  EXPECT_FALSE(Start());
  Stop();
  const win::RegistryKey stored = Stored();
  EXPECT_EQ(stored.ReadString("ZSnesDir"), "");
  EXPECT_EQ(stored.ReadString("ZSnesCmdLine"), "");
  EXPECT_EQ(stored.ReadString("LoadROMSettings"), "1");
  EXPECT_EQ(stored.ReadString("PromptBeforeLoading"), "1");
  EXPECT_EQ(stored.ReadString("SaveSettingsBeforeLaunch"), "1");
  EXPECT_EQ(stored.ReadString("SaveWithoutPrompting"), "0");
  EXPECT_EQ(stored.ReadString("CfgOverwritePrompt"), "1");
  EXPECT_EQ(stored.OpenOrCreateSubkey("Favorites").ReadString("Count"), "0");
}

TEST_F(MainFormShellTest, FirstStartAsksForTheDirectoryAndTheNextStartRemembersIt) {
  dir.Write("ZSNES.CFG", "FrameSkip = 5\r\n");
  const std::string chosen = ZsnesDir();
  {
    testing::WindowScript answer("ZSNES Location", [&chosen](HWND dialog) {
      SetWindowTextA(testing::FindControl(dialog, "Edit"), chosen.c_str());
      testing::ClickButton(dialog, "OK");
    });
    ASSERT_TRUE(Start());
  }
  EXPECT_EQ(Window().Text("ZSnesDirEdit"), chosen);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "5");
  EXPECT_EQ(Window().Caption(), "Pavane");
  Stop();

  ASSERT_TRUE(Start());  // no dialog this time
  EXPECT_EQ(Window().Text("ZSnesDirEdit"), chosen);
  EXPECT_EQ(state->configLines, ConfigLines{"FrameSkip = 5"});
  Stop();
}

TEST_F(MainFormShellTest, StoredFlagTextsAndPreferencesSurviveARestart) {
  StoreZsnesDir();
  Store("LoadROMSettings", "0x0");
  Store("PromptBeforeLoading", "2");
  Store("SaveWithoutPrompting", "yes");
  Store("CfgOverwritePrompt", "0");
  ASSERT_TRUE(Start());
  EXPECT_FALSE(state->preferences.LoadROMSettings);
  EXPECT_TRUE(state->preferences.PromptBeforeLoading);
  EXPECT_FALSE(state->preferences.SaveWithoutPrompting);  // "yes" is no number: the default
  EXPECT_FALSE(state->preferences.CfgOverwritePrompt);
  {
    testing::WindowScript change("Preferences", [](HWND dialog) {
      testing::ClickButton(dialog, "Save &without prompting");
      testing::ClickButton(dialog, "&Load specific ROM settings");
      testing::ClickButton(dialog, "OK");
    });
    program->Main().PreferencesMenuClick();
  }
  Stop();
  EXPECT_EQ(Stored().ReadString("LoadROMSettings"), "1");
  EXPECT_EQ(Stored().ReadString("PromptBeforeLoading"), "2");  // unchanged: kept as it was stored
  EXPECT_EQ(Stored().ReadString("SaveWithoutPrompting"), "1");

  ASSERT_TRUE(Start());
  EXPECT_EQ(state->preferences, (Preferences{true, true, true, true, false}));
  Stop();
}

// Below a volatile key the system refuses to create a lasting one, so the
// state can be neither read nor written.
TEST_F(MainFormShellTest, StateThatCannotBeStoredIsReported) {
  HKEY volatileKey = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.path().c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &volatileKey, nullptr),
            ERROR_SUCCESS);
  win::UniqueRegKey{volatileKey};  // closed at once: that the key is volatile is what counts
  const std::string unwritable = key.path() + "\\Pavane";
  program.reset();
  state.emplace();
  program.emplace(*state, prompter, unwritable);
  {
    testing::WindowScript answer("ZSNES Location", [this](HWND dialog) {
      SetWindowTextA(testing::FindControl(dialog, "Edit"), ZsnesDir().c_str());
      testing::ClickButton(dialog, "OK");
    });
    prompter.Answer(Answer::Yes);  // create ZSNES.CFG
    ASSERT_TRUE(program->Main().FormCreate());
  }
  prompter.Answer(Answer::Ok);
  Stop();
  EXPECT_EQ(LastRequest().message.text,
            "The registry key HKEY_CURRENT_USER\\" + unwritable +
                " could not be read when Pavane started.\nSo that nothing stored there is overwritten, the ZSNES "
                "directory, the command line, the preferences and the favourites of this session are not stored.");
  EXPECT_EQ(LastRequest().message.icon, forms::Icon::Error);
  EXPECT_FALSE(win::RegistryKeyExists(unwritable));
}

// Declining to create the stored directory still shows the stored command
// line, and the end leaves it stored as it was.
TEST_F(MainFormShellTest, DeclinedStartUpReadKeepsTheStoredCommandLine) {
  Store("ZSnesDir", dir.File("missing"));
  Store("ZSnesCmdLine", "-d");
  prompter.Answer(Answer::No);
  ASSERT_TRUE(Start());
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), "-d");
  EXPECT_TRUE(state->configLines.empty());
  Stop();
  EXPECT_EQ(Stored().ReadString("ZSnesCmdLine"), "-d");
}

// Questions that fail, as a start can fail half way for want of memory or
// of window handles.
struct FailingPrompter : testing::ScriptedPrompter {
  forms::Answer Show(const forms::MessageRequest&) override { throw std::runtime_error("out of memory"); }
};

// All values of the program's key and its favourites, as stored.
std::vector<std::pair<std::string, std::string>> AllStored(const std::string& path) {
  auto values = win::RegistryKey::OpenOrCreate(path).StringValues().value();
  const auto favorites = win::RegistryKey::OpenOrCreate(path + "\\Favorites").StringValues().value();
  for (const auto& [name, text] : favorites) values.emplace_back("Favorites\\" + name, text);
  return values;
}

// The real window and registry, with a start that throws once the stored
// state is shown (at the question whether to create the directory): the
// window's end writes nothing.
TEST_F(MainFormShellTest, AStartThatFailsHalfWayLeavesTheRegistryAsItWas) {
  Store("ZSnesDir", dir.File("missing"));
  Store("ZSnesCmdLine", "-d");
  Store("SaveWithoutPrompting", "1");
  Stored().OpenOrCreateSubkey("Favorites").WriteString("Count", "1");
  Stored().OpenOrCreateSubkey("Favorites").WriteString("0", "C:\\ROMS\\A.SMC");
  const auto before = AllStored(key.path());
  {
    AppState failing;
    FailingPrompter questions;
    Win32Program started(failing, questions, key.path());
    EXPECT_THROW(started.Main().FormCreate(), std::runtime_error);
  }
  win::PumpMessages();
  EXPECT_EQ(AllStored(key.path()), before);
}

}  // namespace
}  // namespace pavane
