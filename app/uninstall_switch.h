#pragma once

#include <string_view>

#include "app/program_arguments.h"

namespace pavane {

// Whether the user asked for the switch: "-U", in any case, as a whole
// argument after the program's path. It is never looked for inside the
// program's path or inside a ROM path the shell hands over, quoted or not:
// a word of an unquoted path with blanks that names a file as a whole does
// not count.
bool HasUninstallSwitch(std::string_view commandLine, const NamesFile& namesFile);

}  // namespace pavane
