#include "locate/drive_search.h"

#include <vector>

namespace pavane {
namespace {

// A directory being walked: the subdirectories still to enter, in order.
struct Frame {
  std::string directory;
  std::vector<std::string> children;
  std::size_t next = 0;
};

bool Enterable(const DirectoryEntry& entry) {
  return !entry.hidden && !entry.system && !entry.link && entry.name.find('.') == std::string::npos;
}

}  // namespace

void SearchDir(DirectoryLister& lister, const std::string& directory, std::string_view fileName,
               SearchProgress& progress) {
  const char separator = lister.Separator();
  std::vector<DirectoryEntry> entries;
  std::vector<Frame> stack;

  // Enters `path`: either a find, which ends that branch, or a new frame with
  // its subdirectories listed before any of them is entered.
  auto enter = [&](std::string path) {
    progress.Entering(path);
    std::string candidate = path;
    candidate += fileName;
    if (lister.FileExists(candidate)) {
      progress.Found(candidate);
      progress.DirectoryDone();
      return;
    }
    entries.clear();
    lister.ListDirectories(path, entries);
    Frame frame{std::move(path), {}, 0};
    for (DirectoryEntry& entry : entries) {
      if (Enterable(entry)) frame.children.push_back(std::move(entry.name));
    }
    stack.push_back(std::move(frame));
  };

  enter(directory);
  while (!stack.empty()) {
    Frame& top = stack.back();
    if (top.next == top.children.size()) {
      stack.pop_back();
      progress.DirectoryDone();
      continue;
    }
    std::string child = top.directory;
    child += top.children[top.next++];
    child += separator;
    enter(std::move(child));
  }
}

std::string SearchResultText(int found) {
  if (found == 0) return "ZSNES not found.";
  return std::to_string(found) + " directories found.";
}

std::string FoundDirectory(std::string_view line) {
  const std::size_t cut = line.find_last_of("\\:");
  if (cut == std::string_view::npos) return {};
  return std::string(line.substr(0, cut + 1));
}

}  // namespace pavane
