#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pavane {

// Removes characters with codes up to 32 (blanks and control characters) at both ends.
std::string_view TrimControls(std::string_view text);

// Upper-cases the ASCII letters a to z only; every other byte stays.
std::string UpperAscii(std::string_view text);

// Every "&" doubled, so that a caption shows the text as it is and marks no
// accelerator.
std::string DoubleAmpersands(std::string_view text);

// Reads a signed 32-bit integer: leading blanks, an optional sign, then decimal
// digits or "$" and hexadecimal digits. Anything else, an empty text or an
// overflow gives nothing.
std::optional<std::int32_t> ParseInteger(std::string_view text);

}  // namespace pavane
