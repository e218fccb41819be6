// The main window's life and shell commands under Wine: the first start, the
// registry state across restarts, preferences, templates, per-ROM settings
// and the ROM choice.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "app/main_form_win.h"
#include "settings/template_file.h"
#include "tests/core/temp_dir.h"
#include "tests/win/form_test_support.h"
#include "tests/win/scripted_prompter.h"
#include "tests/win/test_key.h"
#include "tests/win/window_script.h"
#include "win32/registry.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

class MainFormShellTest : public ::testing::Test {
 protected:
  ~MainFormShellTest() override { EXPECT_TRUE(prompter.ScriptUsedUp()) << "questions left unasked"; }

  // A program start: the main window created, its FormCreate run.
  bool Start() {
    state.emplace();
    form.emplace(*state, prompter, key.path());
    return form->FormCreate();
  }
  // The program's end: the window closed, its state stored.
  void Stop() {
    form->ExitClick();
    win::PumpMessages();
    form.reset();
  }
  win::FormWindow& Window() { return form->Window(); }
  win::RegistryKey Stored() const { return win::RegistryKey::OpenOrCreate(key.path()); }
  void Store(std::string_view name, std::string_view value) { Stored().WriteString(name, value); }
  std::string ZsnesDir() const { return dir.Path().string(); }
  void StoreZsnesDir() {
    dir.Write("ZSNES.CFG", "; mine\r\nFrameSkip = 2\r\n");
    Store("ZSnesDir", ZsnesDir());
  }
  const testing::ScriptedPrompter::Request& LastRequest() const { return prompter.Requests().back(); }

  TempDir dir;
  const test::TestKey key;
  testing::ScriptedPrompter prompter;
  std::optional<AppState> state;
  std::optional<TMainForm> form;
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
    form->PreferencesMenuClick();
  }
  Stop();
  EXPECT_EQ(Stored().ReadString("LoadROMSettings"), "1");
  EXPECT_EQ(Stored().ReadString("PromptBeforeLoading"), "1");
  EXPECT_EQ(Stored().ReadString("SaveWithoutPrompting"), "1");

  ASSERT_TRUE(Start());
  EXPECT_EQ(state->preferences, (Preferences{true, true, true, true, false}));
  Stop();
}

// Below a volatile key the system refuses to create a lasting one, so the
// state cannot be written at the end.
TEST_F(MainFormShellTest, StateThatCannotBeStoredIsReported) {
  HKEY volatileKey = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.path().c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS,
                            nullptr, &volatileKey, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(volatileKey);
  const std::string unwritable = key.path() + "\\Pavane";
  state.emplace();
  form.emplace(*state, prompter, unwritable);
  {
    testing::WindowScript answer("ZSNES Location", [this](HWND dialog) {
      SetWindowTextA(testing::FindControl(dialog, "Edit"), ZsnesDir().c_str());
      testing::ClickButton(dialog, "OK");
    });
    prompter.Answer(Answer::Yes);  // create ZSNES.CFG
    ASSERT_TRUE(form->FormCreate());
  }
  prompter.Answer(Answer::Ok);
  Stop();
  EXPECT_EQ(LastRequest().message.text,
            "The registry key HKEY_CURRENT_USER\\" + unwritable +
                " could not be written.\nThe ZSNES directory, the command line, the preferences and the favourites "
                "of this session are not stored.");
  EXPECT_EQ(LastRequest().message.icon, forms::Icon::Error);
  EXPECT_FALSE(win::RegistryKeyExists(unwritable));
}

TEST_F(MainFormShellTest, DeclinedStartUpReadLeavesTheCommandLineEditEmpty) {
  Store("ZSnesDir", dir.File("missing"));
  Store("ZSnesCmdLine", "-d");
  prompter.Answer(Answer::No);
  ASSERT_TRUE(Start());
  EXPECT_EQ(state->settings.ZSnesCmdLine, "-d");
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), "");
  EXPECT_TRUE(state->configLines.empty());
  Stop();
  EXPECT_EQ(Stored().ReadString("ZSnesCmdLine"), "");
}

TEST_F(MainFormShellTest, TemplatesSaveAndLoadInBothForms) {
  StoreZsnesDir();
  ASSERT_TRUE(Start());
  Window().SetText("ZSNESCmdLineEdit", " -c  -t ");

  prompter.SaveAnswer(dir.File("setup.PVT"));
  testing::PressKey(Window(), VK_F2);
  const forms::FileDialogRequest& save = LastRequest().file;
  EXPECT_EQ(save.title, "Save Template");
  EXPECT_EQ(save.defaultExtension, "PVT");
  EXPECT_EQ(save.filter, "Pavane templates (*.pvt)|*.pvt|Configuration files (*.cfg)|*.cfg|All files (*.*)|*.*");
  EXPECT_TRUE(save.promptOverwrite);
  EXPECT_EQ(TempDir::Read(dir.File("setup.PVT")), EncodeTemplate(state->settings));
  EXPECT_EQ(state->settings.ZSnesCmdLine, " -c  -t ");

  prompter.SaveAnswer(dir.File("setup.cfg"));
  form->SaveSettingsMenuClick();
  EXPECT_TRUE(TempDir::Read(dir.File("setup.cfg")).starts_with("; mine\r\nFrameSkip = 2\r\nAutoFrameSkip = 1\r\n"));

  Window().SetText("ZSNESCmdLineEdit", "");
  Window().SetPosition("FrameSkipSpin", 0);
  prompter.OpenAnswer(dir.File("setup.PVT"));
  testing::PressKey(Window(), VK_F4);
  const forms::FileDialogRequest& load = LastRequest().file;
  EXPECT_EQ(load.title, "Load Template");
  EXPECT_EQ(load.defaultExtension, "PVT");
  EXPECT_TRUE(load.filter.starts_with("All settings files (*.pvt;*.cfg)|*.pvt;*.cfg|Pavane templates (*.pvt)|"));
  EXPECT_TRUE(load.mustExist);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "2");
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), " -c  -t ");
  EXPECT_TRUE(Window().Checked("SwitchCheck1"));

  dir.Write("other.CFG", "FrameSkip = 7\r\n");
  prompter.OpenAnswer(dir.File("other.CFG"));
  form->LoadSettingsMenuClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");
  EXPECT_EQ(state->settings.ZSnesCmdLine, " -c  -t ");  // the text form carries no command line
  EXPECT_EQ(state->configLines, ConfigLines{"FrameSkip = 7"});

  prompter.OpenAnswer(std::nullopt);
  form->LoadSettingsMenuClick();
  EXPECT_EQ(state->configLines, ConfigLines{"FrameSkip = 7"});
  Stop();
}

TEST_F(MainFormShellTest, NewerTemplatesAskFirstAndAreShownEitherWay) {
  StoreZsnesDir();
  ASSERT_TRUE(Start());
  std::string bytes = EncodeTemplate(Settings{.FrameSkip = 9});
  bytes[0] = static_cast<char>(151);
  const std::string newer = dir.Write("newer.pvt", bytes);

  Window().SetPosition("FrameSkipSpin", 4);  // not gathered: a declined load shows the record again
  prompter.OpenAnswer(newer).Answer(Answer::No);
  form->LoadSettingsMenuClick();
  const forms::MessageRequest& asked = LastRequest().message;
  EXPECT_EQ(asked.text, "File Version: 0.151\n\nThis file was created using a higher version of Pavane. Load anyway?");
  EXPECT_TRUE(asked.defaultNo);
  EXPECT_EQ(asked.icon, forms::Icon::Question);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "2");

  prompter.OpenAnswer(newer).Answer(Answer::Yes);
  form->LoadSettingsMenuClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "9");

  prompter.OpenAnswer(dir.Write("cut.pvt", bytes.substr(0, 40)));
  form->LoadSettingsMenuClick();  // damaged: nothing changes, nothing is said
  EXPECT_EQ(state->settings.FrameSkip, 9);
  Stop();
}

TEST_F(MainFormShellTest, RomChoiceSetsTheCaptionAndOffersItsSettings) {
  StoreZsnesDir();
  ASSERT_TRUE(Start());
  const std::string rom = dir.Write("GAME.SMC", std::string(65536, '\0'));
  const std::string romSettings = dir.File("GAME.pvt");

  prompter.OpenAnswer(rom);
  testing::PressKey(Window(), 'O', testing::kCtrl);
  EXPECT_EQ(state->CurrentRom, rom);
  EXPECT_EQ(Window().Caption(), rom + " - Pavane");

  Window().SetPosition("FrameSkipSpin", 4);
  form->SaveROMSettingsMenuClick();
  ASSERT_TRUE(FileExists(romSettings));
  EXPECT_EQ(DecodeTemplate(TempDir::Read(romSettings))->settings.FrameSkip, 4);

  Window().SetPosition("FrameSkipSpin", 1);
  prompter.OpenAnswer(rom).Answer(Answer::No);
  form->OpenClick();
  EXPECT_EQ(LastRequest().message.text, "A '" + romSettings + "' file has been detected.\n\nDo you want to load it?");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "1");

  prompter.OpenAnswer(rom).Answer(Answer::Yes);
  form->OpenClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");

  state->preferences.PromptBeforeLoading = false;
  Window().SetPosition("FrameSkipSpin", 1);
  prompter.OpenAnswer(rom);
  form->OpenClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");

  state->preferences.LoadROMSettings = false;
  Window().SetPosition("FrameSkipSpin", 1);
  prompter.OpenAnswer(rom);
  form->OpenClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "1");
  Stop();
}

TEST_F(MainFormShellTest, OpenRomDialogIsSetAfreshAfterLoadTemplate) {
  StoreZsnesDir();
  ASSERT_TRUE(Start());
  prompter.OpenAnswer(std::nullopt).OpenAnswer(std::nullopt);
  form->LoadSettingsMenuClick();
  form->OpenClick();
  const forms::FileDialogRequest& open = LastRequest().file;
  EXPECT_EQ(open.title, "Open ROM");
  EXPECT_EQ(open.filter, "ROM formats|*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP|All files|*.*");
  EXPECT_EQ(open.defaultExtension, "");
  EXPECT_EQ(open.initialDirectory, "E:\\ZSNES");
  EXPECT_TRUE(open.mustExist);
  EXPECT_EQ(state->CurrentRom, "");  // cancelled: nothing chosen
  EXPECT_EQ(Window().Caption(), "Pavane");
  Stop();
}

}  // namespace
}  // namespace pavane
