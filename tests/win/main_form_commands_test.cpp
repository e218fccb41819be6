// The main window's settings commands driven through its real controls:
// showing and gathering, Read ZSNES.CFG and Save with their questions, and the
// switch line.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_form_win.h"
#include "settings/config_lines.h"
#include "tests/core/temp_dir.h"
#include "tests/win/form_test_support.h"
#include "tests/win/scripted_prompter.h"
#include "tests/win/test_key.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

class MainFormCommandsTest : public ::testing::Test {
 protected:
  MainFormCommandsTest() : form(state, prompter, key.path()) {
    form.Window().Show();
    form.Window().SetText("ZSnesDirEdit", dir.Path().string());
    win::PumpMessages();
  }
  ~MainFormCommandsTest() override { EXPECT_TRUE(prompter.ScriptUsedUp()) << "questions left unasked"; }

  win::FormWindow& Window() { return form.Window(); }
  void Click(std::string_view name) {
    SendMessageA(Window().Control(name), BM_CLICK, 0, 0);
    win::PumpMessages();
  }
  std::string ConfigPath() const { return dir.File("ZSNES.CFG"); }
  std::string Line() { return Window().Text("ZSNESCmdLineEdit"); }
  bool Ticked(int number) { return Window().Checked("SwitchCheck" + std::to_string(number)); }
  // Shows a record read from these ZSNES.CFG lines, with this command line.
  void ShowRecord(const ConfigLines& lines, std::string commandLine = {}) {
    ReadSettingsFromConfig(lines, state.settings);
    state.settings.ZSnesCmdLine = std::move(commandLine);
    form.ShowSettings();
  }

  TempDir dir;
  const test::TestKey key;
  AppState state;
  testing::ScriptedPrompter prompter;
  TMainForm form;
};

TEST_F(MainFormCommandsTest, DefaultsShowAsTheirControls) {
  ShowRecord({});
  EXPECT_TRUE(Window().Checked("AutoFrameSkipCheck"));
  EXPECT_EQ(Window().ItemIndex("Player1DeviceCombo"), 1);
  EXPECT_EQ(Window().ItemIndex("Player2DeviceCombo"), 0);
  EXPECT_EQ(Window().ItemIndex("VideoModeGrp"), 1);
  EXPECT_EQ(Window().ItemIndex("SoundRateGrp"), 2);
  EXPECT_EQ(Window().ItemIndex("CopyMethodCombo"), 0);
  EXPECT_EQ(Window().Text("Percent2ExecEdit"), "100");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "0");
  EXPECT_EQ(Window().Text("GameDirEdit"), "E:\\ZSNES");
  EXPECT_FALSE(Window().Checked("SoundCheck"));

  const Settings shown = state.settings;
  form.GatherSettings();
  EXPECT_EQ(state.settings, shown);
}

TEST_F(MainFormCommandsTest, OutOfRangeValuesShowAndGatherByTheRules) {
  ShowRecord({"Player1Device = 9", "VideoMode = 200", "Sound = 1", "SoundRate = 9", "Stereo = 2",
              "CopyMethod = 3", "FrameSkip = 20", "Execute = 200", "SaveDirectory = \tx "});
  EXPECT_EQ(Window().ItemIndex("Player1DeviceCombo"), -1);
  EXPECT_EQ(Window().ItemIndex("VideoModeGrp"), 7);
  EXPECT_EQ(Window().ItemIndex("SoundRateGrp"), 3);
  EXPECT_EQ(Window().ItemIndex("CopyMethodCombo"), -1);
  EXPECT_FALSE(Window().Checked("StereoCheck"));
  EXPECT_TRUE(Window().Checked("SoundCheck"));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "9");      // spin boxes show what they can reach
  EXPECT_EQ(Window().Text("Percent2ExecEdit"), "150");

  Window().SetText("GameDirEdit", "  C:\\Games  ");
  form.GatherSettings();
  EXPECT_EQ(state.settings.Player1Device, 255);
  EXPECT_EQ(state.settings.VideoMode, 7);
  EXPECT_EQ(state.settings.CopyMethod, 255);
  EXPECT_EQ(state.settings.Stereo, 0);
  EXPECT_EQ(state.settings.FrameSkip, 9);
  EXPECT_EQ(state.settings.GameDirectory, "  C:\\Games  ");  // texts are taken untrimmed
  EXPECT_EQ(state.settings.SaveDirectory, "X");
}

TEST_F(MainFormCommandsTest, TypedSpinTextIsGatheredWithinTheRange) {
  ShowRecord({"FrameSkip = 3", "Execute = 120"});
  Window().SetText("Percent2ExecEdit", "abc");  // not a number: the spin box keeps its place
  Window().SetText("FrameSkipEdit", "200");     // beyond the range: its end
  form.GatherSettings();
  EXPECT_EQ(state.settings.Execute, 120);
  EXPECT_EQ(state.settings.FrameSkip, 9);
}

TEST_F(MainFormCommandsTest, ReadAsksToCreateAMissingDirectoryAndFile) {
  const std::string missing = dir.File("ZSNES") + "\\";
  Window().SetText("ZSnesDirEdit", dir.File("ZSNES"));
  prompter.Answer(Answer::No);
  Click("ReadConfigButton");
  EXPECT_FALSE(DirectoryExists(missing));
  ASSERT_EQ(prompter.Requests().size(), 1u);
  const forms::MessageRequest& asked = prompter.Requests()[0].message;
  EXPECT_EQ(asked.text, "The directory '" + missing + "' does not exist.\n\n Do you want to create it?");
  EXPECT_EQ(asked.caption, "Pavane");
  EXPECT_EQ(asked.buttons, forms::Buttons::YesNo);
  EXPECT_EQ(asked.icon, forms::Icon::Question);

  prompter.Answer(Answer::Yes).Answer(Answer::No);
  Click("ReadConfigButton");
  EXPECT_TRUE(DirectoryExists(missing));
  EXPECT_EQ(prompter.MessageTexts().back(),
            "The file '" + missing + "ZSNES.CFG' does not exist.\n\nDo you want to create it?");
  EXPECT_FALSE(FileExists(missing + "ZSNES.CFG"));
  EXPECT_TRUE(state.configLines.empty());

  prompter.Answer(Answer::Yes);
  Click("ReadConfigButton");
  EXPECT_EQ(TempDir::Read(missing + "ZSNES.CFG"), "");
  EXPECT_EQ(state.settings.Execute, 100);
  EXPECT_EQ(Window().Text("GameDirEdit"), "E:\\ZSNES");
}

TEST_F(MainFormCommandsTest, ReadReportsADirectoryThatCannotBeCreated) {
  const std::string deep = dir.File("a\\b\\c") + "\\";
  Window().SetText("ZSnesDirEdit", deep);
  prompter.Answer(Answer::Yes).Answer(Answer::Ok);
  Click("ReadConfigButton");
  ASSERT_EQ(prompter.Requests().size(), 2u);
  EXPECT_EQ(prompter.Requests()[1].message.text, "The directory '" + deep + "' could not be created.");
  EXPECT_EQ(prompter.Requests()[1].message.icon, forms::Icon::Error);
}

TEST_F(MainFormCommandsTest, ReadReplacesWhatIsShownAndALockedFileChangesNothing) {
  dir.Write("ZSNES.CFG", "; kept\r\nFrameSkip = 4\r\n");
  Click("ReadConfigButton");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");
  EXPECT_EQ(state.configLines, (ConfigLines{"; kept", "FrameSkip = 4"}));

  Window().SetText("FrameSkipEdit", "7");
  win::UniqueFile lock(CreateFileA(ConfigPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  prompter.Answer(Answer::Ok);
  Click("ReadConfigButton");
  EXPECT_EQ(prompter.MessageTexts().back(), "Kann Datei " + ConfigPath() + " nicht \xF6" "ffnen");
  EXPECT_EQ(prompter.Requests().back().message.icon, forms::Icon::Error);
  EXPECT_EQ(state.configLines, (ConfigLines{"; kept", "FrameSkip = 4"}));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");
}

TEST_F(MainFormCommandsTest, SaveAsksBeforeOverwritingUnlessTurnedOff) {
  dir.Write("ZSNES.CFG", "; mine\r\n");
  Click("ReadConfigButton");
  Window().SetChecked("StereoCheck", true);

  prompter.Answer(Answer::No);
  Click("ApplyButton");
  EXPECT_EQ(prompter.MessageTexts().back(),
            "The file '" + ConfigPath() + "' already exists.\n\n Do you want to overwrite it?");
  EXPECT_EQ(TempDir::Read(ConfigPath()), "; mine\r\n");
  EXPECT_EQ(state.settings.Stereo, 0);  // declining gathers nothing

  prompter.Answer(Answer::Yes);
  Click("ApplyButton");
  const ConfigLines saved = ConfigLinesFromBytes(TempDir::Read(ConfigPath()));
  ASSERT_EQ(saved.size(), 22u);
  EXPECT_EQ(saved[0], "; mine");
  EXPECT_EQ(saved[12], "Stereo = 1");

  state.preferences.CfgOverwritePrompt = false;
  Window().SetChecked("StereoCheck", false);
  Click("ApplyButton");
  EXPECT_EQ(ConfigLinesFromBytes(TempDir::Read(ConfigPath()))[12], "Stereo = 0");
}

TEST_F(MainFormCommandsTest, SaveIntoAMissingDirectoryReportsTheFile) {
  const std::string missing = dir.File("gone") + "\\ZSNES.CFG";
  Window().SetText("ZSnesDirEdit", dir.File("gone"));
  prompter.Answer(Answer::Ok);
  Click("ApplyButton");
  EXPECT_EQ(prompter.MessageTexts(), std::vector<std::string>{"Kann Datei " + missing + " nicht erstellen"});
  EXPECT_EQ(state.configLines.size(), 21u);  // the record and lines already hold the new values
}

TEST_F(MainFormCommandsTest, EnterSavesFromAnEditAndCtrlSFromAnyPage) {
  state.preferences.CfgOverwritePrompt = false;
  Window().Focus("SaveDirEdit");
  testing::PressKey(Window(), VK_RETURN);
  EXPECT_TRUE(FileExists(ConfigPath()));
  ASSERT_TRUE(DeleteFileA(ConfigPath().c_str()));

  Window().ShowPage("SwitchesTab");
  Window().Focus("ZSNESCmdLineEdit");
  testing::PressKey(Window(), 'S', testing::kCtrl);
  EXPECT_TRUE(FileExists(ConfigPath()));
}

TEST_F(MainFormCommandsTest, ShowingTheLineTicksExactlyTheSwitchesItHolds) {
  ShowRecord({}, "-d -Q");
  for (int number = 1; number <= 12; ++number) EXPECT_EQ(Ticked(number), number == 3 || number == 6) << number;
  EXPECT_EQ(Line(), "-d -Q");

  ShowRecord({}, "-cc");
  EXPECT_TRUE(Ticked(2));
  EXPECT_FALSE(Ticked(1));
  ShowRecord({}, "--d");
  EXPECT_TRUE(Ticked(3));
  EXPECT_EQ(Line(), "--d");
}

TEST_F(MainFormCommandsTest, ClickingSwitchBoxesEditsTheLine) {
  Window().ShowPage("SwitchesTab");
  Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-d");
  Click("SwitchCheck3");
  EXPECT_EQ(Line(), "");

  ShowRecord({}, "-c -d -h");
  Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-c  -h");

  ShowRecord({}, "-CC");
  Click("SwitchCheck2");
  EXPECT_EQ(Line(), "");

  ShowRecord({}, "-d -d");
  Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-d");
  form.ShowSettings();  // the record still holds "-d -d"
  EXPECT_TRUE(Ticked(3));

  Window().SetText("ZSNESCmdLineEdit", "-x");  // typed: the box does not follow until shown
  EXPECT_FALSE(Ticked(10));
  Click("SwitchCheck10");
  EXPECT_EQ(Line(), "-x");
}

TEST_F(MainFormCommandsTest, GammaArrowsMoveTheGammaSwitchToTheEnd) {
  Window().ShowPage("SwitchesTab");
  ShowRecord({}, "-g 3");
  testing::ClickUpDown(Window(), "GammaSpin", true);
  EXPECT_EQ(Line(), "-g 3 -g 1");

  Window().SetPosition("GammaSpin", 2);
  Window().SetText("ZSNESCmdLineEdit", "-c -g 2 -h");
  testing::ClickUpDown(Window(), "GammaSpin", true);
  EXPECT_EQ(Line(), "-c  -h -g 3");
  EXPECT_EQ(Window().Text("GammaEdit"), "3");
}

TEST_F(MainFormCommandsTest, GatheredLineIsWhatTheEditHolds) {
  ShowRecord({}, "-c");
  Window().SetText("ZSNESCmdLineEdit", " -c  -t ");
  EXPECT_EQ(state.settings.ZSnesCmdLine, "-c");
  form.GatherSettings();
  EXPECT_EQ(state.settings.ZSnesCmdLine, " -c  -t ");
}

}  // namespace
}  // namespace pavane
