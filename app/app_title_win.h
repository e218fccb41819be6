#pragma once

#include <string>

namespace pavane {

// The program's title from string-table entry 100. It names the registry key
// that -U deletes, so it is never empty: without the entry it is "Pavane".
std::string LoadAppTitle();

}  // namespace pavane
