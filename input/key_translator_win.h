#pragma once

#include "input/key_translator.h"

namespace pavane {

// The system's keyboard layout (MapVirtualKeyA, virtual key to scan code).
class SystemKeyTranslator : public KeyTranslator {
 public:
  std::int32_t ScanCodeOf(int virtualKey) const override;
};

}  // namespace pavane
