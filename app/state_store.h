#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pavane {

// The string values of one section of the store, by name.
using StoredValues = std::map<std::string, std::string, std::less<>>;

// One value to be written.
struct StoredValue {
  std::string name;
  std::string text;
};

// The registry key that holds the program's state between runs, as the
// commands see it: string values of the key itself (`section` empty) and of
// its subkeys. Opening the key creates it when it is missing.
class StateStore {
 public:
  virtual ~StateStore() = default;
  // Every string value of the section, read in one pass; values of other
  // types are left out. Nothing when the section could not be read whole.
  virtual std::optional<StoredValues> ReadAll(std::string_view section) const = 0;
  // The values among `names` that are there and hold strings, in one opening
  // of the section; nothing when it could not be read.
  virtual std::optional<StoredValues> Read(std::string_view section, const std::vector<std::string>& names) const = 0;
  // Writes `values` in their order and then removes the values named in
  // `removed` (a name that is not there is no failure), in one opening of the
  // section. False when any of it failed.
  virtual bool Write(std::string_view section, const std::vector<StoredValue>& values,
                     const std::vector<std::string>& removed) = 0;
  // The key's path below HKEY_CURRENT_USER, for messages.
  virtual std::string KeyPath() const = 0;
};

}  // namespace pavane
