#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "forms/prompter.h"
#include "settings/settings.h"

namespace pavane::win {

// The short (8.3) form of an existing path; nothing when the system cannot give one.
std::optional<std::string> ShortPathName(const std::string& path);

// The launch after the save question: composes the command line from the
// ZSNES directory as typed (`zsnesDirText`), the switch line and `currentRom`,
// starts the emulator in `GameDirectory` and watches it in the run dialog
// until it ends or the dialog is closed. A refused start is reported through
// `prompts` with the system's error code, and the dialog is never shown.
void LaunchEmulator(HWND owner, forms::Prompter& prompts, const std::string& appTitle,
                    const std::string& zsnesDirText, const Settings& settings, const std::string& currentRom);

}  // namespace pavane::win
