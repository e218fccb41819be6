// Paths the system gives in full, made fit for a program of the ANSI code
// page: as they are, as their short names, or not at all.
#include "win32/ansi_path.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"
#include "win32/handles.h"

namespace pavane {
namespace {

// A name no single-byte code page holds: Greek and Japanese letters.
const std::wstring kForeignName = L"\u03a9\u03bc\u03ad\u03b3\u03b1 \u30b2\u30fc\u30e0.smc";

TEST(AnsiPath, APathTheCodePageHoldsIsKeptAndAnyOtherIsItsShortPathOrNothing) {
  testing::TempDir dir;
  const std::wstring directory = dir.Path().wstring() + L"\\";
  EXPECT_EQ(win::AnsiPath(directory + L"GAME.SMC"), dir.Path().string() + "\\GAME.SMC");

  const std::wstring foreign = directory + kForeignName;
  ASSERT_TRUE(win::UniqueFile(CreateFileW(foreign.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
  const std::optional<std::string> usable = win::AnsiPath(foreign);
  ASSERT_TRUE(usable) << "the file has no short name";
  EXPECT_EQ(usable->find('?'), std::string::npos) << *usable;
  // The path names the same file, through the program's own functions.
  const DWORD attributes = GetFileAttributesA(usable->c_str());
  EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES) << *usable;

  // Nothing there: no short name either.
  EXPECT_EQ(win::AnsiPath(directory + L"\u03a9\u03a9.smc"), std::nullopt);
}

}  // namespace
}  // namespace pavane
