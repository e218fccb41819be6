#pragma once

#include <memory>
#include <optional>
#include <string>

namespace pavane {

// A started emulator, as the run dialog watches it.
class Emulator {
 public:
  virtual ~Emulator() = default;
  // A failed query counts as ended: there is nothing left to watch.
  virtual bool HasEnded() const = 0;
  // Ends the emulator with exit code 0 without waiting for it.
  virtual void Terminate() = 0;
};

// The emulator, or the system's reason for refusing to start it.
struct EmulatorStart {
  std::unique_ptr<Emulator> emulator;
  unsigned long errorCode = 0;
};

// What launching needs of the system.
class EmulatorLauncher {
 public:
  virtual ~EmulatorLauncher() = default;
  // Starts `commandLine` (its first word names the executable) in
  // `workingDirectory`; an empty directory inherits ours.
  virtual EmulatorStart Start(const std::string& commandLine, const std::string& workingDirectory) = 0;
  // The short (8.3) form of an existing path; nothing when it cannot be had.
  virtual std::optional<std::string> ShortPath(const std::string& path) const = 0;
};

}  // namespace pavane
