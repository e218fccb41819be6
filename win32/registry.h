#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "win32/handles.h"

namespace pavane::win {

// One open registry key. Every value the program keeps is a string; reading
// treats a value of any other type as missing.
class RegistryKey {
 public:
  // Opens `path` below HKEY_CURRENT_USER for reading and writing, creating it
  // (and any missing keys above it) first. An empty key when that fails.
  static RegistryKey OpenOrCreate(std::string_view path);

  // Opens or creates a subkey of this key; an empty key when that fails.
  RegistryKey OpenOrCreateSubkey(std::string_view name) const;

  explicit operator bool() const { return static_cast<bool>(key_); }
  HKEY Get() const { return key_.Get(); }

  // The text of a REG_SZ or REG_EXPAND_SZ value (unexpanded), cut at its first
  // NUL; nothing when the value is missing, of another type or unreadable.
  std::optional<std::string> ReadString(std::string_view name) const;

  bool WriteString(std::string_view name, std::string_view value);
  // True also when there was no such value.
  bool DeleteValue(std::string_view name);

  // Every REG_SZ or REG_EXPAND_SZ value of the key as name and text (read as
  // ReadString reads one), in one pass in the order the system lists them;
  // values of other types are left out. Nothing when the key could not be
  // listed to its end.
  std::optional<std::vector<std::pair<std::string, std::string>>> StringValues() const;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  RegistryKey() = default;

  UniqueRegKey key_;
};

// Whether `path` below HKEY_CURRENT_USER exists.
bool RegistryKeyExists(std::string_view path);

// Deletes `path` below HKEY_CURRENT_USER with all its subkeys and values.
// On failure, the path of the first key that could not be removed; keys
// deleted before it stay deleted.
struct KeyDeletion {
  bool deleted = true;
  std::string failedPath;
};
KeyDeletion DeleteRegistryTree(std::string_view path);

}  // namespace pavane::win
