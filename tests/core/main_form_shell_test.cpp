// The main window's life and shell commands on forms without windows: start
// and end with the state in a registry in memory, the first start's location
// dialog, Preferences and About, and Run with its save question, the launch
// and the run dialog.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "settings/file_io.h"
#include "tests/support/memory_program.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::MemoryForm;
using testing::TempDir;

class MainFormShellTest : public ::testing::Test {
 protected:
  MainFormShellTest() { dir.Write("ZSNES.CFG", "FrameSkip = 2\r\n"); }

  testing::MemoryProgram& Program() { return *program; }
  MemoryForm& Window() { return program->Window(); }
  TMainForm& Form() { return program->main; }
  AppState& State() { return program->state; }
  testing::ScriptedPrompter& Prompter() { return program->prompter; }
  testing::MemoryStore& Registry() { return registry; }
  std::string Directory() const { return dir.Path().string(); }
  void StoreDirectory() { Registry().Write({}, "ZSnesDir", Directory()); }

  TempDir dir;
  testing::MemoryStore registry;
  std::optional<testing::MemoryProgram> program{std::in_place, registry};
};

TEST_F(MainFormShellTest, AStoredDirectoryStartsWithoutAQuestion) {
  StoreDirectory();
  Registry().Write({}, "ZSnesCmdLine", "-d");
  Registry().Write({}, "SaveWithoutPrompting", "1");
  ASSERT_TRUE(Form().FormCreate());
  EXPECT_EQ(Window().Caption(), "Pavane");
  EXPECT_EQ(Window().Text("ZSnesDirEdit"), Directory());
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "2");
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), "-d");
  EXPECT_TRUE(Window().Checked("SwitchCheck3"));
  EXPECT_TRUE(State().preferences.SaveWithoutPrompting);
  EXPECT_EQ(Window().FocusedControl(), "ZSnesDirEdit");
}

TEST_F(MainFormShellTest, FirstStartAsksForTheDirectoryAndStoresItAtTheEnd) {
  const std::string chosen = Directory();
  Program().host.OnModal("ZSnesDirDialog", [&chosen](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Caption(), "ZSNES Location");
    EXPECT_EQ(dialog.FocusedControl(), "ZSnesDirEdit");
    dialog.Type("ZSnesDirEdit", chosen);
    dialog.Click("OKButton");
  });
  ASSERT_TRUE(Form().FormCreate());
  EXPECT_EQ(Window().Text("ZSnesDirEdit"), chosen);
  EXPECT_EQ(State().configLines, ConfigLines{"FrameSkip = 2"});
  Window().Type("ZSNESCmdLineEdit", "-t");
  Window().Choose("ExitMenu");
  EXPECT_TRUE(Window().Closed());
  EXPECT_EQ(Registry().Read({}, "ZSnesDir"), chosen);
  EXPECT_EQ(Registry().Read({}, "ZSnesCmdLine"), "-t");  // the edit, not the record
  EXPECT_EQ(Registry().Read({}, "CfgOverwritePrompt"), "1");
  EXPECT_EQ(Registry().Read("Favorites", "Count"), "0");
}

TEST_F(MainFormShellTest, FirstStartCancelledEndsWithTheDefaultsStored) {
  Program().host.OnModal("ZSnesDirDialog", [](MemoryForm& dialog) { dialog.PressKey(0x1B); });
  EXPECT_FALSE(Form().FormCreate());
  Form().ExitClick();
  EXPECT_EQ(Registry().Read({}, "ZSnesDir"), "");
  EXPECT_EQ(Registry().Read({}, "LoadROMSettings"), "1");
  EXPECT_EQ(Registry().Read({}, "SaveWithoutPrompting"), "0");
}

TEST_F(MainFormShellTest, StateThatCannotBeStoredIsReportedOnce) {
  StoreDirectory();
  ASSERT_TRUE(Form().FormCreate());
  Registry().refused = {"", "Favorites"};
  Prompter().Answer(Answer::Ok);
  Form().ExitClick();
  ASSERT_EQ(Prompter().MessageTexts().size(), 1u);
  EXPECT_EQ(Prompter().MessageTexts()[0],
            "The registry key HKEY_CURRENT_USER\\Software\\Pavane could not be written.\nThe ZSNES directory, the "
            "command line, the preferences and the favourites of this session are not stored.");
  EXPECT_EQ(Prompter().Requests()[0].message.icon, forms::Icon::Error);
}

// Whatever fails during the start (here the location dialog throws), the
// window's end leaves the stored state as it was: it was never shown.
TEST_F(MainFormShellTest, AStartThatFailsWritesNothing) {
  Registry().Write({}, "ZSnesCmdLine", "-d");
  Registry().Write({}, "SaveWithoutPrompting", "1");
  Registry().Write("Favorites", "Count", "1");
  Registry().Write("Favorites", "0", "C:\\ROMS\\A.SMC");
  const StoredValues values = Registry().Section({});
  const StoredValues favorites = Registry().Section("Favorites");
  Program().host.OnModal("ZSnesDirDialog", [](MemoryForm&) { throw std::runtime_error("no more windows"); });
  EXPECT_THROW(Form().FormCreate(), std::runtime_error);
  program.reset();
  EXPECT_EQ(Registry().Section({}), values);
  EXPECT_EQ(Registry().Section("Favorites"), favorites);
}

// Nor does a run whose registry could not be read whole write what it never
// knew; it says so when it has changes it cannot keep.
TEST_F(MainFormShellTest, StateNotReadWholeIsNeverWrittenBack) {
  StoreDirectory();
  Registry().Write("Favorites", "Count", "1");
  Registry().Write("Favorites", "0", "C:\\ROMS\\A.SMC");
  Registry().unreadable = {"Favorites"};
  ASSERT_TRUE(Form().FormCreate());
  Window().Type("ZSNESCmdLineEdit", "-t");
  Prompter().Answer(Answer::Ok);
  Form().ExitClick();
  EXPECT_EQ(Registry().Read({}, "ZSnesCmdLine"), std::nullopt);
  EXPECT_EQ(Registry().Read("Favorites", "0"), "C:\\ROMS\\A.SMC");
  EXPECT_EQ(Prompter().MessageTexts(),
            std::vector<std::string>{"The registry key HKEY_CURRENT_USER\\Software\\Pavane could not be read when "
                                     "Pavane started.\nSo that nothing stored there is overwritten, the ZSNES "
                                     "directory, the command line, the preferences and the favourites of this "
                                     "session are not stored."});
}

// Two copies at once, as "Open with" starts a second one: each writes only
// what it changed, so both changes survive, and a value both changed is the
// last one's.
TEST_F(MainFormShellTest, TwoCopiesAtOnceKeepEachOthersChanges) {
  StoreDirectory();
  Registry().Write({}, "ZSnesCmdLine", "-d");
  const std::string rom = Directory() + "\\GAME.SMC";
  dir.Write("GAME.SMC", std::string(1024, 'x'));
  ASSERT_TRUE(Form().FormCreate());
  State().CurrentRom = rom;
  Window().Choose("AddMenu");
  Window().Type("ZSNESCmdLineEdit", "-d -t");

  testing::MemoryProgram second(Registry());
  ASSERT_TRUE(second.main.FormCreate());
  second.host.OnModal("PreferencesDialog", [](MemoryForm& dialog) {
    dialog.Click("SaveWithoutPromptingCheck");
    dialog.Click("OKBtn");
  });
  second.Window().Choose("PreferencesMenu");
  second.Window().Type("ZSNESCmdLineEdit", "-s");

  Form().ExitClick();
  second.main.ExitClick();
  EXPECT_EQ(Registry().Read("Favorites", "Count"), "1");
  EXPECT_EQ(Registry().Read("Favorites", "0"), rom);
  EXPECT_EQ(Registry().Read({}, "SaveWithoutPrompting"), "1");
  EXPECT_EQ(Registry().Read({}, "ZSnesCmdLine"), "-s");
  EXPECT_EQ(Registry().Read({}, "ZSnesDir"), Directory());
}

// Declining to create a stored directory that is gone still shows the
// stored command line, so the end does not store it empty.
TEST_F(MainFormShellTest, ADeclinedDirectoryKeepsTheStoredCommandLine) {
  Registry().Write({}, "ZSnesDir", Directory() + "\\gone");
  Registry().Write({}, "ZSnesCmdLine", "-d -s");
  Prompter().Answer(Answer::No);
  ASSERT_TRUE(Form().FormCreate());
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), "-d -s");
  EXPECT_TRUE(Window().Checked("SwitchCheck3"));
  Window().Type("ZSNESCmdLineEdit", "-d -s -t");
  Form().ExitClick();
  EXPECT_EQ(Registry().Read({}, "ZSnesCmdLine"), "-d -s -t");
}

TEST_F(MainFormShellTest, PreferencesChangeOnlyOnOk) {
  StoreDirectory();
  ASSERT_TRUE(Form().FormCreate());
  Program().host.OnModal("PreferencesDialog", [](MemoryForm& dialog) {
    EXPECT_TRUE(dialog.Checked("LoadROMSettingsCheck"));
    EXPECT_FALSE(dialog.Checked("SaveWithoutPromptingCheck"));
    dialog.Click("SaveWithoutPromptingCheck");
    dialog.Click("LoadROMSettingsCheck");
    dialog.Click("CancelBtn");
  });
  Window().Choose("PreferencesMenu");
  EXPECT_EQ(State().preferences, Preferences{});

  Program().host.OnModal("PreferencesDialog", [](MemoryForm& dialog) {
    dialog.Click("SaveWithoutPromptingCheck");
    dialog.PressKey(0x0D);
  });
  Window().Choose("PreferencesMenu");
  EXPECT_TRUE(State().preferences.SaveWithoutPrompting);
  Form().ExitClick();
  EXPECT_EQ(Registry().Read({}, "SaveWithoutPrompting"), "1");
}

TEST_F(MainFormShellTest, AboutShowsItselfAndCloses) {
  Program().host.OnModal("AboutBox", [](MemoryForm& about) {
    EXPECT_EQ(about.Caption(), "About");
    about.PressKey(0x1B);
  });
  Window().Choose("AboutMenu");
  EXPECT_EQ(Program().host.ShownModally(), std::vector<std::string>{"AboutBox"});
}

class RunClickTest : public MainFormShellTest {
 protected:
  RunClickTest() {
    StoreDirectory();
    EXPECT_TRUE(Form().FormCreate());
    State().settings.ZSnesCmdLine = "-c";     // as last gathered
    Window().Type("ZSNESCmdLineEdit", "-d");  // typed since
    State().preferences.CfgOverwritePrompt = false;
  }
  // The run dialog ends at its first tick, as with an emulator that has gone.
  void EmulatorEndsAtOnce() {
    Program().host.OnModal("RunDialog", [this](MemoryForm& dialog) {
      Program().launcher.last->ended = true;
      dialog.Tick(1);
    });
  }
  std::vector<std::string> Launched() const {
    std::vector<std::string> lines;
    for (const auto& launch : program->launcher.launches) lines.push_back(launch.commandLine);
    return lines;
  }
  std::string Emulator() const { return Directory() + "\\ZSNES.EXE"; }
  std::string ConfigBytes() const { return TempDir::Read(dir.File("ZSNES.CFG")); }
};

TEST_F(RunClickTest, TheSaveQuestionDecidesWhatIsSavedAndLaunched) {
  Prompter().Answer(Answer::Cancel);
  Window().Choose("RunMenu");
  const forms::MessageRequest& asked = Prompter().Requests().at(0).message;
  EXPECT_EQ(asked.text, "Save Settings?");
  EXPECT_EQ(asked.buttons, forms::Buttons::YesNoCancel);
  EXPECT_EQ(asked.icon, forms::Icon::Question);
  EXPECT_TRUE(Launched().empty());

  Prompter().Answer(Answer::No);
  EmulatorEndsAtOnce();
  Window().Click("RunButton");
  EXPECT_EQ(Launched().back(), Emulator() + " -c");
  EXPECT_EQ(ConfigBytes(), "FrameSkip = 2\r\n");

  Prompter().Answer(Answer::Yes);
  EmulatorEndsAtOnce();
  Form().RunClick();
  EXPECT_EQ(Launched().back(), Emulator() + " -d");
  EXPECT_NE(ConfigBytes(), "FrameSkip = 2\r\n");
  EXPECT_EQ(Program().launcher.launches.back().directory, "E:\\ZSNES");
}

TEST_F(RunClickTest, ASaveThatFailsLaunchesNothingButADeclinedOverwriteLaunches) {
  std::filesystem::remove(dir.File("ZSNES.CFG"));
  std::filesystem::create_directory(dir.File("ZSNES.CFG"));
  Prompter().Answer(Answer::Yes).Answer(Answer::Ok);
  Form().RunClick();
  EXPECT_EQ(Prompter().MessageTexts().back(), "Kann Datei " + Directory() + "\\ZSNES.CFG nicht erstellen");
  EXPECT_TRUE(Launched().empty());

  std::filesystem::remove(dir.File("ZSNES.CFG"));
  dir.Write("ZSNES.CFG", "");
  State().preferences.CfgOverwritePrompt = true;
  Window().Type("ZSNESCmdLineEdit", "-t");
  Prompter().Answer(Answer::Yes).Answer(Answer::No);
  EmulatorEndsAtOnce();
  Form().RunClick();
  EXPECT_EQ(Launched(), std::vector<std::string>{Emulator() + " -d"});  // gathered by the failed save
}

TEST_F(RunClickTest, LaunchPreferencesDecideTheQuestion) {
  State().preferences.SaveWithoutPrompting = true;
  EmulatorEndsAtOnce();
  Form().RunClick();  // saves without asking
  EXPECT_EQ(Launched().back(), Emulator() + " -d");
  EXPECT_NE(ConfigBytes(), "FrameSkip = 2\r\n");

  State().preferences.SaveSettingsBeforeLaunch = false;
  Window().Type("ZSNESCmdLineEdit", "-t");
  EmulatorEndsAtOnce();
  Form().RunClick();  // neither asks nor saves
  EXPECT_EQ(Launched().back(), Emulator() + " -d");
}

TEST_F(RunClickTest, TheRunDialogWatchesUntilTheEmulatorEndsOrIsTerminated) {
  dir.Write("GAME.SMC", "tiny");
  State().CurrentRom = Directory() + "\\GAME.SMC";
  State().preferences.SaveSettingsBeforeLaunch = false;
  Program().host.OnModal("RunDialog", [this](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Text("RomFileLabel"), State().CurrentRom);
    EXPECT_EQ(dialog.Text("RomTitleLabel"), "");  // too short to hold a title: its bytes read as zero
    EXPECT_EQ(dialog.Text("StatusLabel"), "");
    EXPECT_FALSE(dialog.Enabled("TerminateBtn"));
    dialog.Tick(1);
    EXPECT_EQ(dialog.Text("StatusLabel"), "ZSNES is running");
    EXPECT_TRUE(dialog.Enabled("TerminateBtn"));
    Program().launcher.last->ended = true;
    dialog.Tick(1);
    EXPECT_FALSE(dialog.TimerRunning(1));
    EXPECT_FALSE(dialog.Enabled("TerminateBtn"));
  });
  Form().RunClick();
  EXPECT_EQ(Launched().back(), Emulator() + " -c SHORT:" + State().CurrentRom);

  Program().host.OnModal("RunDialog", [](MemoryForm& dialog) {
    dialog.Tick(1);
    dialog.Click("TerminateBtn");
  });
  Form().RunClick();
  EXPECT_EQ(Program().launcher.terminations, 1);

  Program().host.OnModal("RunDialog", [](MemoryForm& dialog) { dialog.PressKey(0x1B); });
  Form().RunClick();
  EXPECT_EQ(Program().launcher.terminations, 1) << "closing the dialog leaves the emulator running";
}

TEST_F(RunClickTest, ARefusedStartIsReportedAndShowsNoDialog) {
  State().preferences.SaveSettingsBeforeLaunch = false;
  Program().launcher.refusal = 2;
  Prompter().Answer(Answer::Ok);
  Form().RunClick();
  const forms::MessageRequest& told = Prompter().Requests().back().message;
  EXPECT_EQ(told.text, "ZSNES Launch failed!\n\nError code: 2");
  EXPECT_EQ(told.icon, forms::Icon::Error);
  EXPECT_EQ(told.caption, "Pavane");
  EXPECT_TRUE(Program().host.ShownModally().empty());
}

}  // namespace
}  // namespace pavane
