#pragma once

#include <functional>
#include <string>
#include <vector>

#include "locate/directory_lister.h"

namespace pavane {

// A drive as the drive picker lists it.
struct DriveInfo {
  char letter = 'C';
  std::string volumeName;  // empty when the drive has none or holds no medium
};

// The drive picker's row for a drive: the letter, a colon and the volume
// name in brackets when there is one.
std::string DriveItemText(const DriveInfo& drive);

// What the drive search needs of the machine.
class SearchSystem {
 public:
  virtual ~SearchSystem() = default;
  virtual std::vector<DriveInfo> Drives() = 0;
  // The letter of the current directory's drive; none (0) when it has no letter.
  virtual char CurrentDrive() = 0;
  virtual DirectoryLister& Lister() = 0;
  // Lets the program handle the window messages waiting (repaints and the like).
  virtual void ProcessMessages() = 0;
  // Runs `walk` so that a drive without a medium, or one that cannot be
  // read, fails quietly instead of raising the system's error box.
  virtual void WithoutDriveErrorBoxes(const std::function<void()>& walk) = 0;
};

}  // namespace pavane
