#include <gtest/gtest.h>

#include "app/flag_text.h"
#include "app/registry_texts.h"
#include "app/uninstall_switch.h"

namespace pavane {
namespace {

using Text = std::optional<std::string>;

TEST(ReadFlag, MissingValueGivesTheDefault) {
  EXPECT_TRUE(ReadFlag(std::nullopt, true));
  EXPECT_FALSE(ReadFlag(std::nullopt, false));
}

TEST(ReadFlag, DecimalNumbersAreTrueUnlessZero) {
  EXPECT_FALSE(ReadFlag(Text("0"), true));
  EXPECT_TRUE(ReadFlag(Text("1"), false));
  EXPECT_TRUE(ReadFlag(Text("2"), false));
  EXPECT_TRUE(ReadFlag(Text("-1"), false));
  EXPECT_FALSE(ReadFlag(Text("-0"), true));
  EXPECT_FALSE(ReadFlag(Text("000"), true));
}

TEST(ReadFlag, ZeroXPrefixMeansHexadecimalOnlyWithDigitsAfterIt) {
  EXPECT_FALSE(ReadFlag(Text("0x0"), true));
  EXPECT_FALSE(ReadFlag(Text("0X00"), true));
  EXPECT_TRUE(ReadFlag(Text("0x1"), false));
  EXPECT_TRUE(ReadFlag(Text("0XfF"), false));
  // Two characters are not enough for the prefix: "0x" is tried as decimal and fails.
  EXPECT_TRUE(ReadFlag(Text("0x"), true));
  EXPECT_FALSE(ReadFlag(Text("0X"), false));
  // After the prefix only hexadecimal digits count.
  EXPECT_TRUE(ReadFlag(Text("0xg"), true));
  EXPECT_FALSE(ReadFlag(Text("0x-1"), false));
  EXPECT_FALSE(ReadFlag(Text("0x 1"), false));
}

TEST(ReadFlag, TextsThatAreNoNumberGiveTheDefault) {
  for (const char* text : {"yes", "true", "", " ", "1 ", "1a", "+", "$1", "$0", "1.0", "99999999999"}) {
    EXPECT_TRUE(ReadFlag(Text(text), true)) << '"' << text << '"';
    EXPECT_FALSE(ReadFlag(Text(text), false)) << '"' << text << '"';
  }
}

TEST(ReadFlag, LeadingBlanksAreAllowedAsInOtherStoredNumbers) {
  EXPECT_FALSE(ReadFlag(Text("  0"), true));
  EXPECT_TRUE(ReadFlag(Text(" 7"), false));
}

TEST(FlagText, WritesOneOrZero) {
  EXPECT_EQ(FlagText(true), "1");
  EXPECT_EQ(FlagText(false), "0");
  EXPECT_TRUE(ReadFlag(Text(std::string(FlagText(true))), false));
  EXPECT_FALSE(ReadFlag(Text(std::string(FlagText(false))), true));
}

TEST(PreferenceFlags, NamesEveryFlagOnceInStoredOrder) {
  const std::string_view expected[] = {"LoadROMSettings", "PromptBeforeLoading", "SaveSettingsBeforeLaunch",
                                       "SaveWithoutPrompting", "CfgOverwritePrompt"};
  Preferences flipped;
  for (std::size_t i = 0; i < kPreferenceFlags.size(); ++i) {
    EXPECT_EQ(kPreferenceFlags[i].name, expected[i]);
    flipped.*kPreferenceFlags[i].field = !(flipped.*kPreferenceFlags[i].field);
  }
  // A field named twice would have flipped back; one left out would not have moved.
  EXPECT_EQ(flipped, (Preferences{false, false, false, true, false}));
}

TEST(PreferenceFlags, DefaultsAreOnExceptSaveWithoutPrompting) {
  const Preferences defaults;
  EXPECT_TRUE(defaults.LoadROMSettings);
  EXPECT_TRUE(defaults.PromptBeforeLoading);
  EXPECT_TRUE(defaults.SaveSettingsBeforeLaunch);
  EXPECT_FALSE(defaults.SaveWithoutPrompting);
  EXPECT_TRUE(defaults.CfgOverwritePrompt);
}

TEST(UninstallSwitch, FailureTextNamesTheWholeKey) {
  const std::string text = KeyDeletionFailedText("Software\\Pavane\\Favorites");
  EXPECT_NE(text.find("HKEY_CURRENT_USER\\Software\\Pavane\\Favorites could not be deleted"), std::string::npos)
      << text;
}

}  // namespace
}  // namespace pavane
