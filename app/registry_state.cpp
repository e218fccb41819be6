#include "app/registry_state.h"

#include <map>

#include "app/flag_text.h"
#include "base/text_rules.h"

namespace pavane {

namespace {

constexpr std::string_view kFavorites = "Favorites";

// The entries "0" to Count - 1 in index order, empty and missing ones left out.
// The key's own value list is walked rather than every index up to Count, so a
// damaged Count of a few billion costs nothing.
std::vector<std::string> ReadFavorites(const StateStore& store) {
  const std::optional<std::string> countText = store.Read(kFavorites, "Count");
  const std::int32_t count = countText ? ParseInteger(*countText).value_or(0) : 0;
  std::map<std::int32_t, std::string> entries;
  for (const std::string& name : store.Names(kFavorites)) {
    const std::optional<std::int32_t> index = ParseInteger(name);
    // Only the plain decimal spelling of an index names an entry ("1", not "01" or " 1").
    if (!index || *index < 0 || *index >= count || std::to_string(*index) != name) continue;
    std::optional<std::string> path = store.Read(kFavorites, name);
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

RegistryState LoadRegistryState(const StateStore& store) {
  RegistryState state;
  state.ZSnesDir = store.Read({}, "ZSnesDir").value_or("");
  state.ZSnesCmdLine = store.Read({}, "ZSnesCmdLine").value_or("");
  for (const PreferenceFlag& flag : kPreferenceFlags) {
    state.preferences.*flag.field = ReadFlag(store.Read({}, flag.name), Preferences{}.*flag.field);
  }
  state.FavoriteList = ReadFavorites(store);
  return state;
}

bool SaveRegistryState(StateStore& store, const RegistryState& state) {
  bool written = store.Write({}, "ZSnesDir", state.ZSnesDir);
  written = store.Write({}, "ZSnesCmdLine", state.ZSnesCmdLine) && written;
  written = store.Write(kFavorites, "Count", std::to_string(state.FavoriteList.size())) && written;
  for (const PreferenceFlag& flag : kPreferenceFlags) {
    written = store.Write({}, flag.name, FlagText(state.preferences.*flag.field)) && written;
  }
  for (std::size_t index = 0; index < state.FavoriteList.size(); ++index) {
    written = store.Write(kFavorites, std::to_string(index), state.FavoriteList[index]) && written;
  }
  return written;
}

}  // namespace pavane
