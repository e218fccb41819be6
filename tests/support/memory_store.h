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

// A registry key in memory; sections named in `refused` refuse every write.
class MemoryStore : public StateStore {
 public:
  std::optional<std::string> Read(std::string_view section, std::string_view name) const override {
    const auto value = values_.find({std::string(section), std::string(name)});
    if (value == values_.end()) return std::nullopt;
    return value->second;
  }
  std::vector<std::string> Names(std::string_view section) const override {
    std::vector<std::string> names;
    for (const auto& [key, value] : values_) {
      if (key.first == section) names.push_back(key.second);
    }
    return names;
  }
  bool Write(std::string_view section, std::string_view name, std::string_view value) override {
    if (refused.contains(std::string(section))) return false;
    values_[{std::string(section), std::string(name)}] = std::string(value);
    return true;
  }
  std::string KeyPath() const override { return "Software\\Pavane"; }

  std::set<std::string> refused;

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace pavane::testing
