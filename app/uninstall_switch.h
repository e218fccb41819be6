#pragma once

#include <string>
#include <string_view>

namespace pavane {

// Whether the whole command line, the program's own path included, holds the
// two characters "-U" in any case. Looking inside the path too is deliberate:
// the switch has always been found this simply.
bool HasUninstallSwitch(std::string_view commandLine);

// What the user is told when removing the program's registry key under
// HKEY_CURRENT_USER stopped at `failedKeyPath` (a path below that root).
std::string KeyDeletionFailedText(std::string_view failedKeyPath);

}  // namespace pavane
