#pragma once

#include <string>
#include <vector>

namespace pavane {

// One subdirectory as a directory listing reports it.
struct DirectoryEntry {
  std::string name;
  bool hidden = false;
  bool system = false;
  // A junction or symbolic link (or a reparse point the system does not
  // describe): it may lead back up the tree, so the walk does not enter it.
  bool link = false;
};

// What the drive walk needs of a file system.
class DirectoryLister {
 public:
  virtual ~DirectoryLister() = default;
  // Whether `path` names a file (not a directory).
  virtual bool FileExists(const std::string& path) = 0;
  // The subdirectories of `directory` (which ends in the separator) in the
  // order the file system returns them, "." and ".." included or not. A
  // directory that cannot be listed, its path too long for the system
  // included, has none.
  virtual void ListDirectories(const std::string& directory, std::vector<DirectoryEntry>& entries) = 0;
  // What follows each directory name in a path: "\" on Windows.
  virtual char Separator() const = 0;
};

// The file system of the running system.
DirectoryLister& SystemDirectoryLister();

}  // namespace pavane
