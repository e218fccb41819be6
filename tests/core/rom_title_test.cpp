#include <gtest/gtest.h>

#include "launch/rom_title.h"
#include "tests/support/temp_dir.h"

namespace pavane {
namespace {

using testing::TempDir;

// A ROM image with the given header title and checksum pair at `offset`.
void PutHeader(std::string& image, std::size_t offset, std::string_view title, unsigned complement, unsigned checksum) {
  image.replace(offset, title.size(), title);
  image[offset + 28] = static_cast<char>(complement & 0xFF);
  image[offset + 29] = static_cast<char>(complement >> 8);
  image[offset + 30] = static_cast<char>(checksum & 0xFF);
  image[offset + 31] = static_cast<char>(checksum >> 8);
}

std::string TitleOf(const std::string& image) {
  return RomTitleFromImage(image.size(), [&image](std::uint64_t offset) {
    return offset >= image.size() ? std::string() : image.substr(offset, 32);
  });
}

constexpr std::size_t kMegabyte = 1048576;

TEST(RomTitle, ReadsTheLowBankTitleWithoutAndWithCopierHeader) {
  std::string image(kMegabyte, '\0');
  PutHeader(image, 0x7FC0, "LOW BANK GAME        ", 0x1234, 0xEDCB);
  EXPECT_EQ(TitleOf(image), "LOW BANK GAME        ");

  std::string copied(512, '\x55');
  copied += image;
  ASSERT_EQ(copied.size(), 1049088u);
  EXPECT_EQ(TitleOf(copied), "LOW BANK GAME        ");
}

TEST(RomTitle, HighBankWinsOnlyWhenItAloneIsValid) {
  std::string image(kMegabyte, '\0');
  PutHeader(image, 0x7FC0, "LOW", 0, 0);
  PutHeader(image, 0xFFC0, "HIGH", 0x0000, 0xFFFF);
  EXPECT_EQ(TitleOf(image), "HIGH");

  PutHeader(image, 0x7FC0, "LOW", 0xFFFF, 0);  // both valid
  EXPECT_EQ(TitleOf(image), "LOW");

  PutHeader(image, 0x7FC0, "LOW", 1, 1);
  PutHeader(image, 0xFFC0, "HIGH", 1, 1);  // neither valid
  EXPECT_EQ(TitleOf(image), "LOW");
}

TEST(RomTitle, ChecksumPairIsAddedWithoutWrapAround) {
  std::string image(kMegabyte, '\0');
  PutHeader(image, 0x7FC0, "LOW", 0xFFFF, 0xFFFF);  // sums to 0x1FFFE, not 0xFFFF
  PutHeader(image, 0xFFC0, "HIGH", 0x8000, 0x7FFF);
  EXPECT_EQ(TitleOf(image), "HIGH");
}

TEST(RomTitle, TitleIsCutAtZeroAndKeepsBlanksAndHighBytes) {
  std::string image(kMegabyte, '\0');
  PutHeader(image, 0x7FC0, std::string("ABCDE\0GHIJ", 10), 0, 0xFFFF);
  EXPECT_EQ(TitleOf(image), "ABCDE");
  PutHeader(image, 0x7FC0, "TENLETTERS           ", 0, 0xFFFF);
  EXPECT_EQ(TitleOf(image), "TENLETTERS           ");
  PutHeader(image, 0x7FC0, "\xC4&\xD6 TWENTY-ONE CHARS!", 0, 0xFFFF);
  EXPECT_EQ(TitleOf(image), "\xC4&\xD6 TWENTY-ONE CHARS!");
}

TEST(RomTitle, ShortFilesReadMissingBytesAsZero) {
  EXPECT_EQ(TitleOf(""), "");
  // 32714 bytes: the copier header takes 8138 of them, so no header fits at all.
  EXPECT_EQ(TitleOf(std::string(0x7FC0 + 10, 'A')), "");

  // A header cut short after ten bytes: the title is what is there, the pair counts as zero.
  const std::string cut = "SHORTTITLE";
  const auto reader = [&cut](std::uint64_t offset) { return offset == 0x7FC0 ? cut : std::string(); };
  EXPECT_EQ(RomTitleFromImage(0x10000, reader), "SHORTTITLE");
}

TEST(RomTitle, RealFilesAndUnopenablePaths) {
  TempDir dir;
  std::string image(kMegabyte / 2, '\0');
  PutHeader(image, 0x7FC0, "ON DISK", 0, 0xFFFF);
  const std::string rom = dir.Write("GAME.SMC", image);
  EXPECT_EQ(GetRomTitle(rom), "ON DISK");
  EXPECT_EQ(GetRomTitle(dir.Write("EMPTY.SMC", "")), "");
  EXPECT_EQ(GetRomTitle(dir.File("MISSING.SMC")), dir.File("MISSING.SMC"));
  EXPECT_EQ(GetRomTitle(dir.Path().string()), dir.Path().string());
  EXPECT_EQ(GetRomTitle(""), "");
}

}  // namespace
}  // namespace pavane
