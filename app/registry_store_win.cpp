#include "app/registry_store_win.h"

#include "win32/registry.h"

namespace pavane {
namespace {

win::RegistryKey Open(const std::string& keyPath, std::string_view section) {
  win::RegistryKey key = win::RegistryKey::OpenOrCreate(keyPath);
  return section.empty() ? std::move(key) : key.OpenOrCreateSubkey(section);
}

}  // namespace

std::optional<std::string> RegistryStore::Read(std::string_view section, std::string_view name) const {
  return Open(keyPath_, section).ReadString(name);
}

std::vector<std::string> RegistryStore::Names(std::string_view section) const {
  return Open(keyPath_, section).ValueNames();
}

bool RegistryStore::Write(std::string_view section, std::string_view name, std::string_view value) {
  return Open(keyPath_, section).WriteString(name, value);
}

}  // namespace pavane
