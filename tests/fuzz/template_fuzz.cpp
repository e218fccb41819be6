// Any bytes as a binary template: a damaged file is refused whole, and a file
// that reads writes back to the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/template_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pavane;
  const auto decoded = DecodeTemplate(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!decoded) return 0;
  const auto again = DecodeTemplate(EncodeTemplate(decoded->settings));
  if (!again || !(again->settings == decoded->settings) || again->version != kTemplateVersion) std::abort();
  return 0;
}
