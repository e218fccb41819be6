#include "app/registry_store_win.h"

#include "win32/registry.h"

namespace pavane {
namespace {

win::RegistryKey Open(const std::string& keyPath, std::string_view section) {
  win::RegistryKey key = win::RegistryKey::OpenOrCreate(keyPath);
  return section.empty() ? std::move(key) : key.OpenOrCreateSubkey(section);
}

}  // namespace

std::optional<StoredValues> RegistryStore::ReadAll(std::string_view section) const {
  const auto listed = Open(keyPath_, section).StringValues();
  if (!listed) return std::nullopt;
  StoredValues values;
  for (const auto& [name, text] : *listed) values.emplace(name, text);
  return values;
}

std::optional<StoredValues> RegistryStore::Read(std::string_view section, const std::vector<std::string>& names) const {
  const win::RegistryKey key = Open(keyPath_, section);
  if (!key) return std::nullopt;
  StoredValues values;
  for (const std::string& name : names) {
    if (std::optional<std::string> text = key.ReadString(name)) values.emplace(name, std::move(*text));
  }
  return values;
}

bool RegistryStore::Write(std::string_view section, const std::vector<StoredValue>& values,
                          const std::vector<std::string>& removed) {
  win::RegistryKey key = Open(keyPath_, section);
  bool written = static_cast<bool>(key);
  for (const StoredValue& value : values) written = key.WriteString(value.name, value.text) && written;
  for (const std::string& name : removed) written = key.DeleteValue(name) && written;
  return written;
}

}  // namespace pavane
