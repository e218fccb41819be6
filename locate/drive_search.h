#pragma once

#include <string>
#include <string_view>

#include "locate/directory_lister.h"

namespace pavane {

// What a drive walk tells its dialog as it goes.
class SearchProgress {
 public:
  virtual ~SearchProgress() = default;
  // A directory (ending in the separator) is entered.
  virtual void Entering(const std::string& directory) = 0;
  // The file was found: its directory followed by the file name as searched for.
  virtual void Found(const std::string& path) = 0;
  // A directory and everything below it are done; the window catches up.
  virtual void DirectoryDone() = 0;
};

// Visits `directory` (ending in the separator) and, unless `fileName` is
// there, its subdirectories, depth first in the file system's order. Hidden,
// system and link directories and names with a period anywhere are left
// out. There is no depth limit: the walk keeps its own stack, so only the
// longest path the system accepts bounds it.
void SearchDir(DirectoryLister& lister, const std::string& directory, std::string_view fileName,
               SearchProgress& progress);

// The search dialog's closing text after `found` finds in its list.
std::string SearchResultText(int found);

// The directory of a found file, with its trailing "\" (or ":"): the line
// cut after its last "\" or ":"; empty when it has neither.
std::string FoundDirectory(std::string_view line);

}  // namespace pavane
