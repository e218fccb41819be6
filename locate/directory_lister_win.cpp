// The drive walk's view of a Windows file system.
#include <windows.h>

#include "locate/directory_lister.h"
#include "win32/handles.h"

namespace pavane {
namespace {

// Systems before Windows 7 know neither the short listing without 8.3 names
// nor the larger fetches; they refuse both with an invalid parameter.
constexpr auto kInfoBasic = static_cast<FINDEX_INFO_LEVELS>(1);
constexpr DWORD kLargeFetch = 2;

bool IsNameSurrogate(DWORD tag) { return (tag & 0x20000000) != 0; }

class Win32Lister : public DirectoryLister {
 public:
  bool FileExists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  void ListDirectories(const std::string& directory, std::vector<DirectoryEntry>& entries) override {
    const std::string pattern = directory + "*";
    // Cleared before every call: a system that does not report the reparse
    // tag leaves it zero, and an unknown tag counts as a link.
    WIN32_FIND_DATAA data{};
    win::UniqueFind find(Open(pattern, data));
    if (!find) return;
    do {
      Add(data, entries);
      data = WIN32_FIND_DATAA{};
    } while (FindNextFileA(find.Get(), &data));
  }

  char Separator() const override { return '\\'; }

 private:
  HANDLE Open(const std::string& pattern, WIN32_FIND_DATAA& data) {
    if (fastListing_) {
      const HANDLE find =
          FindFirstFileExA(pattern.c_str(), kInfoBasic, &data, FindExSearchLimitToDirectories, nullptr, kLargeFetch);
      if (find != INVALID_HANDLE_VALUE || GetLastError() != ERROR_INVALID_PARAMETER) return find;
      fastListing_ = false;
      data = WIN32_FIND_DATAA{};
    }
    return FindFirstFileExA(pattern.c_str(), FindExInfoStandard, &data, FindExSearchNameMatch, nullptr, 0);
  }

  static void Add(const WIN32_FIND_DATAA& data, std::vector<DirectoryEntry>& entries) {
    const DWORD attributes = data.dwFileAttributes;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    const bool reparse = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    entries.push_back({.name = data.cFileName,
                       .hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0,
                       .system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0,
                       .link = reparse && (data.dwReserved0 == 0 || IsNameSurrogate(data.dwReserved0))});
  }

  bool fastListing_ = true;
};

}  // namespace

DirectoryLister& SystemDirectoryLister() {
  static Win32Lister lister;
  return lister;
}

}  // namespace pavane
