#pragma once

#include <string_view>

#include "forms/prompter.h"

namespace pavane {

// The "Open ROM" file dialog, as every command that picks ROM images opens
// it: the ROM formats first, then all files; the path and the files must exist.
forms::FileDialogRequest RomOpenRequest(std::string_view initialDirectory, std::string_view fileName);

}  // namespace pavane
