#pragma once

#include <string>

namespace pavane::win {

// An entry of the program's string table; empty when there is none.
std::string LoadResourceString(unsigned id);

}  // namespace pavane::win
