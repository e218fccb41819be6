#include <windows.h>

#include "launch/rom_title.h"
#include "win32/handles.h"

namespace pavane {

std::string GetRomTitle(const std::string& path) {
  // No sharing: a ROM another program holds open gives its path, not a half-written title.
  win::UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size)) return path;
  return RomTitleFromImage(static_cast<std::uint64_t>(size.QuadPart), [&file](std::uint64_t offset) {
    std::string bytes(32, '\0');
    LARGE_INTEGER position{};
    position.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    if (!SetFilePointerEx(file.Get(), position, nullptr, FILE_BEGIN) ||
        !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
      read = 0;
    bytes.resize(read);
    return bytes;
  });
}

}  // namespace pavane
