#include "input/key_translator_win.h"

#include <windows.h>

namespace pavane {

// Map type 0 gives one code for the left and the right Shift, Ctrl and Alt.
std::int32_t SystemKeyTranslator::ScanCodeOf(int virtualKey) const {
  return static_cast<std::int32_t>(MapVirtualKeyA(static_cast<UINT>(virtualKey), 0));
}

}  // namespace pavane
