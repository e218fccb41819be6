#pragma once

#include <cstdint>

namespace pavane {

// What the keyboard dialog needs of the system: the keyboard scan code of the
// key with a virtual-key code, 0 for a key without one.
class KeyTranslator {
 public:
  virtual ~KeyTranslator() = default;
  virtual std::int32_t ScanCodeOf(int virtualKey) const = 0;
};

}  // namespace pavane
