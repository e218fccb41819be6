// The main window's settings commands on a form without windows: showing and
// gathering, "Read ZSNES.CFG" and "Save" with their questions, and the switch
// line with its boxes and the gamma spinner.
#include <gtest/gtest.h>

#include <string>

#include "settings/config_lines.h"
#include "settings/file_io.h"
#include "tests/support/memory_program.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

class MainFormSettingsTest : public ::testing::Test {
 protected:
  MainFormSettingsTest() {
    Window().Show();
    Window().SetText("ZSnesDirEdit", Directory());
  }

  testing::MemoryForm& Window() { return program.Window(); }
  TMainForm& Form() { return program.main; }
  AppState& State() { return program.state; }
  testing::ScriptedPrompter& Prompter() { return program.prompter; }
  std::string Directory() const { return dir.Path().string(); }
  std::string ConfigPath() const { return Directory() + "\\ZSNES.CFG"; }
  std::string ConfigBytes() const { return TempDir::Read(SystemPath(ConfigPath())); }
  std::string Line() { return Window().Text("ZSNESCmdLineEdit"); }
  bool Ticked(int number) { return Window().Checked("SwitchCheck" + std::to_string(number)); }
  // Shows a record read from these ZSNES.CFG lines, with this command line.
  void ShowRecord(const ConfigLines& lines, std::string commandLine = {}) {
    ReadSettingsFromConfig(lines, State().settings);
    State().settings.ZSnesCmdLine = std::move(commandLine);
    Form().ShowSettings();
  }

  TempDir dir;
  testing::MemoryProgram program;
};

TEST_F(MainFormSettingsTest, DefaultsShowAndGatherBackUnchanged) {
  ShowRecord({});
  EXPECT_TRUE(Window().Checked("AutoFrameSkipCheck"));
  EXPECT_EQ(Window().ItemIndex("Player1DeviceCombo"), 1);
  EXPECT_EQ(Window().ItemIndex("VideoModeGrp"), 1);
  EXPECT_EQ(Window().ItemIndex("SoundRateGrp"), 2);
  EXPECT_EQ(Window().Text("Percent2ExecEdit"), "100");
  EXPECT_EQ(Window().Text("GameDirEdit"), "E:\\ZSNES");
  const Settings shown = State().settings;
  Form().GatherSettings();
  EXPECT_EQ(State().settings, shown);
}

TEST_F(MainFormSettingsTest, OutOfRangeValuesShowAndGatherByTheRules) {
  ShowRecord({"Player1Device = 9", "VideoMode = 200", "SoundRate = 4", "CopyMethod = 3", "Stereo = 2", "FrameSkip = 20",
              "Execute = 300"});
  EXPECT_EQ(Window().ItemIndex("Player1DeviceCombo"), -1);
  EXPECT_EQ(Window().ItemIndex("VideoModeGrp"), 7);
  EXPECT_FALSE(Window().Checked("StereoCheck"));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "9");
  Window().Type("GameDirEdit", "  C:\\Games  ");
  Form().GatherSettings();
  const Settings& gathered = State().settings;
  EXPECT_EQ(gathered.Player1Device, 255);
  EXPECT_EQ(gathered.VideoMode, 7);
  EXPECT_EQ(gathered.SoundRate, 3);
  EXPECT_EQ(gathered.CopyMethod, 255);
  EXPECT_EQ(gathered.Stereo, 0);
  EXPECT_EQ(gathered.Execute, 44);                     // 300 reads as 44, which the spin box can show
  EXPECT_EQ(gathered.GameDirectory, "  C:\\Games  ");  // texts are taken untrimmed
}

TEST_F(MainFormSettingsTest, ReadAsksToCreateAMissingDirectoryAndFile) {
  const std::string missing = Directory() + "\\ZSNES\\";
  Window().Type("ZSnesDirEdit", Directory() + "\\ZSNES");
  Prompter().Answer(Answer::No);
  Window().Click("ReadConfigButton");
  EXPECT_FALSE(DirectoryExists(missing));
  const forms::MessageRequest& asked = Prompter().Requests().at(0).message;
  EXPECT_EQ(asked.text, "The directory '" + missing + "' does not exist.\n\n Do you want to create it?");
  EXPECT_EQ(asked.caption, "Pavane");
  EXPECT_EQ(asked.buttons, forms::Buttons::YesNo);
  EXPECT_EQ(asked.icon, forms::Icon::Question);

  Prompter().Answer(Answer::Yes).Answer(Answer::No);
  Window().Click("ReadConfigButton");
  EXPECT_TRUE(DirectoryExists(missing));
  EXPECT_EQ(Prompter().MessageTexts().back(),
            "The file '" + missing + "ZSNES.CFG' does not exist.\n\nDo you want to create it?");
  EXPECT_FALSE(FileExists(missing + "ZSNES.CFG"));
  EXPECT_TRUE(State().configLines.empty());

  Prompter().Answer(Answer::Yes);
  Window().Click("ReadConfigButton");
  EXPECT_EQ(TempDir::Read(SystemPath(missing + "ZSNES.CFG")), "");
  EXPECT_EQ(State().settings.Execute, 100);
  EXPECT_EQ(Window().Text("GameDirEdit"), "E:\\ZSNES");
}

TEST_F(MainFormSettingsTest, ReadReportsADirectoryThatCannotBeCreated) {
  const std::string deep = Directory() + "\\a\\b\\c\\";
  Window().Type("ZSnesDirEdit", deep);
  Prompter().Answer(Answer::Yes).Answer(Answer::Ok);
  Window().Click("ReadConfigButton");
  ASSERT_EQ(Prompter().Requests().size(), 2u);
  EXPECT_EQ(Prompter().Requests()[1].message.text, "The directory '" + deep + "' could not be created.");
  EXPECT_EQ(Prompter().Requests()[1].message.icon, forms::Icon::Error);
}

TEST_F(MainFormSettingsTest, ReadReplacesWhatIsShownAndAnUnreadableFileChangesNothing) {
  dir.Write("ZSNES.CFG", "; kept\r\nFrameSkip = 4\r\n");
  Window().Click("ReadConfigButton");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");
  EXPECT_EQ(State().configLines, (ConfigLines{"; kept", "FrameSkip = 4"}));

  Window().Type("FrameSkipEdit", "7");
  std::filesystem::remove(dir.File("ZSNES.CFG"));
  std::filesystem::create_directory(dir.File("ZSNES.CFG"));  // exists, but is no file to read
  Prompter().Answer(Answer::Yes).Answer(Answer::Ok);
  Window().Click("ReadConfigButton");
  EXPECT_EQ(Prompter().MessageTexts().back(), "Kann Datei " + ConfigPath() + " nicht erstellen");
  EXPECT_EQ(State().configLines, (ConfigLines{"; kept", "FrameSkip = 4"}));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");
}

TEST_F(MainFormSettingsTest, SaveAsksBeforeOverwritingUnlessTurnedOff) {
  dir.Write("ZSNES.CFG", "; mine\r\n");
  Window().Click("ReadConfigButton");
  Window().Click("StereoCheck");

  Prompter().Answer(Answer::No);
  Window().Click("ApplyButton");
  EXPECT_EQ(Prompter().MessageTexts().back(),
            "The file '" + ConfigPath() + "' already exists.\n\n Do you want to overwrite it?");
  EXPECT_EQ(ConfigBytes(), "; mine\r\n");
  EXPECT_EQ(State().settings.Stereo, 0);  // declining gathers nothing

  Prompter().Answer(Answer::Yes);
  Window().PressKey(0x0D);  // Enter in the focused check box: the default button
  const ConfigLines saved = ConfigLinesFromBytes(ConfigBytes());
  ASSERT_EQ(saved.size(), 22u);
  EXPECT_EQ(saved[0], "; mine");
  EXPECT_EQ(saved[12], "Stereo = 1");

  State().preferences.CfgOverwritePrompt = false;
  Window().Click("StereoCheck");
  Window().Choose("SaveMenu");
  EXPECT_EQ(ConfigLinesFromBytes(ConfigBytes())[12], "Stereo = 0");
}

// A damaged file: the lines the program does not own come back byte for
// byte, those after a NUL too, and the owned ones after it are read.
TEST_F(MainFormSettingsTest, ReadAndSaveKeepEveryByteAroundANul) {
  using namespace std::string_literals;
  const std::string damaged = "; mine\0 and \xff more\r\nStereo = 1\r\nOther=\0\0\r\nFrameSkip = 5\r\n"s;
  dir.Write("ZSNES.CFG", damaged);
  Window().Click("ReadConfigButton");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "5");
  EXPECT_TRUE(Window().Checked("StereoCheck"));

  State().preferences.CfgOverwritePrompt = false;
  Window().Choose("SaveMenu");
  const std::string saved = ConfigBytes();
  EXPECT_EQ(saved.substr(0, damaged.size()), damaged);
  EXPECT_EQ(ConfigLinesFromBytes(saved).size(), 23u);  // the four read, and the 19 owned lines missing
}

// A directory the system's file functions cannot reach is not called
// missing: Read and Save say that it is too long.
TEST_F(MainFormSettingsTest, ADirectoryTooLongToUseIsSaidToBeSo) {
  const std::string directory = Directory() + "\\" + std::string(250, 'd');
  const std::string path = directory + "\\ZSNES.CFG";
  const std::string tooLong = "The path '" + path +
                              "' is too long.\n\nWindows programs take paths of up to 259 characters: choose a "
                              "shorter one.";
  Window().Type("ZSnesDirEdit", directory);
  Prompter().Answer(Answer::Ok).Answer(Answer::Ok);
  Window().Click("ReadConfigButton");
  State().preferences.CfgOverwritePrompt = false;
  EXPECT_EQ(Form().SaveToConfigFile(), TMainForm::SaveOutcome::Failed);
  EXPECT_EQ(Prompter().MessageTexts(), (std::vector<std::string>{tooLong, tooLong}));
  EXPECT_FALSE(DirectoryExists(directory));
}

TEST_F(MainFormSettingsTest, SaveIntoAMissingDirectoryReportsTheFile) {
  const std::string missing = Directory() + "\\gone\\ZSNES.CFG";
  Window().Type("ZSnesDirEdit", Directory() + "\\gone");
  Prompter().Answer(Answer::Ok);
  EXPECT_EQ(Form().SaveToConfigFile(), TMainForm::SaveOutcome::Failed);
  EXPECT_EQ(Prompter().MessageTexts(), std::vector<std::string>{"Kann Datei " + missing + " nicht erstellen"});
  EXPECT_EQ(State().configLines.size(), 21u);  // the record and lines already hold the new values
}

TEST_F(MainFormSettingsTest, ShowingTheLineTicksExactlyTheSwitchesItHolds) {
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

TEST_F(MainFormSettingsTest, ClickingSwitchBoxesEditsTheLine) {
  Window().Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-d");
  Window().Click("SwitchCheck3");
  EXPECT_EQ(Line(), "");

  ShowRecord({}, "-c -d -h");
  Window().Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-c  -h");

  ShowRecord({}, "-CC");
  Window().Click("SwitchCheck2");
  EXPECT_EQ(Line(), "");

  ShowRecord({}, "-d -d");
  Window().Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-d");
  Form().ShowSettings();  // the record still holds "-d -d"
  EXPECT_TRUE(Ticked(3));

  Window().Type("ZSNESCmdLineEdit", "-x");  // typed: the box does not follow until shown
  EXPECT_FALSE(Ticked(10));
  Window().Click("SwitchCheck10");
  EXPECT_EQ(Line(), "-x");
}

TEST_F(MainFormSettingsTest, GammaArrowsMoveTheGammaSwitchToTheEnd) {
  ShowRecord({}, "-g 3");
  Window().ClickUpDown("GammaSpin", true);
  EXPECT_EQ(Line(), "-g 3 -g 1");

  Window().SetPosition("GammaSpin", 2);
  Window().Type("ZSNESCmdLineEdit", "-c -g 2 -h");
  Window().ClickUpDown("GammaSpin", true);
  EXPECT_EQ(Line(), "-c  -h -g 3");
  EXPECT_EQ(Window().Text("GammaEdit"), "3");

  Window().SetPosition("GammaSpin", 5);
  Window().ClickUpDown("GammaSpin", true);  // at its end: nothing moves
  EXPECT_EQ(Line(), "-c  -h -g 3");
}

TEST_F(MainFormSettingsTest, GatheredLineIsWhatTheEditHolds) {
  ShowRecord({}, "-c");
  Window().Type("ZSNESCmdLineEdit", " -c  -t ");
  EXPECT_EQ(State().settings.ZSnesCmdLine, "-c");
  Form().GatherSettings();
  EXPECT_EQ(State().settings.ZSnesCmdLine, " -c  -t ");
}

}  // namespace
}  // namespace pavane
