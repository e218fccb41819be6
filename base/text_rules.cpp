#include "base/text_rules.h"

namespace pavane {

std::string_view TrimControls(std::string_view text) {
  auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
  return text;
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string DoubleAmpersands(std::string_view text) {
  std::string doubled;
  for (const char c : text) {
    doubled.push_back(c);
    if (c == '&') doubled.push_back('&');
  }
  return doubled;
}

namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  bool hasSign = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    hasSign = true;
    ++pos;
  }
  int base = 10;
  // A sign and the "$" prefix are never combined: "-$1E" is no number.
  if (pos < text.size() && text[pos] == '$' && !hasSign) {
    base = 16;
    ++pos;
  }
  if (pos == text.size()) return std::nullopt;

  // Hexadecimal covers the full 32-bit pattern ($FFFFFFFF is -1); decimal the signed range.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  std::uint64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  auto value = static_cast<std::uint32_t>(magnitude);
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

}  // namespace pavane
