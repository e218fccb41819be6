// "Run..." from the main window: the save question, then the stand-in started
// and watched until it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/program_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/launch/launch_test_support.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"

namespace pavane {
namespace {

using forms::Answer;

class RunClickTest : public testing::ProgramFixture {
 protected:
  RunClickTest() : record("PAVANE_STANDIN_RECORD", emulator.RecordPath()), exitAtOnce("PAVANE_STANDIN_EXIT_CODE", "0") {
    Main().Window().SetText("ZSnesDirEdit", emulator.Directory());
    State().settings.GameDirectory = emulator.Temp().Path().string();
    Main().Window().SetText("GameDirEdit", State().settings.GameDirectory);
    State().settings.ZSnesCmdLine = "-c";               // as last gathered
    Main().Window().SetText("ZSNESCmdLineEdit", "-d");  // typed since
    State().preferences.CfgOverwritePrompt = false;
  }

  std::string Launched() { return emulator.Record()["CommandLine"]; }
  bool Saved() const { return FileExists(emulator.Directory() + "ZSNES.CFG"); }

  testing::StandInFolder emulator;
  testing::ScopedEnvironment record;
  testing::ScopedEnvironment exitAtOnce;
};

TEST_F(RunClickTest, CancelAtTheSaveQuestionLaunchesNothing) {
  prompter.Answer(Answer::Cancel);
  Main().RunClick();
  const forms::MessageRequest& asked = prompter.Requests().at(0).message;
  EXPECT_EQ(asked.text, "Save Settings?");
  EXPECT_EQ(asked.buttons, forms::Buttons::YesNoCancel);
  EXPECT_EQ(asked.icon, forms::Icon::Question);
  EXPECT_FALSE(Saved());
  EXPECT_FALSE(FileExists(emulator.RecordPath()));
}

TEST_F(RunClickTest, NoLaunchesWithTheLastGatheredSwitches) {
  prompter.Answer(Answer::No);
  Main().RunClick();
  EXPECT_EQ(Launched(), emulator.Directory() + "ZSNES.EXE -c");
  EXPECT_FALSE(Saved());
}

TEST_F(RunClickTest, YesSavesAndLaunchesWithWhatIsOnTheScreen) {
  prompter.Answer(Answer::Yes);
  Main().RunClick();
  EXPECT_TRUE(Saved());
  EXPECT_EQ(Launched(), emulator.Directory() + "ZSNES.EXE -d");
  EXPECT_EQ(emulator.Record()["WorkingDirectory"] + "\\", emulator.Temp().Path().string() + "\\");
}

TEST_F(RunClickTest, ASaveThatFailsLaunchesNothingButADeclinedOverwriteLaunches) {
  const std::string config = emulator.Directory() + "ZSNES.CFG";
  emulator.Temp().Write("emulator\\ZSNES.CFG", "FrameSkip = 1\r\n");
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_READONLY));
  prompter.Answer(Answer::Yes).Answer(Answer::Ok);
  Main().RunClick();
  EXPECT_EQ(prompter.MessageTexts().back(), "Kann Datei " + config + " nicht erstellen");
  EXPECT_FALSE(FileExists(emulator.RecordPath()));

  State().preferences.CfgOverwritePrompt = true;
  Main().Window().SetText("ZSNESCmdLineEdit", "-t");
  prompter.Answer(Answer::Yes).Answer(Answer::No);  // save, but do not overwrite
  Main().RunClick();
  // The failed save had gathered the controls; the declined one gathered nothing.
  EXPECT_EQ(Launched(), emulator.Directory() + "ZSNES.EXE -d");
  ASSERT_TRUE(SetFileAttributesA(config.c_str(), FILE_ATTRIBUTE_NORMAL));
}

TEST_F(RunClickTest, LaunchPreferencesDecideTheQuestion) {
  State().preferences.SaveWithoutPrompting = true;
  Main().RunClick();  // saves without asking
  EXPECT_TRUE(Saved());
  EXPECT_EQ(Launched(), emulator.Directory() + "ZSNES.EXE -d");

  ASSERT_TRUE(DeleteFileA((emulator.Directory() + "ZSNES.CFG").c_str()));
  ASSERT_TRUE(DeleteFileA(emulator.RecordPath().c_str()));
  State().preferences.SaveSettingsBeforeLaunch = false;
  Main().Window().SetText("ZSNESCmdLineEdit", "-t");
  Main().RunClick();  // neither asks nor saves
  EXPECT_FALSE(Saved());
  EXPECT_EQ(Launched(), emulator.Directory() + "ZSNES.EXE -d");
}

TEST_F(RunClickTest, MissingEmulatorIsReportedWithTheSystemsCode) {
  ASSERT_TRUE(DeleteFileA((emulator.Directory() + "ZSNES.EXE").c_str()));
  prompter.Answer(Answer::No).Answer(Answer::Ok);
  Main().RunClick();
  const forms::MessageRequest& told = prompter.Requests().at(1).message;
  EXPECT_EQ(told.text, "ZSNES Launch failed!\n\nError code: 2");
  EXPECT_EQ(told.icon, forms::Icon::Error);
  EXPECT_EQ(told.caption, "Pavane");
}

}  // namespace
}  // namespace pavane
