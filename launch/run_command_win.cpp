#include "launch/run_command_win.h"

#include "forms/message_texts.h"
#include "launch/command_line.h"
#include "launch/emulator_process_win.h"
#include "launch/run_dialog_win.h"
#include "launch/short_path_win.h"
#include "settings/file_io.h"

namespace pavane::win {

void LaunchEmulator(HWND owner, forms::Prompter& prompts, const std::string& appTitle,
                    const std::string& zsnesDirText, const Settings& settings, const std::string& currentRom) {
  const std::string commandLine =
      ComposeCommandLine(zsnesDirText, ExecutableDirectory(), settings.ZSnesCmdLine, currentRom, ShortPathName);
  TRunDialog dialog(owner, currentRom);
  StartResult started = StartEmulator(commandLine, settings.GameDirectory);
  if (!started.process) {
    prompts.Show({.text = FormatText(TEXT_LAUNCH_FAILED, static_cast<int>(started.errorCode)),
                  .caption = appTitle,
                  .buttons = forms::Buttons::Ok,
                  .icon = forms::Icon::Error});
    return;
  }
  dialog.Watch(*started.process);
  // The emulator's handles close here; one left running goes on unwatched.
}

}  // namespace pavane::win
