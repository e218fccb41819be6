#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pavane {

// The switch letters of the twelve switch check boxes, indexed by their Tag (1..12).
inline constexpr std::array<std::string_view, 13> kSwitchTable{"",  "c", "cc", "d", "h", "l", "q",
                                                               "t", "u", "w",  "x", "i", "sa"};

// "-" and the table entry of check box `tag`.
std::string SwitchOf(int tag);

// The gamma switch for a spinner position: "-g 3".
std::string GammaSwitch(int position);

// Whether the line holds the switch followed by a blank (the line counts as
// ending in one), compared in ASCII capitals, anywhere in the line.
bool SwitchPresent(std::string_view text, std::string_view switchText);

// Appends the switch unless present; the result is trimmed.
std::string AddSwitch(std::string_view text, std::string_view switchText);

// Deletes the first occurrence of the switch (its blank stays); the result is trimmed.
std::string RemoveSwitch(std::string_view text, std::string_view switchText);

}  // namespace pavane
