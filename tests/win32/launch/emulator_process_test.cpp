#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "launch/emulator_process_win.h"
#include "launch/short_path_win.h"
#include "settings/file_io.h"
#include "tests/win32/launch/launch_test_support.h"

namespace pavane::win {
namespace {

using testing::CurrentDirectory;
using testing::ScopedEnvironment;
using testing::StandInFolder;
using testing::WaitForExit;

std::string WithoutTrailingBackslash(std::string directory) {
  if (directory.ends_with('\\')) directory.pop_back();
  return directory;
}

TEST(EmulatorStartupTest, NewMaximisedConsoleTitledZsnesAtHighPriority) {
  const EmulatorStartParameters parameters = EmulatorStartup();
  const STARTUPINFOA& info = parameters.startupInfo;
  EXPECT_EQ(info.cb, sizeof(void*) == 4 ? 68u : 104u);  // the structure's size in 32-bit and 64-bit builds
  ASSERT_NE(info.lpTitle, nullptr);
  EXPECT_STREQ(info.lpTitle, "ZSNES");
  EXPECT_EQ(info.dwFlags, 1u);
  EXPECT_EQ(info.wShowWindow, 3);
  EXPECT_EQ(parameters.creationFlags, 0x890u);
  EXPECT_FALSE(parameters.inheritHandles);

  // Every other field stays zero, so the system picks position, size and standard handles.
  STARTUPINFOA rest = info;
  rest.cb = 0;
  rest.lpTitle = nullptr;
  rest.dwFlags = 0;
  rest.wShowWindow = 0;
  const STARTUPINFOA zero{};
  EXPECT_EQ(std::memcmp(&rest, &zero, sizeof rest), 0);
}

EmulatorProcess& ProcessOf(const EmulatorStart& started) { return static_cast<EmulatorProcess&>(*started.emulator); }

class StartEmulatorTest : public ::testing::Test {
 protected:
  std::map<std::string, std::string> RunToEnd(const std::string& commandLine, const std::string& directory) {
    EmulatorStart started = StartEmulator(commandLine, directory);
    EXPECT_TRUE(started.emulator) << "error " << started.errorCode;
    if (!started.emulator) return {};
    EXPECT_TRUE(WaitForExit(ProcessOf(started).Handle()));
    return standIn_.Record();
  }

  StandInFolder standIn_;
  ScopedEnvironment record_{"PAVANE_STANDIN_RECORD", standIn_.RecordPath()};
  ScopedEnvironment exitAtOnce_{"PAVANE_STANDIN_RUN_MS", "0"};
};

TEST_F(StartEmulatorTest, EmulatorReceivesTheLineAsGiven) {
  const std::string games = standIn_.Temp().File("games");
  std::filesystem::create_directory(games);
  for (const std::string& arguments :
       {std::string(), std::string(" -c -g 2 C:\\ROMS\\SUPERG~1.SMC"), std::string(" \"C:\\My ROMs\\Game.smc\"")}) {
    const std::string line = standIn_.Directory() + "ZSNES.EXE" + arguments;
    const auto record = RunToEnd(line, games);
    EXPECT_EQ(record.at("CommandLine"), line);
    EXPECT_EQ(record.at("WorkingDirectory"), games);
    std::filesystem::remove(standIn_.RecordPath());
  }
}

TEST_F(StartEmulatorTest, QuotedExecutableInFolderWithBlanksStarts) {
  StandInFolder blanks("ZSNES with blanks");
  ScopedEnvironment record("PAVANE_STANDIN_RECORD", blanks.RecordPath());
  const std::string line = "\"" + blanks.Directory() + "ZSNES.EXE\" -v 2";
  EmulatorStart started = StartEmulator(line, blanks.Directory());
  ASSERT_TRUE(started.emulator) << "error " << started.errorCode;
  ASSERT_TRUE(WaitForExit(ProcessOf(started).Handle()));
  const auto received = blanks.Record();
  EXPECT_EQ(received.at("CommandLine"), line);
  EXPECT_EQ(received.at("WorkingDirectory"), WithoutTrailingBackslash(blanks.Directory()));
}

TEST_F(StartEmulatorTest, ConsoleTitleIsZsnesWhereThereIsADisplay) {
  // A console without a window has no title to read.
  if (!GetSystemMetrics(SM_CXSCREEN)) GTEST_SKIP() << "no display for a console window";
  const auto record = RunToEnd(standIn_.Directory() + "ZSNES.EXE", standIn_.Directory());
  EXPECT_EQ(record.at("ConsoleTitle"), "ZSNES");
}

TEST_F(StartEmulatorTest, EmptyWorkingDirectoryInheritsOurs) {
  const auto record = RunToEnd(standIn_.Directory() + "ZSNES.EXE", "");
  EXPECT_EQ(record.at("WorkingDirectory"), CurrentDirectory());
}

TEST_F(StartEmulatorTest, RefusalsGiveTheSystemsErrorCode) {
  const std::string missing = standIn_.Temp().File("nowhere");
  EmulatorStart noExecutable = StartEmulator(missing + "\\ZSNES.EXE -c", "");
  EXPECT_FALSE(noExecutable.emulator);
  EXPECT_EQ(noExecutable.errorCode, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));

  EmulatorStart noDirectory = StartEmulator(standIn_.Directory() + "ZSNES.EXE", missing);
  EXPECT_FALSE(noDirectory.emulator);
  EXPECT_NE(noDirectory.errorCode, 0u);
}

TEST_F(StartEmulatorTest, PollingSeesTheExitCode) {
  ScopedEnvironment exitCode("PAVANE_STANDIN_EXIT_CODE", "7");
  EmulatorStart started = StartEmulator(standIn_.Directory() + "ZSNES.EXE", "");
  ASSERT_TRUE(started.emulator);
  ASSERT_TRUE(WaitForExit(ProcessOf(started).Handle()));
  EXPECT_EQ(ProcessOf(started).ExitCode(), 7u);
  EXPECT_TRUE(ProcessOf(started).HasEnded());
}

TEST_F(StartEmulatorTest, RunningUntilTerminatedThenExitCodeZero) {
  ScopedEnvironment forever("PAVANE_STANDIN_RUN_MS", "forever");
  ScopedEnvironment exitCode("PAVANE_STANDIN_EXIT_CODE", "5");
  EmulatorStart started = StartEmulator(standIn_.Directory() + "ZSNES.EXE", "");
  ASSERT_TRUE(started.emulator);
  ASSERT_FALSE(standIn_.Record().empty());
  EXPECT_EQ(ProcessOf(started).ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_FALSE(ProcessOf(started).HasEnded());

  ProcessOf(started).Terminate();
  ASSERT_TRUE(WaitForExit(ProcessOf(started).Handle()));
  EXPECT_EQ(ProcessOf(started).ExitCode(), 0u);
  EXPECT_TRUE(ProcessOf(started).HasEnded());
}

TEST(ShortPathNameTest, ShortFormHasNoBlanksAndNamesTheSameFile) {
  testing::TempDir temp;
  std::filesystem::create_directory(temp.Path() / "My ROM collection");
  const std::string rom = temp.Write("My ROM collection\\Super Game Deluxe.smc", "rom");
  const std::optional<std::string> shortPath = ShortPathName(rom);
  ASSERT_TRUE(shortPath);
  EXPECT_EQ(shortPath->find(' '), std::string::npos) << *shortPath;
  EXPECT_EQ(testing::TempDir::Read(*shortPath), "rom");
}

TEST(ShortPathNameTest, MissingFileHasNone) {
  testing::TempDir temp;
  EXPECT_FALSE(ShortPathName(temp.File("gone.smc")));
  EXPECT_FALSE(ShortPathName(""));
}

}  // namespace
}  // namespace pavane::win
