#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "launch/emulator.h"
#include "win32/handles.h"

namespace pavane::win {

// How every emulator is started: a new console titled "ZSNES", maximised, at
// high priority, in a separate virtual DOS machine, inheriting no handles.
struct EmulatorStartParameters {
  STARTUPINFOA startupInfo;
  DWORD creationFlags;
  BOOL inheritHandles;
};

EmulatorStartParameters EmulatorStartup();

// A started emulator. Owns its process and thread handles; destroying the
// object closes them and leaves the emulator running.
class EmulatorProcess : public Emulator {
 public:
  EmulatorProcess(UniqueKernelHandle process, UniqueKernelHandle thread);

  // STILL_ACTIVE (259) while the emulator runs; nothing when the query fails.
  std::optional<DWORD> ExitCode() const;
  bool HasEnded() const override;
  void Terminate() override;
  HANDLE Handle() const { return process_.Get(); }

 private:
  UniqueKernelHandle process_;
  UniqueKernelHandle thread_;
};

// Starts `commandLine` (its first word names the executable) in
// `workingDirectory`; an empty directory inherits ours.
EmulatorStart StartEmulator(const std::string& commandLine, const std::string& workingDirectory);

// The real processes and short paths.
class Win32Launcher : public EmulatorLauncher {
 public:
  EmulatorStart Start(const std::string& commandLine, const std::string& workingDirectory) override {
    return StartEmulator(commandLine, workingDirectory);
  }
  std::optional<std::string> ShortPath(const std::string& path) const override;
};

}  // namespace pavane::win
