#include <gtest/gtest.h>

#include "launch/switch_line.h"

namespace pavane {
namespace {

TEST(SwitchLine, PresenceNeedsTheTrailingBlankAndIgnoresCase) {
  EXPECT_TRUE(SwitchPresent("-c", "-c"));
  EXPECT_FALSE(SwitchPresent("-cc", "-c"));
  EXPECT_TRUE(SwitchPresent("-cc", "-cc"));
  EXPECT_TRUE(SwitchPresent("-d -Q", "-q"));
  EXPECT_TRUE(SwitchPresent("-CC", "-cc"));
  EXPECT_TRUE(SwitchPresent("--d", "-d"));  // a plain substring test
  EXPECT_FALSE(SwitchPresent("", "-d"));
  EXPECT_TRUE(SwitchPresent("-g 3", "-g 3"));
}

TEST(SwitchLine, AddAppendsAndTrimsOrLeavesThePresentLineAlone) {
  EXPECT_EQ(AddSwitch("", "-d"), "-d");
  EXPECT_EQ(AddSwitch("-c", "-d"), "-c -d");
  EXPECT_EQ(AddSwitch("  -c  ", "-d"), "-c   -d");
  EXPECT_EQ(AddSwitch("  -D  ", "-d"), "  -D  ");  // present: not even trimmed
  EXPECT_EQ(AddSwitch("-g 3", "-g 1"), "-g 3 -g 1");
}

TEST(SwitchLine, RemoveDeletesOnlyTheFirstOccurrenceAndKeepsItsBlank) {
  EXPECT_EQ(RemoveSwitch("-d", "-d"), "");
  EXPECT_EQ(RemoveSwitch("-c -d -h", "-d"), "-c  -h");
  EXPECT_EQ(RemoveSwitch("-d -d", "-d"), "-d");
  EXPECT_EQ(RemoveSwitch("-CC", "-cc"), "");
  EXPECT_EQ(RemoveSwitch("  -c  ", "-x"), "  -c  ");  // absent: unchanged
  EXPECT_EQ(RemoveSwitch("-c -g 2 -h", GammaSwitch(2)), "-c  -h");
  EXPECT_EQ(AddSwitch(RemoveSwitch("-c -g 2 -h", GammaSwitch(2)), GammaSwitch(3)), "-c  -h -g 3");
}

TEST(SwitchLine, TableGivesTheSwitchOfEachBox) {
  EXPECT_EQ(SwitchOf(1), "-c");
  EXPECT_EQ(SwitchOf(2), "-cc");
  EXPECT_EQ(SwitchOf(12), "-sa");
  EXPECT_EQ(GammaSwitch(0), "-g 0");
}

}  // namespace
}  // namespace pavane
