// The command line: how it splits, the ROM the shell passes, and -U beside it.
#include "app/program_arguments.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/uninstall_switch.h"

namespace pavane {
namespace {

std::vector<std::string> Texts(std::string_view line) {
  std::vector<std::string> texts;
  for (const auto& argument : SplitCommandLine(line)) texts.push_back(argument.text);
  return texts;
}

NamesFile Files(std::set<std::string> files) {
  return [files = std::move(files)](const std::string& path) { return files.contains(path); };
}

TEST(SplitCommandLine, QuotesAndBackslashesAsTheRuntimeReadsThem) {
  using Args = std::vector<std::string>;
  EXPECT_EQ(Texts(""), Args{});
  EXPECT_EQ(Texts("   "), Args{});
  EXPECT_EQ(Texts("Pavane.exe"), Args{"Pavane.exe"});
  EXPECT_EQ(Texts("\"C:\\Program Files\\Pavane.exe\"  C:\\ROMS\\GAME.SMC"),
            (Args{"C:\\Program Files\\Pavane.exe", "C:\\ROMS\\GAME.SMC"}));
  EXPECT_EQ(Texts("P.exe \"C:\\My Roms\\A B.smc\"\t-u"), (Args{"P.exe", "C:\\My Roms\\A B.smc", "-u"}));
  // The program's path keeps its backslashes even before a quote.
  EXPECT_EQ(Texts("\"C:\\dir\\\"x y"), (Args{"C:\\dir\\x", "y"}));
  EXPECT_EQ(Texts("P.exe a\\\\\"b c\" d"), (Args{"P.exe", "a\\b c", "d"}));
  EXPECT_EQ(Texts("P.exe a\\\\\\\"b"), (Args{"P.exe", "a\\\"b"}));
  EXPECT_EQ(Texts("P.exe C:\\ROMS\\ \"\""), (Args{"P.exe", "C:\\ROMS\\", ""}));
  EXPECT_EQ(Texts("P.exe \"unclosed quote"), (Args{"P.exe", "unclosed quote"}));
}

TEST(SplitCommandLine, EachArgumentKnowsWhereItStood) {
  const std::string line = "P.exe  \"a b\" c";
  const auto arguments = SplitCommandLine(line);
  ASSERT_EQ(arguments.size(), 3u);
  EXPECT_EQ(line.substr(arguments[1].begin, arguments[1].end - arguments[1].begin), "\"a b\"");
  EXPECT_EQ(line.substr(arguments[2].begin, arguments[2].end - arguments[2].begin), "c");
}

TEST(CommandLineRom, TheFirstArgumentThatNamesAFile) {
  const auto files = Files({"C:\\ROMS\\GAME.SMC", "C:\\My Roms\\Long Name.smc", "C:\\ROMS\\OTHER.SMC"});
  EXPECT_EQ(CommandLineRom("Pavane.exe C:\\ROMS\\GAME.SMC", files), "C:\\ROMS\\GAME.SMC");
  EXPECT_EQ(CommandLineRom("\"C:\\P\\Pavane.exe\" \"C:\\My Roms\\Long Name.smc\"", files),
            "C:\\My Roms\\Long Name.smc");
  EXPECT_EQ(CommandLineRom("Pavane.exe C:\\NONE.SMC C:\\ROMS\\OTHER.SMC C:\\ROMS\\GAME.SMC", files),
            "C:\\ROMS\\OTHER.SMC");
  // Without quotes a path with blanks arrives in pieces; the whole rest names it.
  EXPECT_EQ(CommandLineRom("Pavane.exe   C:\\My Roms\\Long Name.smc  ", files), "C:\\My Roms\\Long Name.smc");
}

TEST(CommandLineRom, NothingWhenNoArgumentNamesAFile) {
  const auto files = Files({"Pavane.exe", "C:\\ROMS\\GAME.SMC"});
  EXPECT_EQ(CommandLineRom("Pavane.exe", files), std::nullopt);
  EXPECT_EQ(CommandLineRom("Pavane.exe -U", files), std::nullopt);
  EXPECT_EQ(CommandLineRom("Pavane.exe C:\\ROMS\\GONE.SMC", files), std::nullopt);
  EXPECT_EQ(CommandLineRom("", files), std::nullopt);
}

TEST(UninstallSwitch, OnlyAWholeArgumentAfterTheProgramsPathInAnyCase) {
  const auto none = Files({});
  EXPECT_TRUE(HasUninstallSwitch("Pavane.exe -U", none));
  EXPECT_TRUE(HasUninstallSwitch("\"C:\\Pavane\\Pavane.exe\" -u", none));
  EXPECT_TRUE(HasUninstallSwitch("Pavane.exe \"-U\"", none));
  EXPECT_FALSE(HasUninstallSwitch("", none));
  EXPECT_FALSE(HasUninstallSwitch("Pavane.exe", none));
  // A folder of the program's own path, quoted or not, never counts.
  EXPECT_FALSE(HasUninstallSwitch("\"C:\\SNES-Utils\\Pavane.exe\"", none));
  EXPECT_FALSE(HasUninstallSwitch("C:\\SNES-Utils\\Pavane.exe", none));
  EXPECT_FALSE(HasUninstallSwitch("C:\\Tools -U\\Pavane.exe", none));
  EXPECT_FALSE(HasUninstallSwitch("Pavane.exe x-uy -Ux - U /U", none));
  EXPECT_FALSE(HasUninstallSwitch("Pavane.exe -\xfc", none));  // only a to z change case
}

TEST(UninstallSwitch, NeverInsideARomPathQuotedOrNot) {
  const auto files = Files({"C:\\ROMS\\SUPER-UFO.SMC", "C:\\My Roms -U 2\\x.smc", "C:\\ROMS\\GAME.SMC"});
  EXPECT_FALSE(HasUninstallSwitch("Pavane.exe C:\\ROMS\\SUPER-UFO.SMC", files));
  EXPECT_FALSE(HasUninstallSwitch("Pavane.exe \"C:\\My Roms -U 2\\x.smc\"", files));
  // Handed over without quotes, the path splits at its blanks and one word is -U.
  EXPECT_FALSE(HasUninstallSwitch("Pavane.exe C:\\My Roms -U 2\\x.smc", files));
  EXPECT_EQ(CommandLineRom("Pavane.exe C:\\My Roms -U 2\\x.smc", files), "C:\\My Roms -U 2\\x.smc");
  // Typed beside a ROM, it counts, and the ROM is still the one to open.
  EXPECT_TRUE(HasUninstallSwitch("Pavane.exe -u C:\\ROMS\\GAME.SMC", files));
  EXPECT_TRUE(HasUninstallSwitch("Pavane.exe \"C:\\My Roms -U 2\\x.smc\" -U", files));
}

}  // namespace
}  // namespace pavane
