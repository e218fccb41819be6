#pragma once

#include <vector>

#include "locate/search_system.h"

namespace pavane {

// The machine's drives and file system, and the program's message queue.
class Win32SearchSystem : public SearchSystem {
 public:
  std::vector<DriveInfo> Drives() override;
  char CurrentDrive() override;
  DirectoryLister& Lister() override;
  void ProcessMessages() override;
  void WithoutDriveErrorBoxes(const std::function<void()>& walk) override;
};

}  // namespace pavane
