#pragma once

#include <string>

#include "forms/form_view.h"
#include "forms/prompter.h"
#include "launch/emulator.h"
#include "settings/settings.h"

namespace pavane {

// What a launch reads and whom it asks.
struct LaunchContext {
  forms::FormHost& forms;
  forms::FormView* owner;
  forms::Prompter& prompts;
  EmulatorLauncher& launcher;
  const std::string& appTitle;
};

// The launch after the save question: composes the command line from the
// ZSNES directory as typed (`zsnesDirText`), the switch line and `currentRom`,
// starts the emulator in `GameDirectory` (in our own current directory when
// that is empty) and watches it in the run dialog until it ends or the dialog
// is closed. A refused start is reported with the system's error code, and
// the dialog is never shown.
void LaunchEmulator(const LaunchContext& context, const std::string& zsnesDirText, const Settings& settings,
                    const std::string& currentRom);

}  // namespace pavane
