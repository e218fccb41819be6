#pragma once

#include <string>

#include "app/state_store.h"

namespace pavane {

// The state in the real registry, below HKEY_CURRENT_USER at `keyPath`; every
// call opens (and if need be creates) the key and closes it again.
class RegistryStore : public StateStore {
 public:
  explicit RegistryStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

  std::optional<StoredValues> ReadAll(std::string_view section) const override;
  std::optional<StoredValues> Read(std::string_view section, const std::vector<std::string>& names) const override;
  bool Write(std::string_view section, const std::vector<StoredValue>& values,
             const std::vector<std::string>& removed) override;
  std::string KeyPath() const override { return keyPath_; }

 private:
  std::string keyPath_;
};

}  // namespace pavane
