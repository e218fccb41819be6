// The main window's file commands on a form without windows: templates in
// both forms, the version question, per-ROM settings and the ROM choice.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "settings/config_lines.h"
#include "settings/file_io.h"
#include "settings/template_file.h"
#include "tests/support/memory_program.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

class MainFormFilesTest : public ::testing::Test {
 protected:
  MainFormFilesTest() {
    dir.Write("ZSNES.CFG", "; mine\r\nFrameSkip = 2\r\n");
    Window().Show();
    Window().SetText("ZSnesDirEdit", dir.Path().string());
    Form().ReadConfigButtonClick();
  }

  testing::MemoryForm& Window() { return program.Window(); }
  TMainForm& Form() { return program.main; }
  AppState& State() { return program.state; }
  testing::ScriptedPrompter& Prompter() { return program.prompter; }
  const testing::ScriptedPrompter::Request& LastRequest() { return Prompter().Requests().back(); }
  std::string Path(std::string_view name) const { return dir.Path().string() + "\\" + std::string(name); }
  std::string Read(std::string_view name) const { return TempDir::Read(dir.File(name)); }

  TempDir dir;
  testing::MemoryProgram program;
};

TEST_F(MainFormFilesTest, TemplatesSaveAndLoadInBothForms) {
  Window().Type("ZSNESCmdLineEdit", " -c  -t ");

  Prompter().SaveAnswer(Path("setup.PVT"));
  Window().Choose("SaveSettingsMenu");
  const forms::FileDialogRequest& save = LastRequest().file;
  EXPECT_EQ(save.title, "Save Template");
  EXPECT_EQ(save.defaultExtension, "PVT");
  EXPECT_EQ(save.filter, "Pavane templates (*.pvt)|*.pvt|Configuration files (*.cfg)|*.cfg|All files (*.*)|*.*");
  EXPECT_TRUE(save.promptOverwrite);
  EXPECT_EQ(Read("setup.PVT"), EncodeTemplate(State().settings));
  EXPECT_EQ(State().settings.ZSnesCmdLine, " -c  -t ");

  Prompter().SaveAnswer(Path("setup.cfg"));
  Window().Choose("SaveSettingsMenu");
  EXPECT_TRUE(Read("setup.cfg").starts_with("; mine\r\nFrameSkip = 2\r\nAutoFrameSkip = 1\r\n"));

  Window().Type("ZSNESCmdLineEdit", "");
  Window().SetPosition("FrameSkipSpin", 0);
  Prompter().OpenAnswer(Path("setup.PVT"));
  Window().Choose("LoadSettingsMenu");
  const forms::FileDialogRequest& load = LastRequest().file;
  EXPECT_EQ(load.title, "Load Template");
  EXPECT_EQ(load.defaultExtension, "PVT");
  EXPECT_TRUE(load.filter.starts_with("All settings files (*.pvt;*.cfg)|*.pvt;*.cfg|Pavane templates (*.pvt)|"));
  EXPECT_TRUE(load.mustExist);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "2");
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), " -c  -t ");
  EXPECT_TRUE(Window().Checked("SwitchCheck1"));

  dir.Write("other.CFG", "FrameSkip = 7\r\n");
  Prompter().OpenAnswer(Path("other.CFG"));
  Window().Choose("LoadSettingsMenu");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");
  EXPECT_EQ(State().settings.ZSnesCmdLine, " -c  -t ");  // the text form carries no command line
  EXPECT_EQ(State().configLines, ConfigLines{"FrameSkip = 7"});

  Prompter().OpenAnswer(std::nullopt);
  Window().Choose("LoadSettingsMenu");
  EXPECT_EQ(State().configLines, ConfigLines{"FrameSkip = 7"});
}

TEST_F(MainFormFilesTest, NewerTemplatesAskFirstAndAreShownEitherWay) {
  std::string bytes = EncodeTemplate(Settings{.FrameSkip = 9});
  bytes[0] = static_cast<char>(151);
  dir.Write("newer.pvt", bytes);

  Window().SetPosition("FrameSkipSpin", 4);  // not gathered: a declined load shows the record again
  Prompter().OpenAnswer(Path("newer.pvt")).Answer(Answer::No);
  Form().LoadSettingsMenuClick();
  const forms::MessageRequest& asked = LastRequest().message;
  EXPECT_EQ(asked.text, "File Version: 0.151\n\nThis file was created using a higher version of Pavane. Load anyway?");
  EXPECT_TRUE(asked.defaultNo);
  EXPECT_EQ(asked.icon, forms::Icon::Question);
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "2");

  Prompter().OpenAnswer(Path("newer.pvt")).Answer(Answer::Yes);
  Form().LoadSettingsMenuClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "9");

  dir.Write("cut.pvt", bytes.substr(0, 40));
  Prompter().OpenAnswer(Path("cut.pvt"));
  Form().LoadSettingsMenuClick();  // damaged: nothing changes, nothing is said
  EXPECT_EQ(State().settings.FrameSkip, 9);
}

TEST_F(MainFormFilesTest, ATemplateThatCannotBeWrittenIsReportedAfterTheGather) {
  std::filesystem::create_directory(dir.File("taken.pvt"));
  Window().SetPosition("FrameSkipSpin", 6);
  Prompter().SaveAnswer(Path("taken.pvt")).Answer(Answer::Ok);
  Form().SaveSettingsMenuClick();
  EXPECT_EQ(LastRequest().message.text, "Kann Datei " + Path("taken.pvt") + " nicht erstellen");
  EXPECT_EQ(LastRequest().message.icon, forms::Icon::Error);
  EXPECT_EQ(State().settings.FrameSkip, 6);
}

TEST_F(MainFormFilesTest, RomChoiceSetsTheCaptionAndOffersItsSettings) {
  dir.Write("GAME.SMC", std::string(65536, '\0'));
  const std::string rom = Path("GAME.SMC");
  const std::string romSettings = Path("GAME.pvt");

  Prompter().OpenAnswer(rom);
  Window().Choose("OpenROMMenu");
  EXPECT_EQ(State().CurrentRom, rom);
  EXPECT_EQ(Window().Caption(), rom + " - Pavane");

  Window().SetPosition("FrameSkipSpin", 4);
  Window().Choose("SaveROMSettingsMenu");
  ASSERT_TRUE(FileExists(romSettings));
  EXPECT_EQ(DecodeTemplate(Read("GAME.pvt"))->settings.FrameSkip, 4);

  Window().SetPosition("FrameSkipSpin", 1);
  Prompter().OpenAnswer(rom).Answer(Answer::No);
  Window().Click("OpenButton");
  EXPECT_EQ(LastRequest().message.text, "A '" + romSettings + "' file has been detected.\n\nDo you want to load it?");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "1");

  Prompter().OpenAnswer(rom).Answer(Answer::Yes);
  Form().OpenClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");

  State().preferences.PromptBeforeLoading = false;
  Window().SetPosition("FrameSkipSpin", 1);
  Prompter().OpenAnswer(rom);
  Form().OpenClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "4");

  State().preferences.LoadROMSettings = false;
  Window().SetPosition("FrameSkipSpin", 1);
  Prompter().OpenAnswer(rom);
  Form().OpenClick();
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "1");
}

// A drop from the shell does what the open dialogs' choices do, without a dialog.
TEST_F(MainFormFilesTest, ADroppedRomIsChosenAsTheOpenDialogChoosesIt) {
  dir.Write("GAME.SMC", std::string(65536, '\0'));
  dir.Write("GAME.pvt", EncodeTemplate(Settings{.FrameSkip = 6}));
  const std::string rom = Path("GAME.SMC");
  Prompter().Answer(Answer::Yes);
  Window().DropFiles({}, {rom});
  EXPECT_EQ(State().CurrentRom, rom);
  EXPECT_EQ(Window().Caption(), rom + " - Pavane");
  EXPECT_EQ(LastRequest().message.text,
            "A '" + Path("GAME.pvt") + "' file has been detected.\n\nDo you want to load it?");
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "6");
  // A file with another extension is a ROM too.
  dir.Write("notes.txt", "x");
  Window().DropFiles({}, {Path("notes.txt")});
  EXPECT_EQ(State().CurrentRom, Path("notes.txt"));
}

TEST_F(MainFormFilesTest, ADroppedTemplateIsLoadedInEitherFormAndCase) {
  dir.Write("setup.PvT", EncodeTemplate(Settings{.FrameSkip = 5, .ZSnesCmdLine = "-t"}));
  Window().DropFiles({}, {Path("setup.PvT")});
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "5");
  EXPECT_EQ(Window().Text("ZSNESCmdLineEdit"), "-t");
  dir.Write("other.Cfg", "FrameSkip = 7\r\n");
  Window().DropFiles({}, {Path("other.Cfg")});
  EXPECT_EQ(Window().Text("FrameSkipEdit"), "7");
  EXPECT_EQ(State().configLines, ConfigLines{"FrameSkip = 7"});
  EXPECT_EQ(State().CurrentRom, "");
  EXPECT_TRUE(Prompter().Requests().empty());
}

TEST_F(MainFormFilesTest, OtherDropsAreIgnored) {
  dir.Write("A.SMC", "a");
  dir.Write("B.SMC", "b");
  std::filesystem::create_directory(dir.File("folder.cfg"));
  Window().DropFiles({}, {Path("A.SMC"), Path("B.SMC")});
  Window().DropFiles({}, {Path("folder.cfg")});
  Window().DropFiles({}, {Path("gone.smc")});
  Window().DropFiles({}, {});
  EXPECT_EQ(State().CurrentRom, "");
  EXPECT_EQ(Window().Caption(), "Pavane");
  EXPECT_EQ(State().configLines, ConfigLines({"; mine", "FrameSkip = 2"}));
}

TEST_F(MainFormFilesTest, RomSettingsNeedAnExistingRom) {
  Form().SaveROMSettingsMenuClick();  // no ROM chosen: nothing happens
  State().CurrentRom = Path("gone.smc");
  Form().SaveROMSettingsMenuClick();
  EXPECT_FALSE(FileExists(Path("gone.pvt")));
}

TEST_F(MainFormFilesTest, OpenRomDialogIsSetAfreshAfterLoadTemplate) {
  Prompter().OpenAnswer(std::nullopt).OpenAnswer(std::nullopt);
  Form().LoadSettingsMenuClick();
  Form().OpenClick();
  const forms::FileDialogRequest& open = LastRequest().file;
  EXPECT_EQ(open.title, "Open ROM");
  EXPECT_EQ(open.filter, "ROM formats|*.SMC;*.SFC;*.SWC;*.FIG;*.058;*.078;*.1;*.USA;*.JAP|All files|*.*");
  EXPECT_EQ(open.defaultExtension, "");
  EXPECT_EQ(open.initialDirectory, "E:\\ZSNES");
  EXPECT_TRUE(open.mustExist);
  EXPECT_EQ(State().CurrentRom, "");  // cancelled: nothing chosen
  EXPECT_EQ(Window().Caption(), "Pavane");
}

}  // namespace
}  // namespace pavane
