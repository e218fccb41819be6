#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace pavane::testing {

// The drive the test fixture maps to its prepared folder.
inline constexpr char kSearchDrive = 'S';

inline void ExpectSearchDrive() {
  ASSERT_TRUE(GetLogicalDrives() & (1u << (kSearchDrive - 'A'))) << "drive S: is not mapped";
  ASSERT_NE(GetFileAttributesA("S:\\EMU\\ZSNES\\ZSNES.EXE"), INVALID_FILE_ATTRIBUTES)
      << "drive S: does not hold the prepared folder";
}

}  // namespace pavane::testing
