// The drive walk on a file system in memory: its order, what it leaves out,
// where it stops, and the result texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "locate/drive_search.h"
#include "tests/support/memory_lister.h"

namespace pavane {
namespace {

using testing::MemoryLister;

// Everything the dialog would hear, in order: "enter X", "found X", "done".
class Recorder : public SearchProgress {
 public:
  void Entering(const std::string& directory) override { events.push_back("enter " + directory); }
  void Found(const std::string& path) override {
    events.push_back("found " + path);
    found.push_back(path);
  }
  void DirectoryDone() override { events.push_back("done"); }

  std::vector<std::string> events;
  std::vector<std::string> found;
};

DirectoryEntry Plain(std::string name) { return {.name = std::move(name)}; }

TEST(DriveSearch, ACopyInTheRootEndsTheWalkThere) {
  MemoryLister disk;
  disk.Dir("C:\\", {Plain("EMU")}).Dir("C:\\EMU\\", {}).File("C:\\ZSNES.EXE").File("C:\\EMU\\ZSNES.EXE");
  Recorder walk;
  SearchDir(disk, "C:\\", "ZSNES.EXE", walk);
  EXPECT_EQ(walk.events, (std::vector<std::string>{"enter C:\\", "found C:\\ZSNES.EXE", "done"}));
  EXPECT_TRUE(disk.listed.empty());
  EXPECT_EQ(FoundDirectory(walk.found[0]), "C:\\");
}

TEST(DriveSearch, WalksDepthFirstInListingOrderWithOneDonePerDirectory) {
  MemoryLister disk;
  // The listing order is the file system's, not the alphabet's.
  disk.Dir("C:\\", {Plain("GAMES"), Plain("EMU")})
      .Dir("C:\\GAMES\\", {Plain("ZSNES")})
      .Dir("C:\\EMU\\", {Plain("ZSNES"), Plain("OTHER")})
      .Dir("C:\\EMU\\OTHER\\", {})
      .File("C:\\GAMES\\ZSNES\\ZSNES.EXE")
      .File("C:\\EMU\\ZSNES\\ZSNES.EXE");
  Recorder walk;
  SearchDir(disk, "C:\\", "ZSNES.EXE", walk);
  EXPECT_EQ(walk.events,
            (std::vector<std::string>{"enter C:\\", "enter C:\\GAMES\\", "enter C:\\GAMES\\ZSNES\\",
                                      "found C:\\GAMES\\ZSNES\\ZSNES.EXE", "done", "done", "enter C:\\EMU\\",
                                      "enter C:\\EMU\\ZSNES\\", "found C:\\EMU\\ZSNES\\ZSNES.EXE", "done",
                                      "enter C:\\EMU\\OTHER\\", "done", "done", "done"}));
  EXPECT_EQ(SearchResultText(static_cast<int>(walk.found.size())), "2 directories found.");
  // Every listing is complete before the first of its directories is entered.
  EXPECT_EQ(disk.listed, (std::vector<std::string>{"C:\\", "C:\\GAMES\\", "C:\\EMU\\", "C:\\EMU\\OTHER\\"}));
}

TEST(DriveSearch, LeavesOutPeriodsHiddenSystemAndLinks) {
  MemoryLister disk;
  disk.Dir("C:\\", {Plain("."),
                    Plain(".."),
                    Plain("ZSNES.040"),
                    Plain("TRAILING."),
                    {.name = "SECRET", .hidden = true},
                    {.name = "WINDOWS", .system = true},
                    {.name = "LOOP", .link = true},
                    Plain("EMU")})
      .Dir("C:\\EMU\\", {Plain("ZSNES")})
      .Dir("C:\\EMU\\ZSNES\\", {Plain("COPY")})
      .File("C:\\EMU\\ZSNES\\ZSNES.EXE")
      .File("C:\\EMU\\ZSNES\\COPY\\ZSNES.EXE");  // below a find: never reached
  for (const char* name : {"ZSNES.040", "TRAILING.", "SECRET", "WINDOWS", "LOOP"}) {
    disk.Dir(std::string("C:\\") + name + "\\", {}).File(std::string("C:\\") + name + "\\ZSNES.EXE");
  }
  Recorder walk;
  SearchDir(disk, "C:\\", "ZSNES.EXE", walk);
  EXPECT_EQ(walk.found, (std::vector<std::string>{"C:\\EMU\\ZSNES\\ZSNES.EXE"}));
  EXPECT_EQ(disk.listed, (std::vector<std::string>{"C:\\", "C:\\EMU\\"}));
}

TEST(DriveSearch, AnUnlistableRootFindsNothing) {
  MemoryLister disk;
  Recorder walk;
  SearchDir(disk, "A:\\", "ZSNES.EXE", walk);
  EXPECT_EQ(walk.events, (std::vector<std::string>{"enter A:\\", "done"}));
  EXPECT_EQ(SearchResultText(0), "ZSNES not found.");
  EXPECT_EQ(SearchResultText(1), "1 directories found.");
}

TEST(DriveSearch, TheFoundDirectoryKeepsItsLastSeparator) {
  EXPECT_EQ(FoundDirectory("C:\\EMU\\ZSNES\\ZSNES.EXE"), "C:\\EMU\\ZSNES\\");
  EXPECT_EQ(FoundDirectory("D:ZSNES.EXE"), "D:");
  EXPECT_EQ(FoundDirectory("ZSNES.EXE"), "");
}

}  // namespace
}  // namespace pavane
