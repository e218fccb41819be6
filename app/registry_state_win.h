#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"

namespace pavane {

// What the program keeps in the registry between runs.
struct RegistryState {
  std::string ZSnesDir;
  std::string ZSnesCmdLine;
  Preferences preferences;
  std::vector<std::string> FavoriteList;
};

// The program's key below HKEY_CURRENT_USER: "Software\" followed by the title.
std::string ProgramKeyPath(std::string_view appTitle);

// Reads the state from `keyPath` below HKEY_CURRENT_USER, creating the key when
// it is missing. Missing or unreadable values take their defaults; empty or
// missing favourites are dropped.
RegistryState LoadRegistryState(std::string_view keyPath);

// Writes the directory, the command line, the favourites' count, the five flags
// and then the favourites. Favourite values beyond the count are left alone.
// False when the key could not be opened or a value not written.
bool SaveRegistryState(std::string_view keyPath, const RegistryState& state);

}  // namespace pavane
