#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pavane {

// The registry key that holds the program's state between runs, as the
// commands see it: string values of the key itself (`section` empty) and of
// its subkeys. Opening the key creates it when it is missing.
class StateStore {
 public:
  virtual ~StateStore() = default;
  // A value's text; nothing when it is missing or holds no string.
  virtual std::optional<std::string> Read(std::string_view section, std::string_view name) const = 0;
  // The names of the values, in the order the store lists them.
  virtual std::vector<std::string> Names(std::string_view section) const = 0;
  virtual bool Write(std::string_view section, std::string_view name, std::string_view value) = 0;
  // The key's path below HKEY_CURRENT_USER, for messages.
  virtual std::string KeyPath() const = 0;
};

}  // namespace pavane
