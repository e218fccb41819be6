#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "app/state_store.h"

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

// Missing or unreadable values take their defaults; empty or missing
// favourites are dropped.
RegistryState LoadRegistryState(const StateStore& store);

// Writes the directory, the command line, the favourites' count, the five flags
// and then the favourites. Favourite values beyond the count are left alone.
// False when a value could not be written.
bool SaveRegistryState(StateStore& store, const RegistryState& state);

}  // namespace pavane
