#pragma once

#include <cstddef>
#include <optional>
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

  bool operator==(const RegistryState&) const = default;
};

// The state as one run read it at its start.
struct LoadedState {
  RegistryState state;  // defaults where a value is missing or unreadable
  // Everything the start meant to read was read. A run that could not read
  // its state never writes it: what it would write over was never known.
  bool complete = false;
  // The favourites' list holds all entries, not only the first ones.
  bool favoritesWhole = true;
};

// The program's key below HKEY_CURRENT_USER: "Software\" followed by the title.
std::string ProgramKeyPath(std::string_view appTitle);

// The favourites among the first `atMost` (missing and empty ones dropped),
// and whether the list ends there; nothing when they could not be read. A
// long list is read only as far as it is needed.
struct FavoritesRead {
  std::vector<std::string> entries;
  bool whole = true;
};
inline constexpr std::size_t kAllFavorites = static_cast<std::size_t>(-1);
std::optional<FavoritesRead> LoadFavorites(const StateStore& store, std::size_t atMost);

// Missing or unreadable values take their defaults; of the favourites only
// those among the first `favoritesAtStart` are read.
LoadedState LoadRegistryState(const StateStore& store, std::size_t favoritesAtStart);

// Writes what this run changed since it read `loaded`, so that another copy
// of the program that ran meanwhile keeps what it stored: a value only where
// `current` differs from `loaded` or the store has none now (a first run
// stores its defaults); the favourites only when the list changed, then
// whole, with the entries of a longer list stored before removed. False when
// a value could not be written.
bool SaveRegistryState(StateStore& store, const RegistryState& loaded, const RegistryState& current);

}  // namespace pavane
