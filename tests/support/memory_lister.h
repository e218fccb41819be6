#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "locate/directory_lister.h"

namespace pavane::testing {

// Directories by path ("C:\EMU\"), each with its subdirectories in listing
// order; files by full path. Counts what the walk asks.
class MemoryLister : public DirectoryLister {
 public:
  MemoryLister& Dir(const std::string& path, std::vector<DirectoryEntry> children) {
    dirs[path] = std::move(children);
    return *this;
  }
  MemoryLister& File(const std::string& path) {
    files.insert(path);
    return *this;
  }

  bool FileExists(const std::string& path) override { return files.contains(path); }
  void ListDirectories(const std::string& directory, std::vector<DirectoryEntry>& entries) override {
    listed.push_back(directory);
    if (auto found = dirs.find(directory); found != dirs.end()) entries = found->second;
  }
  char Separator() const override { return '\\'; }

  std::map<std::string, std::vector<DirectoryEntry>> dirs;
  std::set<std::string> files;
  std::vector<std::string> listed;
};

}  // namespace pavane::testing
