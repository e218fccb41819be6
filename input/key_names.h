#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace pavane {

// The lowest and highest scancode a controller button can be given.
inline constexpr std::int32_t kFirstScanCode = 1;
inline constexpr std::int32_t kLastScanCode = 83;

// The emulator's names of the PC keyboard's scancodes 1 to 83; entry 0 is
// unused. Code 78 (the keypad's plus) is two blanks, 12 and 74 are both "-".
extern const std::array<std::string_view, kLastScanCode + 1> KeyNames;

// Whether `code` can be assigned to a controller button.
constexpr bool IsScanCode(std::int32_t code) { return code >= kFirstScanCode && code <= kLastScanCode; }

}  // namespace pavane
