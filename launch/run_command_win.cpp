#include "launch/run_command_win.h"

#include <vector>

#include "app/resource_ids.h"
#include "launch/command_line.h"
#include "launch/emulator_process_win.h"
#include "launch/launch_failed.h"
#include "launch/launch_texts.h"
#include "launch/run_dialog_win.h"
#include "settings/file_io.h"

namespace pavane::win {

namespace {

// The string table's entry, or the built-in text when this module has none.
std::string LaunchFailedFormat() {
  for (int size = 256; size <= 65536; size *= 2) {
    std::vector<char> buffer(static_cast<std::size_t>(size));
    const int length = LoadStringA(GetModuleHandleA(nullptr), IDS_LAUNCH_FAILED, buffer.data(), size);
    if (length == 0) break;
    // A text that fills the buffer may have been cut short.
    if (length < size - 1) return std::string(buffer.data(), static_cast<std::size_t>(length));
  }
  return PAVANE_TEXT_LAUNCH_FAILED;
}

}  // namespace

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

void LaunchEmulator(HWND owner, forms::Prompter& prompts, const std::string& appTitle,
                    const std::string& zsnesDirText, const Settings& settings, const std::string& currentRom) {
  const std::string commandLine =
      ComposeCommandLine(zsnesDirText, ExecutableDirectory(), settings.ZSnesCmdLine, currentRom, ShortPathName);
  TRunDialog dialog(owner, currentRom);
  StartResult started = StartEmulator(commandLine, settings.GameDirectory);
  if (!started.process) {
    prompts.Show({.text = LaunchFailedMessage(LaunchFailedFormat(), static_cast<int>(started.errorCode)),
                  .caption = appTitle,
                  .buttons = forms::Buttons::Ok,
                  .icon = forms::Icon::Error});
    return;
  }
  dialog.Watch(*started.process);
}

}  // namespace pavane::win
