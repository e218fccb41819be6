#include "launch/short_path_win.h"

#include <windows.h>

#include <vector>

namespace pavane::win {

std::optional<std::string> ShortPathName(const std::string& path) {
  DWORD size = GetShortPathNameA(path.c_str(), nullptr, 0);
  while (size != 0) {
    std::vector<char> buffer(size);
    const DWORD length = GetShortPathNameA(path.c_str(), buffer.data(), size);
    if (length == 0) break;
    if (length < size) return std::string(buffer.data(), length);
    size = length;  // the path changed between the calls and needs more room now
  }
  return std::nullopt;
}

}  // namespace pavane::win
