#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pavane {

// The system's short (8.3) form of a path; nothing when it cannot be had.
using ShortPathLookup = std::function<std::optional<std::string>(const std::string& path)>;

// The emulator's command line: the ZSNES directory (the program's own directory
// when empty) with one trailing "\", "ZSNES.EXE", then the switch line and the
// ROM's short path when they are not empty. An executable path with a blank is
// quoted, and so is a ROM path whose short form has a blank or cannot be had.
std::string ComposeCommandLine(std::string_view zsnesDirectory, std::string_view ownDirectory,
                               std::string_view switches, const std::string& rom, const ShortPathLookup& shortPath);

}  // namespace pavane
