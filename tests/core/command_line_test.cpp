#include <gtest/gtest.h>

#include "launch/command_line.h"

namespace pavane {
namespace {

std::optional<std::string> SuperGameShort(const std::string& path) {
  if (path == "C:\\ROMS\\Super Game.smc") return "C:\\ROMS\\SUPERG~1.SMC";
  if (path == "C:\\NO SHORT\\Game.smc") return path;  // volumes without short names give the long path
  return std::nullopt;
}

std::string Compose(std::string_view dir, std::string_view switches, const std::string& rom) {
  return ComposeCommandLine(dir, "D:\\PAVANE\\", switches, rom, SuperGameShort);
}

TEST(CommandLine, DirectoryExecutableSwitchesAndShortRom) {
  EXPECT_EQ(Compose("C:\\ZSNES", "-c -g 2", "C:\\ROMS\\Super Game.smc"),
            "C:\\ZSNES\\ZSNES.EXE -c -g 2 C:\\ROMS\\SUPERG~1.SMC");
  EXPECT_EQ(Compose("C:\\ZSNES\\", "", "C:\\ROMS\\Super Game.smc"), "C:\\ZSNES\\ZSNES.EXE C:\\ROMS\\SUPERG~1.SMC");
  EXPECT_EQ(Compose("C:\\ZSNES", "-d", ""), "C:\\ZSNES\\ZSNES.EXE -d");
  EXPECT_EQ(Compose("C:\\ZSNES", "", ""), "C:\\ZSNES\\ZSNES.EXE");
}

TEST(CommandLine, EmptyDirectoryMeansTheProgramsOwn) { EXPECT_EQ(Compose("", "", ""), "D:\\PAVANE\\ZSNES.EXE"); }

TEST(CommandLine, BlanksAreQuotedSoTheSystemFindsTheRightFiles) {
  EXPECT_EQ(Compose("C:\\Program Files\\ZSNES", "-c", ""), "\"C:\\Program Files\\ZSNES\\ZSNES.EXE\" -c");
  EXPECT_EQ(Compose("C:\\ZSNES", "", "C:\\NO SHORT\\Game.smc"), "C:\\ZSNES\\ZSNES.EXE \"C:\\NO SHORT\\Game.smc\"");
  EXPECT_EQ(Compose("C:\\ZSNES", "", "C:\\GONE\\Game.smc"), "C:\\ZSNES\\ZSNES.EXE \"C:\\GONE\\Game.smc\"");
}

}  // namespace
}  // namespace pavane
