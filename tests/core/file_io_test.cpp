#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/config_file.h"
#include "settings/file_io.h"
#include "settings/template_file.h"
#include "settings/template_io.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using testing::TempDir;

TEST(FileIo, WriteReplacesTheFileAndLeavesNothingElse) {
  TempDir dir;
  const std::string path = dir.Write("ZSNES.CFG", "old contents that are longer\r\n");
  FileError error;
  ASSERT_TRUE(WriteWholeFile(path, std::string("new\0bytes", 9), error)) << error.message;
  EXPECT_EQ(TempDir::Read(path), std::string("new\0bytes", 9));
  EXPECT_EQ(dir.EntryCount(), 1u);

  ASSERT_TRUE(WriteWholeFile(path, "", error));
  EXPECT_EQ(TempDir::Read(path), "");
  auto bytes = ReadWholeFile(path, error);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, "");
}

// A large file is read into a buffer that asks for large pages: every byte
// still arrives, the first and last ones too, whatever the buffer's alignment.
TEST(FileIo, ALargeFileIsReadWhole) {
  TempDir dir;
  std::string contents(5u << 20 | 123, '\0');
  for (std::size_t i = 0; i < contents.size(); ++i) contents[i] = static_cast<char>(i * 7 + i / 4096);
  const std::string path = dir.Write("large.cfg", contents);
  FileError error;
  const auto bytes = ReadWholeFile(path, error);
  ASSERT_TRUE(bytes) << error.message;
  EXPECT_TRUE(*bytes == contents);  // not EXPECT_EQ: a failure would print megabytes
}

TEST(FileIo, FailedWriteNamesTheFileAndLeavesNoTemporary) {
  TempDir dir;
  const std::string missing = dir.File("no such dir") + "/ZSNES.CFG";
  FileError error;
  EXPECT_FALSE(WriteWholeFile(missing, "x", error));
  EXPECT_EQ(error.message, "Kann Datei " + missing + " nicht erstellen");

  // A directory in the way cannot be replaced by a file; it stays, and so does nothing else.
  const std::string blocked = dir.File("blocked");
  std::filesystem::create_directory(blocked);
  dir.Write("blocked/inside", "kept");
  EXPECT_FALSE(WriteWholeFile(blocked, "x", error));
  EXPECT_EQ(error.message, "Kann Datei " + blocked + " nicht erstellen");
  EXPECT_EQ(TempDir::Read(dir.File("blocked/inside")), "kept");
  EXPECT_EQ(dir.EntryCount(), 1u);
}

TEST(FileIo, AWriteStoppedHalfWayKeepsTheOldFileWholeAndLeavesNoTemporary) {
  TempDir dir;
  const std::string path = dir.Write("ZSNES.CFG", "FrameSkip = 1\r\n");
  FileError error;
  FailNextWriteAfter(5);
  EXPECT_FALSE(WriteWholeFile(path, "FrameSkip = 2\r\nExecute = 100\r\n", error));
  EXPECT_EQ(error.message, "Kann Datei " + path + " nicht erstellen");
  EXPECT_EQ(TempDir::Read(path), "FrameSkip = 1\r\n");
  EXPECT_EQ(dir.EntryCount(), 1u);
  EXPECT_TRUE(WriteWholeFile(path, "FrameSkip = 3\r\n", error)) << "the fault hits one write only";
}

TEST(FileIo, ASaveCleansUpTheTemporaryOfAnInterruptedOne) {
  TempDir dir;
  const std::string path = dir.Write("ZSNES.CFG", "old\r\n");
  dir.Write("ZSNES.CFG.pavane-save", "left by a save that was killed");
  FileError error;
  ASSERT_TRUE(WriteWholeFile(path, "new\r\n", error)) << error.message;
  EXPECT_EQ(TempDir::Read(path), "new\r\n");
  EXPECT_EQ(dir.EntryCount(), 1u);
}

#ifndef _WIN32
// (Windows keeps attributes instead; the tests under Wine look at those.)
TEST(FileIo, AReplacedFileKeepsItsPermissions) {
  TempDir dir;
  const std::string path = dir.Write("ZSNES.CFG", "old\r\n");
  constexpr auto kMine =
      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read;
  std::filesystem::permissions(path, kMine);
  FileError error;
  ASSERT_TRUE(WriteWholeFile(path, "new\r\n", error)) << error.message;
  EXPECT_EQ(std::filesystem::status(path).permissions(), kMine);
}
#endif

TEST(FileIo, AFileLargerThanItsKindAllowsIsRefusedBeforeItIsRead) {
  TempDir dir;
  const std::string path = dir.Write("huge.cfg", std::string(4096, 'x'));
  FileError error;
  EXPECT_FALSE(ReadWholeFile(path, error, 4095));
  EXPECT_EQ(error.message, "Kann Datei " + path +
                               " nicht \xF6"
                               "ffnen");
  EXPECT_TRUE(ReadWholeFile(path, error, 4096));
  // A sparse file of 3 GB: refused by its size, never read.
  const std::string sparse = dir.File("sparse.pvt");
  { std::ofstream(sparse, std::ios::binary).put('\0'); }
  std::filesystem::resize_file(sparse, 3ull << 30);
  EXPECT_FALSE(ReadWholeFile(sparse, error));
  EXPECT_EQ(error.message, "Kann Datei " + sparse +
                               " nicht \xF6"
                               "ffnen");
}

TEST(FileIo, ReadingAMissingFileOrADirectoryNamesIt) {
  TempDir dir;
  FileError error;
  EXPECT_FALSE(ReadWholeFile(dir.File("nothing.cfg"), error));
  EXPECT_EQ(error.message, "Kann Datei " + dir.File("nothing.cfg") +
                               " nicht \xF6"
                               "ffnen");
  EXPECT_FALSE(ReadWholeFile(dir.Path().string(), error));
}

TEST(FileIo, ExistenceTestsAndOneLevelDirectories) {
  TempDir dir;
  const std::string file = dir.Write("f", "");
  EXPECT_TRUE(FileExists(file));
  EXPECT_FALSE(DirectoryExists(file));
  EXPECT_TRUE(DirectoryExists(dir.Path().string()));
  EXPECT_FALSE(FileExists(dir.Path().string()));
  EXPECT_TRUE(CreateDirectoryOneLevel(dir.File("one")));
  EXPECT_FALSE(CreateDirectoryOneLevel(dir.File("two/three")));
  EXPECT_FALSE(ExecutableDirectory().empty());
}

TEST(ConfigFile, LocationFallsBackToTheProgramDirectoryAndAddsOneBackslash) {
  EXPECT_EQ(LocateConfigFile("C:\\ZSNES", "D:\\P\\").path, "C:\\ZSNES\\ZSNES.CFG");
  EXPECT_EQ(LocateConfigFile("C:\\ZSNES\\", "D:\\P\\").directory, "C:\\ZSNES\\");
  EXPECT_EQ(LocateConfigFile("", "D:\\P\\").path, "D:\\P\\ZSNES.CFG");
}

TEST(ConfigFile, FailedReadKeepsTheLines) {
  TempDir dir;
  ConfigLines lines{"kept"};
  FileError error;
  EXPECT_FALSE(ReadConfigFile(dir.File("missing"), lines, error));
  EXPECT_EQ(lines, ConfigLines{"kept"});
  ASSERT_TRUE(ReadConfigFile(dir.Write("c", "a\rb"), lines, error));
  EXPECT_EQ(lines, (ConfigLines{"a", "b"}));
}

TEST(TemplateIo, SavesBinaryForPvtAndTextOtherwise) {
  TempDir dir;
  Settings settings;
  ReadSettingsFromConfig({}, settings);
  settings.ZSnesCmdLine = " -c ";
  ConfigLines lines{"; mine"};
  FileError error;
  ASSERT_TRUE(SaveTemplate(dir.File("setup.PVT"), settings, lines, error));
  EXPECT_EQ(TempDir::Read(dir.File("setup.PVT")), EncodeTemplate(settings));
  EXPECT_EQ(lines, ConfigLines{"; mine"});

  ASSERT_TRUE(SaveTemplate(dir.File("setup.txt"), settings, lines, error));
  const std::string text = TempDir::Read(dir.File("setup.txt"));
  EXPECT_TRUE(text.starts_with("; mine\r\nFrameSkip = 0\r\n"));
  EXPECT_EQ(lines.size(), 22u);
}

TEST(TemplateIo, LoadingChoosesTheFormByExtension) {
  TempDir dir;
  Settings stored;
  ReadSettingsFromConfig({}, stored);
  stored.FrameSkip = 7;
  stored.ZSnesCmdLine = "-d";
  dir.Write("GAME.Pvt", EncodeTemplate(stored));
  dir.Write("GAME.CFG", "; t\r\nFrameSkip = 4\r\n");
  const auto never = [](std::int32_t) -> bool { throw std::logic_error("not newer"); };

  Settings settings;
  settings.ZSnesCmdLine = "kept";
  ConfigLines lines{"old"};
  FileError error;
  EXPECT_EQ(LoadTemplate(dir.File("GAME.Pvt"), settings, lines, never, error), TemplateRead::Loaded);
  EXPECT_EQ(settings, stored);
  EXPECT_EQ(lines, ConfigLines{"old"});

  EXPECT_EQ(LoadTemplate(dir.File("GAME.CFG"), settings, lines, never, error), TemplateRead::Loaded);
  EXPECT_EQ(settings.FrameSkip, 4);
  EXPECT_EQ(settings.AutoFrameSkip, 1);    // missing keys take their defaults
  EXPECT_EQ(settings.ZSnesCmdLine, "-d");  // the text form carries no command line
  EXPECT_EQ(lines, (ConfigLines{"; t", "FrameSkip = 4"}));

  EXPECT_EQ(LoadTemplate(dir.File("nope.cfg"), settings, lines, never, error), TemplateRead::CannotOpen);
  EXPECT_EQ(lines, (ConfigLines{"; t", "FrameSkip = 4"}));
}

TEST(TemplateIo, NewerVersionsAskAndDamagedFilesChangeNothing) {
  TempDir dir;
  std::string bytes = EncodeTemplate(Settings{.FrameSkip = 5});
  bytes[0] = static_cast<char>(151);
  const std::string newer = dir.Write("newer.pvt", bytes);
  bytes[0] = 0;
  const std::string zero = dir.Write("zero.pvt", bytes);
  const std::string damaged = dir.Write("damaged.pvt", bytes.substr(0, 30));

  std::vector<std::int32_t> asked;
  bool answer = false;
  const auto consent = [&](std::int32_t version) {
    asked.push_back(version);
    return answer;
  };
  Settings settings{.FrameSkip = 1};
  FileError error;
  EXPECT_EQ(ReadTemplateFile(newer, settings, consent, error), TemplateRead::Declined);
  EXPECT_EQ(settings.FrameSkip, 1);
  answer = true;
  EXPECT_EQ(ReadTemplateFile(newer, settings, consent, error), TemplateRead::Loaded);
  EXPECT_EQ(settings.FrameSkip, 5);
  EXPECT_EQ(asked, (std::vector<std::int32_t>{151, 151}));

  settings.FrameSkip = 1;
  EXPECT_EQ(ReadTemplateFile(zero, settings, consent, error), TemplateRead::Loaded);
  EXPECT_EQ(asked.size(), 2u);  // version 0 loads without a question
  settings.FrameSkip = 1;
  EXPECT_EQ(ReadTemplateFile(damaged, settings, consent, error), TemplateRead::Damaged);
  EXPECT_EQ(settings.FrameSkip, 1);
}

}  // namespace
}  // namespace pavane
