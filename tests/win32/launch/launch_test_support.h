#pragma once

#include <windows.h>

#include <chrono>
#include <map>
#include <string>
#include <string_view>
#include <thread>

#include "tests/support/temp_dir.h"
#include "tests/win32/modal_observer.h"

namespace pavane::testing {

// A copy of the stand-in emulator in a fresh folder (named `folder` inside a
// temporary directory) and the place where it writes what it received.
class StandInFolder {
 public:
  explicit StandInFolder(std::string_view folder = "emulator");

  // The folder with its trailing backslash, as a user types it.
  std::string Directory() const { return directory_; }
  std::string RecordPath() const { return temp_.File("record.txt"); }
  const TempDir& Temp() const { return temp_; }

  // The stand-in's record as key and value, once it has been written whole;
  // empty when it does not appear within a few seconds.
  std::map<std::string, std::string> Record() const;

 private:
  TempDir temp_;
  std::string directory_;
};

// Sets an environment variable, which the started stand-in inherits, for one scope.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
    SetEnvironmentVariableA(name, value.c_str());
  }
  ~ScopedEnvironment() { SetEnvironmentVariableA(name_, nullptr); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
};

// Waits until `found` gives a window, or the time is up.
template <class Find>
HWND WaitForWindow(Find found, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (const HWND window = found()) return window;
    if (std::chrono::steady_clock::now() > deadline) return nullptr;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

// True when the process ends within `timeout`.
bool WaitForExit(HANDLE process, std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A ROM image of 64 KiB whose low-bank header holds `title` and a valid checksum pair.
std::string RomImage(std::string_view title);

// Our current directory, which an emulator started without one inherits.
std::string CurrentDirectory();

}  // namespace pavane::testing
