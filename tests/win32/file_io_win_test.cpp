#include <windows.h>

#include <gtest/gtest.h>

#include "settings/file_io.h"
#include "tests/support/temp_dir.h"
#include "win32/handles.h"

namespace pavane {
namespace {

using testing::TempDir;

// Another program holding ZSNES.CFG open without sharing: the save fails with
// the file's name, the old contents stay, and no temporary file is left.
TEST(FileIoWin, LockedTargetKeepsItsContents) {
  TempDir dir;
  const std::string path = dir.Write("ZSNES.CFG", "FrameSkip = 3\r\n");
  FileError error;
  {
    win::UniqueFile lock(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(WriteWholeFile(path, "FrameSkip = 9\r\n", error));
    EXPECT_EQ(error.message, "Kann Datei " + path + " nicht erstellen");
    EXPECT_FALSE(ReadWholeFile(path, error));
    EXPECT_EQ(error.message, "Kann Datei " + path +
                                 " nicht \xF6"
                                 "ffnen");
  }
  EXPECT_EQ(TempDir::Read(path), "FrameSkip = 3\r\n");
  EXPECT_EQ(dir.EntryCount(), 1u);

  EXPECT_TRUE(WriteWholeFile(path, "FrameSkip = 9\r\n", error));
  EXPECT_EQ(TempDir::Read(path), "FrameSkip = 9\r\n");
}

TEST(FileIoWin, ReadOnlyTargetIsReportedNotReplaced) {
  TempDir dir;
  const std::string path = dir.Write("ZSNES.CFG", "old");
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  FileError error;
  EXPECT_FALSE(WriteWholeFile(path, "new", error));
  EXPECT_EQ(TempDir::Read(path), "old");
  EXPECT_EQ(dir.EntryCount(), 1u);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace pavane
