// The drive walk's view of a POSIX file system: dot names are its hidden ones.
#include <dirent.h>
#include <sys/stat.h>

#include "locate/directory_lister.h"

namespace pavane {
namespace {

class PosixLister : public DirectoryLister {
 public:
  bool FileExists(const std::string& path) override {
    struct stat status;
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
  }

  void ListDirectories(const std::string& directory, std::vector<DirectoryEntry>& entries) override {
    DIR* listing = opendir(directory.c_str());
    if (!listing) return;
    while (const dirent* entry = readdir(listing)) {
      bool link = entry->d_type == DT_LNK;
      bool isDirectory = entry->d_type == DT_DIR || link;
      if (entry->d_type == DT_UNKNOWN) {
        struct stat status;
        if (lstat((directory + entry->d_name).c_str(), &status) != 0) continue;
        link = S_ISLNK(status.st_mode);
        isDirectory = S_ISDIR(status.st_mode) || link;
      }
      // Links are reported whatever they point at: the walk enters none of them.
      if (!isDirectory) continue;
      entries.push_back({.name = entry->d_name, .hidden = entry->d_name[0] == '.', .link = link});
    }
    closedir(listing);
  }

  char Separator() const override { return '/'; }
};

}  // namespace

DirectoryLister& SystemDirectoryLister() {
  static PosixLister lister;
  return lister;
}

}  // namespace pavane
