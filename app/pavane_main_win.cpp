// Program entry: the -U switch, the main window, a ROM passed on the command
// line and the message loop.

#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <vector>

#include "app/app_state.h"
#include "app/app_title_win.h"
#include "app/program_arguments.h"
#include "app/program_win.h"
#include "app/prompter_win.h"
#include "app/registry_state.h"
#include "app/uninstall_win.h"
#include "base/message_texts.h"
#include "win32/ansi_path.h"
#include "win32/error_display.h"
#include "win32/form_window.h"
#include "win32/resource_string.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitCommonControls();
  try {
    pavane::AppState state;
    state.AppTitle = pavane::LoadAppTitle();
    pavane::win::SetErrorCaption(state.AppTitle);
    const std::string registryKey = pavane::ProgramKeyPath(state.AppTitle);
    pavane::win::Win32Prompter prompter;
    // Read in full, so that a ROM whose name the code page cannot hold is not taken for another.
    const std::string commandLine = pavane::win::CommandLineUtf8();
    if (pavane::RunUninstallSwitch(commandLine, pavane::win::NamesFileUtf8, state.AppTitle,
                                   pavane::win::LoadResourceString(IDS_DELETE_REGISTRY), registryKey, prompter))
      return 0;

    pavane::Win32Program program(state, prompter, registryKey);
    prompter.SetOwner(program.Window().Handle());
    if (!program.Main().FormCreate()) {
      program.Main().ExitClick();
      return 0;
    }
    // A ROM from "Open with" or a file association, once ZSNES.CFG is read:
    // its per-ROM settings then win over the file's.
    if (const auto rom = pavane::CommandLineRom(commandLine, pavane::win::NamesFileUtf8)) {
      const std::wstring path = pavane::win::WideFromUtf8(*rom);
      if (const auto usable = pavane::win::AnsiPath(path)) {
        program.Main().ChooseRom(*usable);
      } else {
        pavane::win::ReportUnusableName(program.Window().Handle(), path);
      }
    }
    return pavane::win::RunMessageLoop();
  } catch (const std::exception& error) {
    MessageBoxA(nullptr, error.what(), "Pavane", MB_OK | MB_ICONERROR);
    return 1;
  }
}
