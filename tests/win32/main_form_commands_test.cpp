// The main window's settings commands through its real controls: the values
// real lists, radio groups and up-downs show and give back, a locked file,
// the keys that save, and the real arrows of the gamma spinner. The flows
// themselves are tested natively.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/program_win.h"
#include "settings/config_lines.h"
#include "settings/template_file.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

class MainFormCommandsTest : public testing::ProgramFixture {
 protected:
  MainFormCommandsTest() {
    Window().Show();
    Window().SetText("ZSnesDirEdit", dir.Path().string());
    win::PumpMessages();
  }
  void Click(std::string_view name) {
    SendMessageA(Window().Control(name), BM_CLICK, 0, 0);
    win::PumpMessages();
  }
  std::string ConfigPath() const { return dir.File("ZSNES.CFG"); }
  std::string Line() { return Window().Text("ZSNESCmdLineEdit"); }
  bool Ticked(int number) { return Window().Checked("SwitchCheck" + std::to_string(number)); }
  // Shows a record read from these ZSNES.CFG lines, with this command line.
  void ShowRecord(const ConfigLines& lines, std::string commandLine = {}) {
    ReadSettingsFromConfig(lines, State().settings);
    State().settings.ZSnesCmdLine = std::move(commandLine);
    Main().ShowSettings();
  }
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

  const Settings shown = State().settings;
  Main().GatherSettings();
  EXPECT_EQ(State().settings, shown);
}

TEST_F(MainFormCommandsTest, OutOfRangeValuesShowAndGatherByTheRules) {
  ShowRecord({"Player1Device = 9", "VideoMode = 200", "Sound = 1", "SoundRate = 9", "Stereo = 2", "CopyMethod = 3",
              "FrameSkip = 20", "Execute = 200", "SaveDirectory = \tx "});
  EXPECT_EQ(Window().ItemIndex("Player1DeviceCombo"), -1);
  EXPECT_EQ(Window().ItemIndex("VideoModeGrp"), 7);
  EXPECT_EQ(Window().ItemIndex("SoundRateGrp"), 3);
  EXPECT_EQ(Window().ItemIndex("CopyMethodCombo"), -1);
  EXPECT_FALSE(Window().Checked("StereoCheck"));
  EXPECT_TRUE(Window().Checked("SoundCheck"));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "9");  // spin boxes show what they can reach
  EXPECT_EQ(Window().Text("Percent2ExecEdit"), "150");

  Window().SetText("GameDirEdit", "  C:\\Games  ");
  Main().GatherSettings();
  EXPECT_EQ(State().settings.Player1Device, 255);
  EXPECT_EQ(State().settings.VideoMode, 7);
  EXPECT_EQ(State().settings.CopyMethod, 255);
  EXPECT_EQ(State().settings.Stereo, 0);
  EXPECT_EQ(State().settings.FrameSkip, 9);
  EXPECT_EQ(State().settings.GameDirectory, "  C:\\Games  ");  // texts are taken untrimmed
  EXPECT_EQ(State().settings.SaveDirectory, "X");
}

TEST_F(MainFormCommandsTest, TypedSpinTextIsGatheredWithinTheRange) {
  ShowRecord({"FrameSkip = 3", "Execute = 120"});
  Window().SetText("Percent2ExecEdit", "abc");  // not a number: the spin box keeps its place
  Window().SetText("FrameSkipEdit", "200");     // beyond the range: its end
  Main().GatherSettings();
  EXPECT_EQ(State().settings.Execute, 120);
  EXPECT_EQ(State().settings.FrameSkip, 9);
}

TEST_F(MainFormCommandsTest, ReadReplacesWhatIsShownAndALockedFileChangesNothing) {
  dir.Write("ZSNES.CFG", "; kept\r\nFrameSkip = 4\r\n");
  Click("ReadConfigButton");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");
  EXPECT_EQ(State().configLines, (ConfigLines{"; kept", "FrameSkip = 4"}));

  Window().SetText("FrameSkipEdit", "7");
  win::UniqueFile lock(CreateFileA(ConfigPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  prompter.Answer(Answer::Ok);
  Click("ReadConfigButton");
  EXPECT_EQ(prompter.MessageTexts().back(), "Kann Datei " + ConfigPath() +
                                                " nicht \xF6"
                                                "ffnen");
  EXPECT_EQ(prompter.Requests().back().message.icon, forms::Icon::Error);
  EXPECT_EQ(State().configLines, (ConfigLines{"; kept", "FrameSkip = 4"}));
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");
}

TEST_F(MainFormCommandsTest, EnterSavesFromAnEditAndCtrlSFromAnyPage) {
  State().preferences.CfgOverwritePrompt = false;
  Window().Focus("SaveDirEdit");
  testing::PressKey(VK_RETURN);
  EXPECT_TRUE(FileExists(ConfigPath()));
  ASSERT_TRUE(DeleteFileA(ConfigPath().c_str()));

  Window().ShowPage("SwitchesTab");
  Window().Focus("ZSNESCmdLineEdit");
  testing::PressKey('S', testing::kCtrl);
  EXPECT_TRUE(FileExists(ConfigPath()));
}

TEST_F(MainFormCommandsTest, ClickingASwitchBoxEditsTheLine) {
  Window().ShowPage("SwitchesTab");
  Click("SwitchCheck3");
  EXPECT_EQ(Line(), "-d");
  Click("SwitchCheck3");
  EXPECT_EQ(Line(), "");
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

}  // namespace
}  // namespace pavane

namespace pavane {
namespace {

// A real HDROP posted to the main window, as the shell drops files on it.
TEST_F(MainFormCommandsTest, ADroppedRomAndADroppedTemplate) {
  const std::string rom = dir.Write("SUPER-UFO.SMC", std::string(65536, '\0'));
  dir.Write("SUPER-UFO.pvt", EncodeTemplate(Settings{.FrameSkip = 6}));
  prompter.Answer(Answer::Yes);
  testing::DropFiles(Window().Handle(), {rom}, POINT{200, 200});
  win::PumpMessages();
  EXPECT_EQ(State().CurrentRom, rom);
  EXPECT_EQ(Window().Caption(), rom + " - Pavane");
  ASSERT_EQ(prompter.Requests().size(), 1u);
  EXPECT_NE(prompter.Requests()[0].message.text.find("SUPER-UFO.pvt' file has been detected"), std::string::npos);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "6");

  const std::string setup = dir.Write("SETUP.PVT", EncodeTemplate(Settings{.FrameSkip = 3, .ZSnesCmdLine = "-t"}));
  testing::DropFiles(Window().Handle(), {setup}, POINT{20, 370});
  win::PumpMessages();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "3");
  EXPECT_EQ(Line(), "-t");
  EXPECT_EQ(State().CurrentRom, rom);

  // Two files at once are no drop the window takes.
  testing::DropFiles(Window().Handle(), {setup, rom}, POINT{200, 200});
  win::PumpMessages();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "3");
}

}  // namespace
}  // namespace pavane
