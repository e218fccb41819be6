#include <gtest/gtest.h>

#include "settings/config_lines.h"
#include "settings/template_file.h"

namespace pavane {
namespace {

Settings FromEmptyConfig() {
  Settings settings;
  ReadSettingsFromConfig({}, settings);
  return settings;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int value : values) bytes += static_cast<char>(value);
  return bytes;
}

TEST(TemplateFormat, DefaultsGiveThe166ByteFile) {
  const std::string bytes = EncodeTemplate(FromEmptyConfig());
  ASSERT_EQ(bytes.size(), 166u);
  EXPECT_EQ(bytes.substr(0, 4), Bytes({0x96, 0, 0, 0}));
  EXPECT_EQ(bytes.substr(4, 16), Bytes({0, 1, 1, 0, 0x64, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}));
  std::size_t at = 20;
  for (const std::size_t length : {46u, 46u, 22u, 0u, 8u, 0u}) {
    EXPECT_EQ(bytes.substr(at, 4), Bytes({static_cast<int>(length), 0, 0, 0}));
    at += 4 + length;
  }
  EXPECT_EQ(bytes.substr(20 + 4 + 46 + 4 + 46 + 4 + 22 + 4 + 4, 8), "E:\\ZSNES");
}

TEST(TemplateFormat, RoundTripsEveryFieldIncludingBlanksAndHighBytes) {
  Settings settings = FromEmptyConfig();
  settings.Player1Device = 9;
  settings.Stereo = 2;
  settings.NewGfx = 255;
  settings.ZSnesCmdLine = "  -c  -g 3 \xe9 ";
  settings.SaveDirectory = std::string(300, 'x');
  const auto decoded = DecodeTemplate(EncodeTemplate(settings));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->version, kTemplateVersion);
  EXPECT_EQ(decoded->settings, settings);
}

TEST(TemplateFormat, TextsAreCutAtTheirFirstNul) {
  Settings settings;
  settings.JoyMap = std::string("1, 2\0junk", 9);
  const std::string bytes = EncodeTemplate(settings);
  EXPECT_EQ(bytes.size(), 44u + 4u);
  EXPECT_EQ(DecodeTemplate(bytes)->settings.JoyMap, "1, 2");

  // A stored text with a NUL inside is cut on reading, and the next field still lines up.
  std::string stored = EncodeTemplate(Settings{});
  stored.replace(20, 4, Bytes({3, 0, 0, 0}) + std::string("a\0b", 3));
  const auto decoded = DecodeTemplate(stored);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->settings.ScanKey1, "a");
  EXPECT_EQ(decoded->settings.ScanKey2, "");
}

TEST(TemplateFormat, DamagedFilesAreRejectedWhole) {
  const std::string good = EncodeTemplate(FromEmptyConfig());
  for (std::size_t length = 0; length < good.size(); ++length)
    EXPECT_FALSE(DecodeTemplate(good.substr(0, length))) << "cut at " << length;

  std::string negative = good;
  negative.replace(20, 4, Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  EXPECT_FALSE(DecodeTemplate(negative));

  std::string tooLarge = good;
  tooLarge.replace(20, 4, Bytes({0xFF, 0xFF, 0xFF, 0x7F}));
  EXPECT_FALSE(DecodeTemplate(tooLarge));

  // Extra bytes after the last text are ignored, as the format has no end mark.
  EXPECT_TRUE(DecodeTemplate(good + "trailing"));
}

TEST(TemplateFormat, NewerVersionQuestionUsesTruncatingDivision) {
  EXPECT_EQ(NewerVersionQuestion(151),
            "File Version: 0.151\n\nThis file was created using a higher version of Pavane. Load anyway?");
  EXPECT_EQ(NewerVersionQuestion(1000).substr(0, 19), "File Version: 1.0\n\n");
  EXPECT_EQ(NewerVersionQuestion(2147483647).substr(0, 30), "File Version: 2147483.647\n\nThi");
}

TEST(TemplateNames, ExtensionRuleAndBinaryForm) {
  EXPECT_EQ(FileExtension("C:\\ROMS\\GAME.SMC"), ".SMC");
  EXPECT_EQ(FileExtension("C:\\ROMS.V2\\GAME"), "");
  EXPECT_EQ(FileExtension("C:GAME"), "");
  EXPECT_EQ(FileExtension("A.B:C"), "");
  EXPECT_TRUE(IsBinaryTemplateName("GAME.Pvt"));
  EXPECT_TRUE(IsBinaryTemplateName("setup.PVT"));
  EXPECT_FALSE(IsBinaryTemplateName("GAME.CFG"));
  EXPECT_FALSE(IsBinaryTemplateName("setup.txt"));
  EXPECT_FALSE(IsBinaryTemplateName("PVT"));
  EXPECT_FALSE(IsBinaryTemplateName("x.pvt\\y"));
}

TEST(TemplateNames, RomSettingsFileReplacesTheExtension) {
  EXPECT_EQ(ROMSettingsFileName("C:\\ROMS\\GAME.SMC"), "C:\\ROMS\\GAME.pvt");
  EXPECT_EQ(ROMSettingsFileName("C:\\ROMS.V2\\GAME"), "C:\\ROMS.V2\\GAME.pvt");
  EXPECT_EQ(ROMSettingsFileName("C:\\ROMS\\GAME.TAR.GZ"), "C:\\ROMS\\GAME.TAR.pvt");
  EXPECT_EQ(ROMSettingsFileName("C:\\ROMS\\.hidden"), "C:\\ROMS\\.pvt");
}

}  // namespace
}  // namespace pavane
