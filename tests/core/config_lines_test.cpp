#include <gtest/gtest.h>

#include <algorithm>

#include "settings/config_lines.h"

namespace pavane {
namespace {

Settings DefaultsRead() {
  Settings settings;
  ReadSettingsFromConfig({}, settings);
  return settings;
}

TEST(ConfigLinesBytes, EndsLinesAtCrLfLoneCrAndLoneLf) {
  EXPECT_EQ(ConfigLinesFromBytes("a\r\nb\rc\nd"), (ConfigLines{"a", "b", "c", "d"}));
  EXPECT_EQ(ConfigLinesFromBytes("a\n\r\nb\r\r"), (ConfigLines{"a", "", "b", ""}));
  EXPECT_EQ(ConfigLinesFromBytes("\n"), (ConfigLines{""}));
  EXPECT_TRUE(ConfigLinesFromBytes("").empty());
}

TEST(ConfigLinesBytes, ANulIsOneMoreByteOfItsLine) {
  using namespace std::string_literals;
  EXPECT_EQ(ConfigLinesFromBytes("a\r\nb\0c\r\nd"s), (ConfigLines{"a", "b\0c"s, "d"}));
  EXPECT_EQ(ConfigLinesFromBytes("\0abc"s), (ConfigLines{"\0abc"s}));
}

TEST(ConfigLinesBytes, LoneCrBeforeALineFeedEndsALineOfItsOwn) {
  EXPECT_EQ(ConfigLinesFromBytes("a\rb\r\nc\r\r\nd\n"), (ConfigLines{"a", "b", "c", "", "d"}));
}

TEST(ConfigLinesBytes, ACopyChangesApartFromTheLinesItWasCopiedFrom) {
  const ConfigLines read = ConfigLinesFromBytes("one\r\ntwo\r\n");
  ConfigLines copy = read;
  copy.Replace(0, "first");
  copy.Replace(0, "again");
  copy.Append("three");
  ConfigLines copyOfCopy = copy;
  copyOfCopy.Replace(2, "last");
  EXPECT_EQ(read, (ConfigLines{"one", "two"}));
  EXPECT_EQ(copy, (ConfigLines{"again", "two", "three"}));
  EXPECT_EQ(copyOfCopy, (ConfigLines{"again", "two", "last"}));
  EXPECT_EQ(ConfigLinesToBytes(copyOfCopy), "again\r\ntwo\r\nlast\r\n");
}

// A line read ends where the next begins: replacing any one line, or adding
// one, leaves its neighbours whatever their line ends.
TEST(ConfigLinesBytes, ReplacingALineLeavesItsNeighbours) {
  const std::string bytes = "a\rbb\r\n\nc\r\r\nlast";
  const ConfigLines read = ConfigLinesFromBytes(bytes);
  ASSERT_EQ(read, (ConfigLines{"a", "bb", "", "c", "", "last"}));
  for (std::size_t i = 0; i < read.size(); ++i) {
    ConfigLines lines = read;
    lines.Replace(i, "new");
    lines.Append("added");
    for (std::size_t j = 0; j < read.size(); ++j) EXPECT_EQ(lines[j], j == i ? "new" : read[j]) << i << " " << j;
    EXPECT_EQ(lines.back(), "added");
    EXPECT_EQ(lines.size(), read.size() + 1);
  }
}

TEST(ConfigLinesBytes, WritesCrLfAfterEveryLine) {
  EXPECT_EQ(ConfigLinesToBytes({}), "");
  EXPECT_EQ(ConfigLinesToBytes({""}), "\r\n");
  EXPECT_EQ(ConfigLinesToBytes({"a", "b"}), "a\r\nb\r\n");
}

// Lines read that already end in CR LF are written from the bytes read, in
// runs; changed lines and lines with another ending are copied.
TEST(ConfigLinesBytes, UnchangedCrLfRunsAreWrittenFromTheBytesRead) {
  ConfigLines lines = ConfigLinesFromBytes("a\r\nb\r\nc\r\nd\ne\rf");
  lines.Replace(1, "B");
  const ConfigBytes bytes = ConfigLinesAsPieces(lines);
  EXPECT_EQ(ConfigLinesToBytes(lines), "a\r\nB\r\nc\r\nd\r\ne\r\nf\r\n");
  EXPECT_EQ(bytes.copied, "B\r\nd\r\ne\r\nf\r\n");
  EXPECT_EQ(bytes.pieces, (std::vector<std::string_view>{"a\r\n", "B\r\n", "c\r\n", "d\r\ne\r\nf\r\n"}));

  // Where every line read ends in CR LF, the first and the last line replaced too.
  ConfigLines crLf = ConfigLinesFromBytes("a\r\nb\r\nc\r\n");
  crLf.Replace(2, "C");
  crLf.Replace(0, "A");
  crLf.Append("x");
  EXPECT_EQ(ConfigLinesToBytes(crLf), "A\r\nb\r\nC\r\nx\r\n");

  // A large CR LF file saved with new settings: a few pieces, and only the key lines copied.
  std::string file;
  for (int i = 0; i < 5000; ++i)
    file += "; comment " + std::to_string(i) + "\r\nUnowned" + std::to_string(i) + " = 1\r\n";
  file += "FrameSkip = 3\r\n";
  ConfigLines big = ConfigLinesFromBytes(file);
  WriteSettingsToConfig(DefaultsRead(), big);
  const ConfigBytes saved = ConfigLinesAsPieces(big);
  EXPECT_LE(saved.pieces.size(), 3u);
  EXPECT_LT(saved.copied.size(), 1000u);
  const std::string written = ConfigLinesToBytes(big);
  EXPECT_EQ(written.substr(0, file.size() - 15), file.substr(0, file.size() - 15));
  EXPECT_TRUE(written.substr(file.size() - 15).starts_with("FrameSkip = 0\r\nAutoFrameSkip = 1\r\n"));
}

TEST(ReadConfigValue, SkipsCommentsAndMatchesIndentedKeysInAnyCase) {
  const ConfigLines lines{"; FrameSkip = 5", "", "  framesKIP=3", "FrameSkip = 7"};
  EXPECT_EQ(ReadConfigValue(lines, "FrameSkip", "x"), "3");
  EXPECT_EQ(ReadConfigInteger(lines, "FrameSkip", 0), 3);
}

TEST(ReadConfigValue, IsAPlainPrefixMatch) {
  const ConfigLines lines{"SoundRate = 3", "Sound = 1"};
  EXPECT_EQ(ReadConfigValue(lines, "Sound", "0"), "3");  // SoundRate begins with Sound
  EXPECT_EQ(ReadConfigValue({"ScanKey1x"}, "ScanKey1", "d"), "SCANKEY1X");
}

TEST(ReadConfigValue, ValueComesBackInCapitalsAfterTheFirstEquals) {
  EXPECT_EQ(ReadConfigValue({"GameDirectory = c:\\games\\snes "}, "GameDirectory", ""), "C:\\GAMES\\SNES");
  EXPECT_EQ(ReadConfigValue({"Key = a = b"}, "key", ""), "A = B");
  EXPECT_EQ(ReadConfigValue({"Key ="}, "key", "d"), "");
  EXPECT_EQ(ReadConfigValue({" Key on "}, " key ", "d"), "KEY ON");  // no "=": the whole line
}

TEST(ReadConfigValue, EmptyKeyOrNoMatchGivesTheDefault) {
  const ConfigLines lines{"A = 1"};
  EXPECT_EQ(ReadConfigValue(lines, "  ", "dflt"), "dflt");
  EXPECT_EQ(ReadConfigValue(lines, "B", "dflt"), "dflt");
  EXPECT_EQ(ReadConfigValue({";B = 1", "   "}, "B", "dflt"), "dflt");
}

TEST(ReadConfigInteger, KeepsTheLowEightBitsAndDefaultsWhenUnreadable) {
  EXPECT_EQ(ReadConfigInteger({"Execute = 300"}, "Execute", 100), 44);
  EXPECT_EQ(ReadConfigInteger({"Player2Device = -1"}, "Player2Device", 0), 255);
  EXPECT_EQ(ReadConfigInteger({"X = 256"}, "X", 9), 0);
  EXPECT_EQ(ReadConfigInteger({"X = $1FF"}, "X", 9), 255);
  EXPECT_EQ(ReadConfigInteger({"FrameSkip = 3 ; fast"}, "FrameSkip", 0), 0);
  EXPECT_EQ(ReadConfigInteger({"X = 99999999999"}, "X", 9), 9);
  EXPECT_EQ(ReadConfigInteger({}, "X", 100), 100);
}

TEST(WriteConfigValue, ReplacesTheFirstMatchInPlaceOrAppends) {
  ConfigLines lines{"; FrameSkip = 5", "  framesKIP=3", "FrameSkip = 9", "Other"};
  WriteConfigValue(lines, "FrameSkip", "4");
  EXPECT_EQ(lines, (ConfigLines{"; FrameSkip = 5", "FrameSkip = 4", "FrameSkip = 9", "Other"}));
  WriteConfigValue(lines, "NewKey", "x y");
  EXPECT_EQ(lines.back(), "NewKey = x y");
  WriteConfigValue(lines, " \t", "ignored");
  EXPECT_EQ(lines.size(), 5u);
}

TEST(SettingsFromConfig, EmptyFileGivesTheDefaults) {
  const Settings settings = DefaultsRead();
  EXPECT_EQ(settings.FrameSkip, 0);
  EXPECT_EQ(settings.AutoFrameSkip, 1);
  EXPECT_EQ(settings.Player1Device, 1);
  EXPECT_EQ(settings.Player2Device, 0);
  EXPECT_EQ(settings.Execute, 100);
  EXPECT_EQ(settings.VideoMode, 1);
  EXPECT_EQ(settings.SoundRate, 2);
  EXPECT_EQ(settings.ScanKey1, kDefaultScanKey1);
  EXPECT_EQ(settings.ScanKey2, kDefaultScanKey2);
  EXPECT_EQ(settings.JoyMap, kDefaultJoyMap);
  EXPECT_EQ(settings.SaveDirectory, "");
  EXPECT_EQ(settings.GameDirectory, "E:\\ZSNES");
}

TEST(SettingsFromConfig, LeavesTheCommandLineAlone) {
  Settings settings;
  settings.ZSnesCmdLine = "-d";
  ReadSettingsFromConfig({"ZSnesCmdLine = -c"}, settings);
  EXPECT_EQ(settings.ZSnesCmdLine, "-d");
}

TEST(SettingsToConfig, EmptyFileGetsThe21KeysInOrder) {
  ConfigLines lines;
  WriteSettingsToConfig(DefaultsRead(), lines);
  const std::string expected =
      "FrameSkip = 0\r\nAutoFrameSkip = 1\r\nPlayer1Device = 1\r\nPlayer2Device = 0\r\n"
      "ScanKey1 = 77, 75, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81\r\n"
      "ScanKey2 = 51, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46\r\n"
      "JoyMap1 = 0, 0, 1, 3, 2, 4, 5, 6\r\nExecute = 100\r\nVideoMode = 1\r\nSound = 0\r\nSoundRate = 2\r\n"
      "Stereo = 0\r\nGUIDisable = 0\r\nScanlines = 0\r\nInterpolation = 0\r\nEnterSkip = 0\r\nForce8bit = 0\r\n"
      "SaveDirectory = \r\nGameDirectory = E:\\ZSNES\r\nCopyMethod = 0\r\nNewGfx = 0\r\n";
  EXPECT_EQ(ConfigLinesToBytes(lines), expected);
}

TEST(SettingsToConfig, KeepsUnknownLinesCommentsAndBlanksByteForByte) {
  ConfigLines lines = ConfigLinesFromBytes(
      "; ZSNES settings\r\n\r\n  Mystery=Value \t\r\nFrameSkip = 3 ; fast\r\n\xe9t\xe9=1\r\nframeskip = 8\r\n");
  Settings settings;
  ReadSettingsFromConfig(lines, settings);
  EXPECT_EQ(settings.FrameSkip, 0);
  WriteSettingsToConfig(settings, lines);
  ASSERT_EQ(lines.size(), 6u + 20u);
  EXPECT_EQ(lines[0], "; ZSNES settings");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "  Mystery=Value \t");
  EXPECT_EQ(lines[3], "FrameSkip = 0");
  EXPECT_EQ(lines[4], "\xe9t\xe9=1");
  EXPECT_EQ(lines[5], "frameskip = 8");
  EXPECT_EQ(lines[6], "AutoFrameSkip = 1");
  EXPECT_EQ(lines.back(), "NewGfx = 0");
}

TEST(SettingsToConfig, JoystickMapIsReadFromJoyMap2AndWrittenToJoyMap1) {
  ConfigLines lines{"JoyMap2 = 9, 9"};
  Settings settings;
  ReadSettingsFromConfig(lines, settings);
  EXPECT_EQ(settings.JoyMap, "9, 9");
  settings.JoyMap = "1, 2, 3";
  WriteSettingsToConfig(settings, lines);
  EXPECT_EQ(lines[0], "JoyMap2 = 9, 9");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "JoyMap1 = 1, 2, 3"), lines.end());

  // However often a map is saved, a file without JoyMap2 reads the default.
  ConfigLines noJoyMap2;
  for (int round = 0; round < 2; ++round) {
    ReadSettingsFromConfig(noJoyMap2, settings);
    EXPECT_EQ(settings.JoyMap, kDefaultJoyMap);
    settings.JoyMap = "5, 5";
    WriteSettingsToConfig(settings, noJoyMap2);
  }
  EXPECT_EQ(std::count(noJoyMap2.begin(), noJoyMap2.end(), "JoyMap1 = 5, 5"), 1);
}

TEST(SettingsToConfig, NumbersAreWrittenUnsignedAndTextsAsTheyStand) {
  Settings settings = DefaultsRead();
  settings.Player2Device = 255;
  settings.GameDirectory = "C:\\GAMES\\SNES";
  settings.SaveDirectory = " spaced ";
  ConfigLines lines;
  WriteSettingsToConfig(settings, lines);
  EXPECT_EQ(lines[3], "Player2Device = 255");
  EXPECT_EQ(lines[17], "SaveDirectory =  spaced ");
  EXPECT_EQ(lines[18], "GameDirectory = C:\\GAMES\\SNES");
}

// The whole record is read and written in one walk over the lines; the
// result must be what reading and writing each key in table order gives,
// including where one key is a prefix of another ("Sound" of "SoundRate").
TEST(SettingsConfigWalk, GivesWhatKeyByKeyReadingAndWritingGive) {
  const std::vector<ConfigLines> files = {
      {"SoundRate = 3"},
      {"soundrate=1", "Sound = 1", "  SOUND=0", "; Stereo = 1"},
      {"Scanlines = 1", "ScanKey1 = 1, 2", "ScanKey2", "JoyMap1 = 9", "JoyMap2 = 4, 4"},
      {"FrameSkip = 3", "FrameSkip = 4", "", "\tGameDirectory = c:\\games", "NewGfx"},
      {"GUIDisable = $1", "Execute = 300", "Player1Device = -1", "SaveDirectory = x = y"},
  };
  const std::string_view readKeys[] = {
      "FrameSkip",     "AutoFrameSkip", "Player1Device", "Player2Device", "ScanKey1",      "ScanKey2",   "JoyMap2",
      "Execute",       "VideoMode",     "Sound",         "SoundRate",     "Stereo",        "GUIDisable", "Scanlines",
      "Interpolation", "EnterSkip",     "Force8bit",     "SaveDirectory", "GameDirectory", "CopyMethod", "NewGfx"};
  for (const ConfigLines& file : files) {
    SCOPED_TRACE(file.front());
    Settings settings;
    ReadSettingsFromConfig(file, settings);
    EXPECT_EQ(settings.Sound, ReadConfigInteger(file, "Sound", 0));
    EXPECT_EQ(settings.SoundRate, ReadConfigInteger(file, "SoundRate", 2));
    EXPECT_EQ(settings.GameDirectory, ReadConfigValue(file, "GameDirectory", "E:\\ZSNES"));
    EXPECT_EQ(settings.JoyMap, ReadConfigValue(file, "JoyMap2", kDefaultJoyMap));
    for (const auto key : readKeys) EXPECT_FALSE(ReadConfigValue(file, key, "?").empty()) << key;

    ConfigLines walked = file;
    WriteSettingsToConfig(settings, walked);
    ConfigLines keyByKey = file;
    const std::pair<std::string_view, std::string> written[] = {
        {"FrameSkip", std::to_string(settings.FrameSkip)},
        {"AutoFrameSkip", std::to_string(settings.AutoFrameSkip)},
        {"Player1Device", std::to_string(settings.Player1Device)},
        {"Player2Device", std::to_string(settings.Player2Device)},
        {"ScanKey1", settings.ScanKey1},
        {"ScanKey2", settings.ScanKey2},
        {"JoyMap1", settings.JoyMap},
        {"Execute", std::to_string(settings.Execute)},
        {"VideoMode", std::to_string(settings.VideoMode)},
        {"Sound", std::to_string(settings.Sound)},
        {"SoundRate", std::to_string(settings.SoundRate)},
        {"Stereo", std::to_string(settings.Stereo)},
        {"GUIDisable", std::to_string(settings.GUIDisable)},
        {"Scanlines", std::to_string(settings.Scanlines)},
        {"Interpolation", std::to_string(settings.Interpolation)},
        {"EnterSkip", std::to_string(settings.EnterSkip)},
        {"Force8bit", std::to_string(settings.Force8bit)},
        {"SaveDirectory", settings.SaveDirectory},
        {"GameDirectory", settings.GameDirectory},
        {"CopyMethod", std::to_string(settings.CopyMethod)},
        {"NewGfx", std::to_string(settings.NewGfx)},
    };
    for (const auto& [key, value] : written) WriteConfigValue(keyByKey, key, value);
    EXPECT_EQ(walked, keyByKey);
  }
}

}  // namespace
}  // namespace pavane
