#include <gtest/gtest.h>

#include "base/text_rules.h"
#include "settings/settings.h"

namespace pavane {
namespace {

TEST(SettingsRecord, StartsAllZeroWithEmptyTexts) {
  const Settings settings;
  for (const NamedOption& option : kOptionFields) EXPECT_EQ(settings.*option.field, 0) << option.name;
  for (const NamedText& text : kTextFields) EXPECT_TRUE((settings.*text.field).empty()) << text.name;
}

TEST(SplitList, CutsAtCommasAndTrimsEachPiece) {
  std::vector<std::string> items{"stale"};
  EXPECT_TRUE(SplitList("77,75 , 80", items));
  EXPECT_EQ(items, (std::vector<std::string>{"77", "75", "80"}));
  EXPECT_EQ(JoinList(items), "77, 75, 80");

  EXPECT_TRUE(SplitList("\t1\r,\x01 2 \n", items));
  EXPECT_EQ(items, (std::vector<std::string>{"1", "2"}));
}

TEST(SplitList, KeepsThePieceAfterTheLastComma) {
  std::vector<std::string> items;
  EXPECT_TRUE(SplitList("1,2,", items));
  EXPECT_EQ(items, (std::vector<std::string>{"1", "2", ""}));
  EXPECT_TRUE(SplitList(",", items));
  EXPECT_EQ(items, (std::vector<std::string>{"", ""}));
  EXPECT_TRUE(SplitList("  ", items));
  EXPECT_EQ(items, (std::vector<std::string>{""}));
}

TEST(SplitList, EmptyTextGivesNoItemsAndFalse) {
  std::vector<std::string> items{"stale"};
  EXPECT_FALSE(SplitList("", items));
  EXPECT_TRUE(items.empty());
}

TEST(JoinList, JoinsItemsAsTheyStand) {
  EXPECT_EQ(JoinList({}), "");
  EXPECT_EQ(JoinList({"a"}), "a");
  EXPECT_EQ(JoinList({" a", "", "b "}), " a, , b ");
}

TEST(TextRules, TrimRemovesCodesUpTo32Only) {
  EXPECT_EQ(TrimControls(" \t\r\n\x1f"
                         "a b\x20\x01"),
            "a b");
  EXPECT_EQ(TrimControls("\x7f"
                         "a\xa0"),
            "\x7f"
            "a\xa0");
  EXPECT_EQ(TrimControls("   "), "");
}

TEST(TextRules, UpperCasesAsciiLettersOnly) {
  EXPECT_EQ(UpperAscii("e:\\games\\zsnes"), "E:\\GAMES\\ZSNES");
  EXPECT_EQ(UpperAscii("\xe4\xf6\xfc-az{}"), "\xe4\xf6\xfc-AZ{}");
}

TEST(ParseInteger, ReadsDecimalSignAndDollarHex) {
  EXPECT_EQ(ParseInteger("300"), 300);
  EXPECT_EQ(ParseInteger("  -1"), -1);
  EXPECT_EQ(ParseInteger("+7"), 7);
  EXPECT_EQ(ParseInteger("$FF"), 255);
  EXPECT_EQ(ParseInteger("$ff"), 255);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
}

TEST(ParseInteger, RejectsEverythingElse) {
  for (const char* text : {"", " ", "-", "$", "3 ; fast", "3 ", "0x10", "1e3", "12a", "$G", "2147483648", "-2147483649",
                           "$100000000", "99999999999999999999999", "\t5", "-$10", "+$1E", " -$1E"})
    EXPECT_FALSE(ParseInteger(text).has_value()) << '"' << text << '"';
}

}  // namespace
}  // namespace pavane
