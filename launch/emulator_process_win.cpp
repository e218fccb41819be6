#include "launch/emulator_process_win.h"

#include <utility>

#include "launch/short_path_win.h"

namespace pavane::win {

namespace {

constexpr DWORD kEmulatorCreationFlags = CREATE_NEW_CONSOLE | HIGH_PRIORITY_CLASS | CREATE_SEPARATE_WOW_VDM;

// STARTUPINFOA wants a writable title; the system only reads it.
char kConsoleTitle[] = "ZSNES";

}  // namespace

EmulatorStartParameters EmulatorStartup() {
  EmulatorStartParameters parameters{};
  parameters.startupInfo.cb = sizeof(STARTUPINFOA);
  parameters.startupInfo.lpTitle = kConsoleTitle;
  parameters.startupInfo.dwFlags = STARTF_USESHOWWINDOW;
  parameters.startupInfo.wShowWindow = SW_SHOWMAXIMIZED;
  parameters.creationFlags = kEmulatorCreationFlags;
  parameters.inheritHandles = FALSE;
  return parameters;
}

EmulatorProcess::EmulatorProcess(UniqueKernelHandle process, UniqueKernelHandle thread)
    : process_(std::move(process)), thread_(std::move(thread)) {}

std::optional<DWORD> EmulatorProcess::ExitCode() const {
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
  return code;
}

bool EmulatorProcess::HasEnded() const {
  const std::optional<DWORD> code = ExitCode();
  return !code || *code != STILL_ACTIVE;
}

void EmulatorProcess::Terminate() { TerminateProcess(process_.Get(), 0); }

EmulatorStart StartEmulator(const std::string& commandLine, const std::string& workingDirectory) {
  EmulatorStartParameters parameters = EmulatorStartup();
  // CreateProcessA may write into the command line, so it gets its own copy.
  std::string line = commandLine;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, parameters.inheritHandles, parameters.creationFlags,
                      nullptr, workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &parameters.startupInfo,
                      &started))
    return EmulatorStart{.errorCode = GetLastError()};
  return EmulatorStart{.emulator = std::make_unique<EmulatorProcess>(UniqueKernelHandle(started.hProcess),
                                                                     UniqueKernelHandle(started.hThread))};
}

std::optional<std::string> Win32Launcher::ShortPath(const std::string& path) const { return ShortPathName(path); }

}  // namespace pavane::win
