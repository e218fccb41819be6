#pragma once

#include <map>

#include "input/key_translator.h"

namespace pavane::testing {

// Virtual-key codes, as the system names them.
inline constexpr int kVkTab = 0x09;
inline constexpr int kVkReturn = 0x0D;
inline constexpr int kVkShift = 0x10;
inline constexpr int kVkEscape = 0x1B;
inline constexpr int kVkUp = 0x26;
inline constexpr int kVkRight = 0x27;
inline constexpr int kVkF11 = 0x7A;

// The scan codes a US keyboard layout gives for the keys the tests press; a
// key it does not list has none (0).
class UsKeyboard : public KeyTranslator {
 public:
  std::int32_t ScanCodeOf(int virtualKey) const override {
    static const std::map<int, std::int32_t> codes{
        {kVkTab, 15}, {kVkReturn, 28}, {kVkShift, 42}, {kVkEscape, 1}, {'A', 30},  {'S', 31},
        {'Z', 44},    {kVkUp, 72},     {kVkRight, 77}, {0x25, 75},     {0x28, 80}, {0x2D, 82},
        {0x2E, 83},   {0x24, 71},      {0x23, 79},     {0x21, 73},     {0x22, 81}, {0x6B, 78},
        {0x6D, 74},   {0x6A, 55},      {kVkF11, 87},   {0x7B, 88},     {0x11, 29}, {0x12, 56}};
    const auto code = codes.find(virtualKey);
    return code == codes.end() ? 0 : code->second;
  }
};

}  // namespace pavane::testing
