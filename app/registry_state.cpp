#include "app/registry_state.h"

#include <algorithm>

#include "app/flag_text.h"
#include "base/text_rules.h"

namespace pavane {

namespace {

constexpr std::string_view kFavorites = "Favorites";
constexpr std::string_view kCount = "Count";

std::optional<std::string> Find(const StoredValues& values, std::string_view name) {
  const auto value = values.find(name);
  if (value == values.end()) return std::nullopt;
  return value->second;
}

// The index a value's name gives, when it is the plain decimal spelling of
// one ("1", not "01" or " 1").
std::optional<std::int32_t> EntryIndex(const std::string& name) {
  const std::optional<std::int32_t> index = ParseInteger(name);
  if (!index || *index < 0 || std::to_string(*index) != name) return std::nullopt;
  return index;
}

std::int32_t StoredCount(const StoredValues& favorites) {
  // Missing or not a number: no entries.
  const std::optional<std::string> text = Find(favorites, kCount);
  return text ? ParseInteger(*text).value_or(0) : 0;
}

// The entries "0" to Count - 1 in index order, empty and missing ones left
// out. The values listed are walked rather than every index up to Count, so
// a damaged Count of a few billion costs nothing.
std::vector<std::string> ReadFavorites(const StoredValues& favorites) {
  const std::int32_t count = StoredCount(favorites);
  std::map<std::int32_t, const std::string*> entries;
  for (const auto& [name, path] : favorites) {
    const std::optional<std::int32_t> index = EntryIndex(name);
    if (index && *index < count && !path.empty()) entries.emplace(*index, &path);
  }
  std::vector<std::string> list;
  list.reserve(entries.size());
  for (const auto& entry : entries) list.push_back(*entry.second);
  return list;
}

// The favourites written whole: Count, the entries, and the removal of the
// entries a longer list stored now has beyond them.
bool WriteFavorites(StateStore& store, const std::vector<std::string>& list, const StoredValues& storedNow) {
  std::vector<StoredValue> values;
  values.reserve(list.size() + 1);
  values.push_back({std::string(kCount), std::to_string(list.size())});
  for (std::size_t index = 0; index < list.size(); ++index) values.push_back({std::to_string(index), list[index]});
  std::vector<std::string> removed;
  const std::int32_t countNow = StoredCount(storedNow);
  for (const auto& [name, path] : storedNow) {
    const std::optional<std::int32_t> index = EntryIndex(name);
    if (index && static_cast<std::size_t>(*index) >= list.size() && *index < countNow) removed.push_back(name);
  }
  return store.Write(kFavorites, values, removed);
}

}  // namespace

std::string ProgramKeyPath(std::string_view appTitle) {
  std::string path = "Software\\";
  path.append(appTitle);
  return path;
}

std::optional<FavoritesRead> LoadFavorites(const StateStore& store, std::size_t atMost) {
  if (atMost == kAllFavorites) {
    const std::optional<StoredValues> favorites = store.ReadAll(kFavorites);
    if (!favorites) return std::nullopt;
    return FavoritesRead{ReadFavorites(*favorites), true};
  }
  // Count first, then only the values that name the first entries.
  std::optional<StoredValues> favorites = store.Read(kFavorites, {std::string(kCount)});
  if (!favorites) return std::nullopt;
  const auto count = static_cast<std::size_t>(std::max(StoredCount(*favorites), 0));
  std::vector<std::string> names;
  for (std::size_t index = 0; index < std::min(count, atMost); ++index) names.push_back(std::to_string(index));
  if (!names.empty()) {
    std::optional<StoredValues> entries = store.Read(kFavorites, names);
    if (!entries) return std::nullopt;
    favorites->merge(*entries);
  }
  return FavoritesRead{ReadFavorites(*favorites), count <= atMost};
}

LoadedState LoadRegistryState(const StateStore& store, std::size_t favoritesAtStart) {
  LoadedState loaded;
  const std::optional<StoredValues> values = store.ReadAll({});
  std::optional<FavoritesRead> favorites = LoadFavorites(store, favoritesAtStart);
  loaded.complete = values && favorites;
  RegistryState& state = loaded.state;
  if (values) {
    state.ZSnesDir = Find(*values, "ZSnesDir").value_or("");
    state.ZSnesCmdLine = Find(*values, "ZSnesCmdLine").value_or("");
    for (const PreferenceFlag& flag : kPreferenceFlags) {
      state.preferences.*flag.field = ReadFlag(Find(*values, flag.name), Preferences{}.*flag.field);
    }
  }
  if (favorites) {
    state.FavoriteList = std::move(favorites->entries);
    loaded.favoritesWhole = favorites->whole;
  }
  return loaded;
}

bool SaveRegistryState(StateStore& store, const RegistryState& loaded, const RegistryState& current) {
  // What is there now; a section that cannot be read counts as holding every
  // value. Of a list that is not written, only its Count matters.
  const bool listChanged = current.FavoriteList != loaded.FavoriteList;
  const std::optional<StoredValues> valuesNow = store.ReadAll({});
  const std::optional<StoredValues> favoritesNow =
      listChanged ? store.ReadAll(kFavorites) : store.Read(kFavorites, {std::string(kCount)});
  auto missingNow = [](const std::optional<StoredValues>& now, std::string_view name) {
    return now && !now->contains(name);
  };

  std::vector<StoredValue> values;
  auto add = [&](std::string_view name, bool changed, std::string_view text) {
    if (changed || missingNow(valuesNow, name)) values.push_back({std::string(name), std::string(text)});
  };
  add("ZSnesDir", current.ZSnesDir != loaded.ZSnesDir, current.ZSnesDir);
  add("ZSnesCmdLine", current.ZSnesCmdLine != loaded.ZSnesCmdLine, current.ZSnesCmdLine);
  for (const PreferenceFlag& flag : kPreferenceFlags) {
    const bool value = current.preferences.*flag.field;
    add(flag.name, value != loaded.preferences.*flag.field, FlagText(value));
  }
  bool written = values.empty() || store.Write({}, values, {});

  if (listChanged || missingNow(favoritesNow, kCount)) {
    written = WriteFavorites(store, current.FavoriteList, favoritesNow.value_or(StoredValues{})) && written;
  }
  return written;
}

}  // namespace pavane
