#pragma once

#include <string_view>

#include "app/program_arguments.h"

namespace pavane {

// Whether the command line holds the two characters "-U" in any case.
// Looking anywhere, the program's own path included, is deliberate: the
// switch has always been found this simply. Only an argument after the path
// that names an existing file does not count: a ROM such as SUPER-UFO.SMC
// passed by the shell must not offer to delete the user's state.
bool HasUninstallSwitch(std::string_view commandLine, const NamesFile& namesFile);

}  // namespace pavane
