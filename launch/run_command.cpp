#include "launch/run_command.h"

#include "base/message_texts.h"
#include "launch/command_line.h"
#include "launch/run_dialog.h"
#include "settings/file_io.h"

namespace pavane {

void LaunchEmulator(const LaunchContext& context, const std::string& zsnesDirText, const Settings& settings,
                    const std::string& currentRom) {
  const std::string commandLine =
      ComposeCommandLine(zsnesDirText, ExecutableDirectory(), settings.ZSnesCmdLine, currentRom,
                         [&context](const std::string& path) { return context.launcher.ShortPath(path); });
  TRunDialog dialog(context.forms, context.owner, currentRom);
  EmulatorStart started = context.launcher.Start(commandLine, settings.GameDirectory);
  if (!started.emulator) {
    context.prompts.Show({.text = FormatText(TEXT_LAUNCH_FAILED, static_cast<int>(started.errorCode)),
                          .caption = context.appTitle,
                          .buttons = forms::Buttons::Ok,
                          .icon = forms::Icon::Error});
    return;
  }
  dialog.Watch(*started.emulator);
  // The emulator's handles close here; one left running goes on unwatched.
}

}  // namespace pavane
