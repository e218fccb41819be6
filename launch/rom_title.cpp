#include "launch/rom_title.h"

namespace pavane {

namespace {

constexpr std::uint64_t kLowBankHeader = 0x7FC0;
constexpr std::uint64_t kHighBankHeader = 0xFFC0;
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kTitleSize = 21;

struct Header {
  std::string bytes;

  unsigned Word(std::size_t at) const {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
  }
  // Complement and checksum added as plain integers, without 16-bit wrap-around.
  bool IsValid() const { return Word(28) + Word(30) == 0xFFFF; }
  std::string Title() const {
    const std::string_view title = std::string_view(bytes).substr(0, kTitleSize);
    return std::string(title.substr(0, title.find('\0')));
  }
};

Header ReadHeader(const HeaderReader& read32, std::uint64_t offset) {
  Header header{read32(offset)};
  header.bytes.resize(kHeaderSize, '\0');
  return header;
}

}  // namespace

std::string RomTitleFromImage(std::uint64_t size, const HeaderReader& read32) {
  const std::uint64_t skip = size % 8192;
  const Header low = ReadHeader(read32, skip + kLowBankHeader);
  const Header high = ReadHeader(read32, skip + kHighBankHeader);
  return !low.IsValid() && high.IsValid() ? high.Title() : low.Title();
}

}  // namespace pavane
