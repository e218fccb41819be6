// The drive walk on the real file system: dot directories, link loops and a
// tree deeper than the longest path.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "locate/drive_search.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

// The finds, in order.
class Finds : public SearchProgress {
 public:
  void Entering(const std::string&) override {}
  void Found(const std::string& path) override { found.push_back(path); }
  void DirectoryDone() override {}

  std::vector<std::string> found;
};

// On the real file system.
class SystemDriveSearch : public ::testing::Test {
 protected:
  std::string Root() const { return dir.Path().string() + "/"; }
  void MakeDirs(const std::string& relative) { std::filesystem::create_directories(dir.Path() / relative); }
  void Copy(const std::string& relative) { dir.Write(relative + "/ZSNES.EXE", "MZ"); }
  std::vector<std::string> Search() {
    Finds walk;
    SearchDir(SystemDirectoryLister(), Root(), "ZSNES.EXE", walk);
    return walk.found;
  }

  testing::TempDir dir;
};

TEST_F(SystemDriveSearch, FindsCopiesButNotInDotDirectoriesOrBelowACopy) {
  MakeDirs("EMU/ZSNES/BELOW");
  MakeDirs("ZSNES.040");
  MakeDirs(".hidden");
  Copy("EMU/ZSNES");
  Copy("EMU/ZSNES/BELOW");
  Copy("ZSNES.040");
  Copy(".hidden");
  EXPECT_EQ(Search(), (std::vector<std::string>{Root() + "EMU/ZSNES/ZSNES.EXE"}));
}

TEST_F(SystemDriveSearch, ALinkLoopIsNotFollowed) {
  MakeDirs("A/B");
  std::filesystem::create_directory_symlink("../..", dir.Path() / "A/B/UP");
  std::filesystem::create_directory_symlink(dir.Path() / "A", dir.Path() / "ALIAS");
  Copy("A");
  EXPECT_EQ(Search(), (std::vector<std::string>{Root() + "A/ZSNES.EXE"}));
}

// Directories made and removed through descriptors, so the tree can go
// deeper than any path the system accepts.
TEST_F(SystemDriveSearch, ATreeDeeperThanTheLongestPathEndsQuietly) {
  const std::string name(200, 'D');
  const std::size_t levels = 2 * PATH_MAX / (name.size() + 1);
  int parent = open(dir.Path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(parent, 0);
  std::size_t depth = 0;
  for (; depth < levels; ++depth) {
    ASSERT_EQ(mkdirat(parent, name.c_str(), 0755), 0);
    const int child = openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY);
    close(parent);
    ASSERT_GE(child, 0);
    parent = child;
    // A copy near the limit is found; one past it cannot be reached.
    if (depth == levels / 2 - 2 || depth == levels - 1) close(openat(parent, "ZSNES.EXE", O_CREAT | O_WRONLY, 0644));
  }
  close(parent);
  const std::vector<std::string> found = Search();
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].size(), Root().size() + (levels / 2 - 1) * (name.size() + 1) + 9);
  // remove_all cannot reach that deep; the system's rm walks by descriptors.
  ASSERT_EQ(std::system(("rm -rf '" + dir.Path().string() + "/" + name + "'").c_str()), 0);
}

}  // namespace
}  // namespace pavane
