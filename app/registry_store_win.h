#pragma once

#include <string>

#include "app/state_store.h"

namespace pavane {

// The state in the real registry, below HKEY_CURRENT_USER at `keyPath`; every
// call opens (and if need be creates) the key and closes it again.
class RegistryStore : public StateStore {
 public:
  explicit RegistryStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

  std::optional<std::string> Read(std::string_view section, std::string_view name) const override;
  std::vector<std::string> Names(std::string_view section) const override;
  bool Write(std::string_view section, std::string_view name, std::string_view value) override;
  std::string KeyPath() const override { return keyPath_; }

 private:
  std::string keyPath_;
};

}  // namespace pavane
