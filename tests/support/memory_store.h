#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/state_store.h"

namespace pavane::testing {

// A registry key in memory; sections named in `refused` refuse every write,
// and those named in `unreadable` cannot be read.
class MemoryStore : public StateStore {
 public:
  std::optional<StoredValues> ReadAll(std::string_view section) const override {
    if (unreadable.contains(std::string(section))) return std::nullopt;
    const auto found = sections_.find(std::string(section));
    return found == sections_.end() ? StoredValues{} : found->second;
  }
  std::optional<StoredValues> Read(std::string_view section, const std::vector<std::string>& names) const override {
    std::optional<StoredValues> all = ReadAll(section);
    if (!all) return std::nullopt;
    StoredValues values;
    for (const std::string& name : names) {
      if (const auto value = all->find(name); value != all->end()) values.insert(*value);
    }
    return values;
  }
  bool Write(std::string_view section, const std::vector<StoredValue>& values,
             const std::vector<std::string>& removed) override {
    if (refused.contains(std::string(section))) return false;
    for (const StoredValue& value : values) Write(section, value.name, value.text);
    for (const std::string& name : removed) sections_[std::string(section)].erase(name);
    return true;
  }
  std::string KeyPath() const override { return "Software\\Pavane"; }

  // One value, as a test sets and checks it.
  std::optional<std::string> Read(std::string_view section, std::string_view name) const {
    const auto found = sections_.find(std::string(section));
    if (found == sections_.end()) return std::nullopt;
    const auto value = found->second.find(name);
    if (value == found->second.end()) return std::nullopt;
    return value->second;
  }
  void Write(std::string_view section, std::string_view name, std::string_view value) {
    sections_[std::string(section)][std::string(name)] = std::string(value);
  }
  const StoredValues& Section(std::string_view section) { return sections_[std::string(section)]; }

  std::set<std::string> refused;
  std::set<std::string> unreadable;

 private:
  std::map<std::string, StoredValues> sections_;
};

}  // namespace pavane::testing
