#include "win32/resource_string.h"

#include <windows.h>

namespace pavane::win {

std::string LoadResourceString(unsigned id) {
  // With a zero length LoadStringA hands back nothing useful in the ANSI
  // version, so grow a buffer until the text fits with room to spare.
  std::string text(256, '\0');
  for (;;) {
    const int length = LoadStringA(GetModuleHandleA(nullptr), id, text.data(), static_cast<int>(text.size()));
    if (length < static_cast<int>(text.size()) - 1) {
      text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

}  // namespace pavane::win
