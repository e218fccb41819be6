// Files that fail the main window's commands under Wine: read-only, locked,
// gone, cut short while written, in the way as directories, far too large.
// Each time the user is told, the window stays, and no file loses what it held.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "app/program_win.h"
#include "launch/rom_title.h"
#include "settings/file_io.h"
#include "tests/support/scripted_prompter.h"
#include "tests/support/temp_dir.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"
#include "win32/handles.h"

namespace pavane {
namespace {

using forms::Answer;
using testing::TempDir;

constexpr const char* kOld = "; mine\r\nFrameSkip = 2\r\n";

class FileFaultTest : public testing::ProgramFixture {
 protected:
  FileFaultTest() {
    dir.Write("ZSNES.CFG", kOld);
    Window().Show();
    Window().SetText("ZSnesDirEdit", dir.Path().string());
    State().preferences.CfgOverwritePrompt = false;
  }
  ~FileFaultTest() override { EXPECT_TRUE(IsWindow(Window().Handle())) << "the program goes on"; }

  std::string Config() const { return dir.File("ZSNES.CFG"); }
  std::string Told() const { return prompter.MessageTexts().back(); }
  static std::string CannotOpen(const std::string& path) {
    return "Kann Datei " + path +
           " nicht \xF6"
           "ffnen";
  }
  static std::string CannotCreate(const std::string& path) { return "Kann Datei " + path + " nicht erstellen"; }
};

TEST_F(FileFaultTest, AReadOnlyConfigurationIsReportedAndKept) {
  ASSERT_TRUE(SetFileAttributesA(Config().c_str(), FILE_ATTRIBUTE_READONLY));
  prompter.Answer(Answer::Ok);
  Main().ApplyButtonClick();
  EXPECT_EQ(Told(), CannotCreate(Config()));
  EXPECT_EQ(TempDir::Read(Config()), kOld);
  SetFileAttributesA(Config().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST_F(FileFaultTest, AConfigurationLockedWithoutSharingIsNeitherReadNorReplaced) {
  Main().ReadConfigButtonClick();
  const ConfigLines before = State().configLines;
  {
    const win::UniqueFile lock(CreateFileA(Config().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    prompter.Answer(Answer::Ok).Answer(Answer::Ok);
    Main().ReadConfigButtonClick();
    EXPECT_EQ(Told(), CannotOpen(Config()));
    EXPECT_EQ(State().configLines, before);
    Main().ApplyButtonClick();
    EXPECT_EQ(Told(), CannotCreate(Config()));
  }
  EXPECT_EQ(TempDir::Read(Config()), kOld);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST_F(FileFaultTest, ADirectoryRemovedBetweenReadAndSaveIsReported) {
  TempDir other;
  const std::string gone = other.File("ZSNES");
  std::filesystem::create_directory(gone);
  other.Write("ZSNES\\ZSNES.CFG", kOld);
  Window().SetText("ZSnesDirEdit", gone);
  Main().ReadConfigButtonClick();
  std::filesystem::remove_all(gone);
  prompter.Answer(Answer::Ok);
  Main().ApplyButtonClick();
  EXPECT_EQ(Told(), CannotCreate(gone + "\\ZSNES.CFG"));
}

TEST_F(FileFaultTest, AWriteStoppedHalfWayKeepsTheOldFileAndLeavesNoTemporary) {
  Main().ReadConfigButtonClick();
  FailNextWriteAfter(10);
  prompter.Answer(Answer::Ok);
  Main().ApplyButtonClick();
  EXPECT_EQ(Told(), CannotCreate(Config()));
  EXPECT_EQ(TempDir::Read(Config()), kOld);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST_F(FileFaultTest, TemplatesAndRomSettingsThatCannotBeCreatedAreReported) {
  const std::string blocked = dir.File("setup.pvt");
  std::filesystem::create_directory(blocked);
  prompter.SaveAnswer(blocked).Answer(Answer::Ok);
  Main().SaveSettingsMenuClick();
  EXPECT_EQ(Told(), CannotCreate(blocked));

  const std::string rom = dir.Write("GAME.SMC", std::string(65536, '\0'));
  std::filesystem::create_directory(dir.File("GAME.pvt"));
  State().CurrentRom = rom;
  prompter.Answer(Answer::Ok);
  Main().SaveROMSettingsMenuClick();
  EXPECT_EQ(Told(), CannotCreate(dir.File("GAME.pvt")));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("GAME.pvt")));
}

TEST_F(FileFaultTest, ARomHeldOpenWithoutSharingIsTitledByItsPath) {
  const std::string rom = dir.Write("HELD.SMC", std::string(65536, 'A'));
  const win::UniqueFile held(CreateFileA(rom.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(held);
  EXPECT_EQ(GetRomTitle(rom), rom);
}

TEST_F(FileFaultTest, ADirectoryNamedZsnesCfgFailsAtOnce) {
  std::filesystem::remove(Config());
  std::filesystem::create_directory(Config());
  prompter.Answer(Answer::Yes).Answer(Answer::Ok);  // "does not exist, create it?", then the error
  Main().ReadConfigButtonClick();
  EXPECT_EQ(Told(), CannotCreate(Config()));
  prompter.Answer(Answer::Ok);
  const auto begin = std::chrono::steady_clock::now();
  Main().ApplyButtonClick();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::milliseconds(300)) << "no retries";
  EXPECT_EQ(Told(), CannotCreate(Config()));
  EXPECT_TRUE(std::filesystem::is_directory(Config()));
}

TEST_F(FileFaultTest, AHugeFileChosenAsATemplateIsRefusedBeforeItIsRead) {
  Main().ReadConfigButtonClick();
  const ConfigLines before = State().configLines;
  const std::string huge = dir.File("huge.dat");
  {
    const win::UniqueFile file(CreateFileA(huge.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(file);
    LARGE_INTEGER size{};
    size.QuadPart = 3ll << 30;
    ASSERT_TRUE(SetFilePointerEx(file.Get(), size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(file.Get()));
  }
  prompter.OpenAnswer(huge).Answer(Answer::Ok);
  Main().LoadSettingsMenuClick();
  EXPECT_EQ(Told(), CannotOpen(huge));
  EXPECT_EQ(State().configLines, before);
}

TEST_F(FileFaultTest, ASaveKeepsHiddenAndSystemAndCleansUpAnInterruptedSave) {
  ASSERT_TRUE(SetFileAttributesA(Config().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  dir.Write("ZSNES.CFG.pavane-save", "left by a save that was killed");
  Main().ReadConfigButtonClick();
  Main().ApplyButtonClick();
  const DWORD attributes = GetFileAttributesA(Config().c_str());
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_SYSTEM);
  EXPECT_NE(TempDir::Read(Config()), kOld);
  EXPECT_EQ(dir.EntryCount(), 1u);
}

}  // namespace
}  // namespace pavane
