#include <fstream>

#include "launch/rom_title.h"
#include "settings/file_io.h"

namespace pavane {

std::string GetRomTitle(const std::string& path) {
  std::ifstream file(SystemPath(path), std::ios::binary);
  if (!file || !FileExists(path)) return path;
  file.seekg(0, std::ios::end);
  const auto size = static_cast<std::uint64_t>(file.tellg());
  return RomTitleFromImage(size, [&file](std::uint64_t offset) {
    std::string bytes(32, '\0');
    file.clear();
    file.seekg(static_cast<std::streamoff>(offset));
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
  });
}

}  // namespace pavane
