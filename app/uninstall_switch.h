#pragma once

#include <string_view>

namespace pavane {

// Whether the whole command line, the program's own path included, holds the
// two characters "-U" in any case. Looking inside the path too is deliberate:
// the switch has always been found this simply.
bool HasUninstallSwitch(std::string_view commandLine);

}  // namespace pavane
