#pragma once

#include <windows.h>

#include <string>

#include "forms/prompter.h"
#include "settings/settings.h"

namespace pavane::win {

// The launch after the save question: composes the command line from the
// ZSNES directory as typed (`zsnesDirText`), the switch line and `currentRom`,
// starts the emulator in `GameDirectory` (in our own current directory when
// that is empty) and watches it in the run dialog until it ends or the dialog
// is closed. A refused start is reported through `prompts` with the system's
// error code, and the dialog is never shown.
void LaunchEmulator(HWND owner, forms::Prompter& prompts, const std::string& appTitle,
                    const std::string& zsnesDirText, const Settings& settings, const std::string& currentRom);

}  // namespace pavane::win
