#include "app/registry_state_win.h"

#include <map>

#include "app/flag_text.h"
#include "settings/text_rules.h"
#include "win32/registry.h"

namespace pavane {

namespace {

constexpr std::string_view kFavoritesKey = "Favorites";

// The entries "0" to Count - 1 in index order, empty and missing ones left out.
// The key's own value list is walked rather than every index up to Count, so a
// damaged Count of a few billion costs nothing.
std::vector<std::string> ReadFavorites(const win::RegistryKey& favorites) {
  const std::optional<std::string> countText = favorites.ReadString("Count");
  const std::int32_t count = countText ? ParseInteger(*countText).value_or(0) : 0;
  std::map<std::int32_t, std::string> entries;
  for (const std::string& name : favorites.ValueNames()) {
    const std::optional<std::int32_t> index = ParseInteger(name);
    // Only the plain decimal spelling of an index names an entry ("1", not "01" or " 1").
    if (!index || *index < 0 || *index >= count || std::to_string(*index) != name) continue;
    std::optional<std::string> path = favorites.ReadString(name);
    if (path && !path->empty()) entries.emplace(*index, std::move(*path));
  }
  std::vector<std::string> list;
  for (auto& entry : entries) list.push_back(std::move(entry.second));
  return list;
}

}  // namespace

std::string ProgramKeyPath(std::string_view appTitle) {
  std::string path = "Software\\";
  path.append(appTitle);
  return path;
}

RegistryState LoadRegistryState(std::string_view keyPath) {
  RegistryState state;
  const win::RegistryKey key = win::RegistryKey::OpenOrCreate(keyPath);
  state.ZSnesDir = key.ReadString("ZSnesDir").value_or("");
  state.ZSnesCmdLine = key.ReadString("ZSnesCmdLine").value_or("");
  for (const PreferenceFlag& flag : kPreferenceFlags) {
    state.preferences.*flag.field = ReadFlag(key.ReadString(flag.name), Preferences{}.*flag.field);
  }
  state.FavoriteList = ReadFavorites(key.OpenOrCreateSubkey(kFavoritesKey));
  return state;
}

bool SaveRegistryState(std::string_view keyPath, const RegistryState& state) {
  win::RegistryKey key = win::RegistryKey::OpenOrCreate(keyPath);
  win::RegistryKey favorites = key.OpenOrCreateSubkey(kFavoritesKey);
  bool written = key.WriteString("ZSnesDir", state.ZSnesDir);
  written = key.WriteString("ZSnesCmdLine", state.ZSnesCmdLine) && written;
  written = favorites.WriteString("Count", std::to_string(state.FavoriteList.size())) && written;
  for (const PreferenceFlag& flag : kPreferenceFlags) {
    written = key.WriteString(flag.name, FlagText(state.preferences.*flag.field)) && written;
  }
  for (std::size_t index = 0; index < state.FavoriteList.size(); ++index) {
    written = favorites.WriteString(std::to_string(index), state.FavoriteList[index]) && written;
  }
  return written;
}

}  // namespace pavane
