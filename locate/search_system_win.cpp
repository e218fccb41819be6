#include "locate/search_system_win.h"

#include <windows.h>

#include <string>

#include "win32/form_window.h"

namespace pavane {

namespace {

// A drive without a medium answers without the system's "insert a disk" box.
class QuietDriveErrors {
 public:
  QuietDriveErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
  ~QuietDriveErrors() { SetErrorMode(previous_); }
  QuietDriveErrors(const QuietDriveErrors&) = delete;
  QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

 private:
  UINT previous_;
};

}  // namespace

// Floppy drives are not asked for their names: that would spin them up.
std::vector<DriveInfo> Win32SearchSystem::Drives() {
  const QuietDriveErrors quiet;
  std::vector<DriveInfo> drives;
  const DWORD present = GetLogicalDrives();
  for (int bit = 0; bit < 26; ++bit) {
    if (!(present & (1u << bit))) continue;
    DriveInfo drive{.letter = static_cast<char>('A' + bit)};
    const char root[] = {drive.letter, ':', '\\', '\0'};
    const bool floppy = bit < 2 && GetDriveTypeA(root) == DRIVE_REMOVABLE;
    char name[MAX_PATH + 1] = {};
    if (!floppy && GetVolumeInformationA(root, name, sizeof name, nullptr, nullptr, nullptr, nullptr, 0))
      drive.volumeName = name;
    drives.push_back(std::move(drive));
  }
  return drives;
}

// A current directory on a network share ("\\server\share") has no drive letter.
char Win32SearchSystem::CurrentDrive() {
  char directory[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof directory, directory);
  if (length < 2 || length > MAX_PATH || directory[1] != ':') return '\0';
  const char letter = directory[0];
  return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

DirectoryLister& Win32SearchSystem::Lister() { return SystemDirectoryLister(); }

void Win32SearchSystem::ProcessMessages() { win::PumpMessages(); }

void Win32SearchSystem::WithoutDriveErrorBoxes(const std::function<void()>& walk) {
  const QuietDriveErrors quiet;
  walk();
}

}  // namespace pavane
