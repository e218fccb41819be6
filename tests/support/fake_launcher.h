#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "launch/emulator.h"

namespace pavane::testing {

// An emulator that runs until the test ends it; its launcher counts the
// terminations, which come after it is gone from the test's reach.
class FakeEmulator : public Emulator {
 public:
  explicit FakeEmulator(int& terminations) : terminations_(terminations) {}
  bool HasEnded() const override { return ended; }
  void Terminate() override {
    ++terminations_;
    ended = true;
  }
  bool ended = false;

 private:
  int& terminations_;
};

// Records what would have been started; refuses with `refusal` when it is set.
// A path's short form is the path after "SHORT:".
class FakeLauncher : public EmulatorLauncher {
 public:
  struct Launch {
    std::string commandLine;
    std::string directory;
  };

  EmulatorStart Start(const std::string& commandLine, const std::string& workingDirectory) override {
    launches.push_back({commandLine, workingDirectory});
    if (refusal) return EmulatorStart{.errorCode = *refusal};
    auto emulator = std::make_unique<FakeEmulator>(terminations);
    last = emulator.get();
    return EmulatorStart{.emulator = std::move(emulator)};
  }
  std::optional<std::string> ShortPath(const std::string& path) const override { return "SHORT:" + path; }

  std::vector<Launch> launches;
  std::optional<unsigned long> refusal;
  int terminations = 0;
  FakeEmulator* last = nullptr;  // valid only while the launch watches it
};

}  // namespace pavane::testing
