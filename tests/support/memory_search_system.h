#pragma once

#include <functional>
#include <vector>

#include "locate/search_system.h"
#include "tests/support/memory_lister.h"

namespace pavane::testing {

// Drives and their directories in memory; `onMessages` runs wherever the
// search lets the window catch up, so a test can look at the dialog mid-walk.
struct MemorySearchSystem : SearchSystem {
  std::vector<DriveInfo> Drives() override { return drives; }
  char CurrentDrive() override { return current; }
  DirectoryLister& Lister() override { return disk; }
  void ProcessMessages() override {
    ++messageTurns;
    if (!quiet) ++turnsWithErrorBoxes;
    if (onMessages) onMessages();
  }
  void WithoutDriveErrorBoxes(const std::function<void()>& walk) override {
    quiet = true;
    walk();
    quiet = false;
  }

  std::vector<DriveInfo> drives = {{'A', ""}, {'C', "SYSTEM"}, {'D', ""}};
  char current = 'C';
  MemoryLister disk;
  int messageTurns = 0;
  // Turns of a walk that a drive's error box could have interrupted.
  bool quiet = false;
  int turnsWithErrorBoxes = 0;
  std::function<void()> onMessages;
};

}  // namespace pavane::testing
