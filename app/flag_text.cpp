#include "app/flag_text.h"

#include "base/text_rules.h"

namespace pavane {

namespace {

std::optional<std::int32_t> FlagNumber(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    // The program's integer reader takes "$" for hexadecimal; after the prefix
    // only hex digits may follow, so "0x-1" or "0x 1" stay unreadable.
    std::string dollar = "$";
    dollar.append(text.substr(2));
    return ParseInteger(dollar);
  }
  // Flags are decimal: the reader's "$" form is not one of theirs.
  if (text.find('$') != std::string_view::npos) return std::nullopt;
  return ParseInteger(text);
}

}  // namespace

bool ReadFlag(const std::optional<std::string>& text, bool fallback) {
  if (!text) return fallback;
  const std::optional<std::int32_t> number = FlagNumber(*text);
  return number ? *number != 0 : fallback;
}

std::string_view FlagText(bool value) { return value ? "1" : "0"; }

}  // namespace pavane
