#pragma once

#include <optional>
#include <string>

namespace pavane::win {

// The short (8.3) form of an existing path; nothing when the system cannot give
// one (the file is gone, or the volume keeps no short names).
std::optional<std::string> ShortPathName(const std::string& path);

}  // namespace pavane::win
