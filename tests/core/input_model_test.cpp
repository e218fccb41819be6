// The key-assignment model and the joystick map: reading the stored lists
// (defaults, short, long, odd entries), names, the exchange of keys across
// both players, and what is written back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/joy_map_model.h"
#include "input/key_names.h"
#include "input/scan_key_model.h"
#include "settings/settings.h"

namespace pavane {
namespace {

using Texts = std::vector<std::string>;

Texts Fields(const ScanKeys& keys, std::size_t player) {
  Texts texts;
  for (std::size_t i = 0; i < kScanKeyPositions; ++i) texts.push_back(keys.FieldText(player, i));
  return texts;
}

const ScanKeys kDefaults(kDefaultScanKey1, kDefaultScanKey2);

TEST(KeyNames, TheOddOnesOut) {
  EXPECT_EQ(KeyNames[78], "  ");
  EXPECT_EQ(KeyNames[12], "-");
  EXPECT_EQ(KeyNames[74], "-");
  EXPECT_EQ(KeyNames[42], "LSHFT");
  EXPECT_EQ(KeyNames[54], "RSHIFT");
  EXPECT_EQ(KeyNames[43], "\\");
  EXPECT_EQ(KeyNames[41], "~");
  EXPECT_EQ(KeyNames[1], "ESC");
  EXPECT_EQ(KeyNames[57], "SPACE");
  EXPECT_EQ(KeyNames[76], "KEY5");
  EXPECT_EQ(KeyNames[83], "DEL");
  for (std::int32_t code = kFirstScanCode; code <= kLastScanCode; ++code) {
    EXPECT_FALSE(KeyNames[static_cast<std::size_t>(code)].empty()) << code;
  }
}

TEST(ScanKeys, TheDefaultListsShowTheirNames) {
  EXPECT_EQ(Fields(kDefaults, 0), (Texts{"77 RIGHT", "75 LEFT", "80 DOWN", "72 UP", "28 ENTER", "54 RSHIFT", "79 END",
                                         "83 DEL", "71 HOME", "82 INS", "73 PGUP", "81 PGDN"}));
  EXPECT_EQ(Fields(kDefaults, 1), (Texts{"51 ,", "49 N", "50 M", "37 K", "29 CTRL", "56 ALT", "45 X", "44 Z", "32 D",
                                         "31 S", "33 F", "46 C"}));
  EXPECT_EQ(kDefaults.StoredText(0), kDefaultScanKey1);
  EXPECT_EQ(kDefaults.StoredText(1), kDefaultScanKey2);
  // No stored text at all: every position its default.
  EXPECT_EQ(ScanKeys("", "").StoredText(1), kDefaultScanKey2);
}

TEST(ScanKeys, AKeyAnotherButtonHoldsIsExchanged) {
  ScanKeys keys = kDefaults;
  keys.AssignKey(0, 3, 77);  // Up gets Right's key
  EXPECT_EQ(keys.FieldText(0, 0), "72 UP");
  EXPECT_EQ(keys.FieldText(0, 3), "77 RIGHT");

  keys.AssignKey(0, 0, 51);  // player 2's Right
  EXPECT_EQ(keys.Key(0, 0), 51);
  EXPECT_EQ(keys.Key(1, 0), 72);
  EXPECT_EQ(keys.StoredText(0), "51, 75, 80, 77, 28, 54, 79, 83, 71, 82, 73, 81");
  EXPECT_EQ(keys.StoredText(1), "72, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46");

  const ScanKeys before = keys;
  keys.AssignKey(1, 4, 29);  // the key it has already
  EXPECT_EQ(keys.StoredText(0), before.StoredText(0));
  EXPECT_EQ(keys.StoredText(1), before.StoredText(1));

  keys.AssignKey(1, 4, 30);  // a key nobody has
  EXPECT_EQ(keys.FieldText(1, 4), "30 A");
  EXPECT_EQ(keys.StoredText(0), before.StoredText(0));
}

TEST(ScanKeys, OnlyCodesFrom1To83AreAssigned) {
  for (const std::int32_t code : {0, 84, -1, 87, 256}) {
    ScanKeys keys = kDefaults;
    keys.AssignKey(0, 0, code);
    EXPECT_EQ(keys.StoredText(0), kDefaultScanKey1) << code;
  }
  ScanKeys keys = kDefaults;
  keys.AssignKey(0, 0, 1);
  keys.AssignKey(0, 1, 83);
  keys.AssignKey(0, 2, 78);
  EXPECT_EQ(keys.FieldText(0, 0), "1 ESC");
  EXPECT_EQ(keys.FieldText(0, 1), "83 DEL");
  EXPECT_EQ(keys.FieldText(0, 2), "78   ");
  EXPECT_EQ(keys.FieldText(0, 7), "75 LEFT");  // Y held DEL and takes Left's old key
}

TEST(ScanKeys, EntriesThatAreNoNumberTakeTheirDefaultOthersAreReadAsTheyStand) {
  const ScanKeys keys("$1E, abc, , +30x,  44, -3, 0, 90, 2147483648", "");
  EXPECT_EQ(keys.Key(0, 0), 30);
  EXPECT_EQ(keys.Key(0, 1), 75);  // abc
  EXPECT_EQ(keys.Key(0, 2), 80);  // empty
  EXPECT_EQ(keys.Key(0, 3), 72);  // +30x
  EXPECT_EQ(keys.Key(0, 4), 44);
  EXPECT_EQ(keys.Key(0, 8), 71);  // too large for 32 bits
  // Numbers without a key name show alone and stay as they are.
  EXPECT_EQ(keys.FieldText(0, 5), "-3");
  EXPECT_EQ(keys.FieldText(0, 6), "0");
  EXPECT_EQ(keys.FieldText(0, 7), "90");
  EXPECT_EQ(keys.StoredText(0), "30, 75, 80, 72, 44, -3, 0, 90, 71, 82, 73, 81");
}

TEST(ScanKeys, AShortListIsFilledWithDefaultsALongOneKeepsItsTail) {
  ScanKeys keys("30, 31", "51, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46, 99, x , 7");
  EXPECT_EQ(Fields(keys, 0)[0], "30 A");
  EXPECT_EQ(Fields(keys, 0)[2], "80 DOWN");
  EXPECT_EQ(keys.StoredText(0), "30, 31, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81");
  keys.AssignKey(1, 0, 52);
  EXPECT_EQ(keys.StoredText(1), "52, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46, 99, x, 7");
  // A key that lies only past the twelfth entry is no button's: nothing is exchanged there.
  keys.AssignKey(1, 1, 7);
  EXPECT_EQ(keys.StoredText(1), "52, 7, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46, 99, x, 7");
}

TEST(JoystickMap, ShowsNoneOrTheButtonNumberAsStored) {
  const JoystickMap defaults(kDefaultJoyMap);
  Texts texts;
  for (std::size_t i = 0; i < kJoyMapPositions; ++i) texts.push_back(defaults.FieldText(i));
  EXPECT_EQ(texts,
            (Texts{"None", "None", "Button #1", "Button #3", "Button #2", "Button #4", "Button #5", "Button #6"}));
  const JoystickMap odd("12, 00, x, 0, 1, 2, 3, 4");
  EXPECT_EQ(odd.FieldText(0), "Button #12");
  EXPECT_EQ(odd.FieldText(1), "Button #00");  // only the text "0" is None
  EXPECT_EQ(odd.FieldText(2), "Button #x");
  EXPECT_EQ(odd.FieldText(3), "None");
  EXPECT_EQ(odd.StoredText(), "12, 00, x, 0, 1, 2, 3, 4");
}

TEST(JoystickMap, ADigitReplacesTheEntryAnythingElseIsIgnored) {
  JoystickMap map(kDefaultJoyMap);
  EXPECT_TRUE(map.Type(0, '7'));
  EXPECT_EQ(map.FieldText(0), "Button #7");
  for (const char ignored : {'a', ' ', '-', '+', '\r', '\x1b', '\0'}) EXPECT_FALSE(map.Type(2, ignored));
  EXPECT_TRUE(map.Type(3, '1'));
  EXPECT_TRUE(map.Type(3, '2'));  // one keystroke, one digit: 2, never 12
  EXPECT_TRUE(map.Type(7, '0'));
  EXPECT_EQ(map.FieldText(7), "None");
  EXPECT_EQ(map.StoredText(), "7, 0, 1, 2, 2, 4, 5, 0");
}

TEST(JoystickMap, BareCommasShortAndLongMaps) {
  EXPECT_EQ(JoystickMap("1,2 ,  3,4,5,6,7,8").StoredText(), "1, 2, 3, 4, 5, 6, 7, 8");
  JoystickMap shortMap("9, 9");
  EXPECT_EQ(shortMap.FieldText(2), "Button #1");
  EXPECT_EQ(shortMap.StoredText(), "9, 9, 1, 3, 2, 4, 5, 6");
  JoystickMap longMap("1, 2, 3, 4, 5, 6, 7, 8, 9, 10");
  longMap.Type(7, '0');
  EXPECT_EQ(longMap.StoredText(), "1, 2, 3, 4, 5, 6, 7, 0, 9, 10");
  EXPECT_EQ(JoystickMap("").StoredText(), kDefaultJoyMap);
}

}  // namespace
}  // namespace pavane
