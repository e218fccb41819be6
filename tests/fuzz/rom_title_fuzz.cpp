// Any bytes as a ROM image: the title is at most 21 characters and holds no NUL.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launch/rom_title.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Small inputs stand for large images: the bytes repeat up to a size taken from them.
  if (size < 4) return 0;
  const std::uint64_t imageSize = (data[0] | data[1] << 8 | data[2] << 16) + (data[3] & 0x3) * 0x1000000ull;
  const std::string pattern(reinterpret_cast<const char*>(data + 4), size - 4);
  const auto reader = [&](std::uint64_t offset) {
    std::string bytes;
    for (std::uint64_t at = offset; at < imageSize && bytes.size() < 32 && !pattern.empty(); ++at)
      bytes += pattern[at % pattern.size()];
    return bytes;
  };
  const std::string title = pavane::RomTitleFromImage(imageSize, reader);
  if (title.size() > 21 || title.find('\0') != std::string::npos) std::abort();
  return 0;
}
