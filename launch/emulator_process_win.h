#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "win32/handle.h"

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
class EmulatorProcess {
 public:
  EmulatorProcess(UniqueKernelHandle process, UniqueKernelHandle thread);

  // STILL_ACTIVE (259) while the emulator runs; nothing when the query fails.
  std::optional<DWORD> ExitCode() const;
  // A failed query counts as ended: there is nothing left to watch.
  bool HasEnded() const;
  // Ends the emulator with exit code 0 without waiting for it.
  void Terminate() const;
  HANDLE Handle() const { return process_.Get(); }

 private:
  UniqueKernelHandle process_;
  UniqueKernelHandle thread_;
};

// The emulator, or the system's reason for refusing to start it.
struct StartResult {
  std::optional<EmulatorProcess> process;
  DWORD errorCode = 0;
};

// Starts `commandLine` (its first word names the executable) in
// `workingDirectory`; an empty directory inherits ours.
StartResult StartEmulator(const std::string& commandLine, const std::string& workingDirectory);

}  // namespace pavane::win
