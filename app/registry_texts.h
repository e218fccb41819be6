#pragma once

#include <string>
#include <string_view>

namespace pavane {

// What the user is told when removing the program's registry key under
// HKEY_CURRENT_USER stopped at `failedKeyPath` (a path below that root).
std::string KeyDeletionFailedText(std::string_view failedKeyPath);

// What the user is told when the state of the run could not be written to
// `keyPath` below HKEY_CURRENT_USER at the end of the program.
std::string StateNotStoredText(std::string_view keyPath);

// What the user is told at the end of a run that changed its state but could
// not read all of it from `keyPath` at the start: it is not written, so that
// nothing the run never saw is overwritten.
std::string StateNotReadText(std::string_view keyPath);

}  // namespace pavane
