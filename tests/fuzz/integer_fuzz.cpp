// Any text as an integer: what reads back prints back to a text that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/text_rules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto value = pavane::ParseInteger(std::string_view(reinterpret_cast<const char*>(data), size));
  if (value && pavane::ParseInteger(std::to_string(*value)) != value) std::abort();
  return 0;
}
