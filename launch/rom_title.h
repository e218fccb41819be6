#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace pavane {

// Reads up to 32 bytes at a file offset; bytes past the end of the file are missing.
using HeaderReader = std::function<std::string(std::uint64_t offset)>;

// The 21-character game title of a ROM image of the given size. The copier
// header is size mod 8192 bytes long; the title comes from the low-bank header
// unless only the high-bank header has a valid checksum pair. Missing bytes
// count as zero, which makes a header invalid.
std::string RomTitleFromImage(std::uint64_t size, const HeaderReader& read32);

// Opens the ROM without sharing and reads its title; a file that cannot be
// opened gives the path itself.
std::string GetRomTitle(const std::string& path);

}  // namespace pavane
