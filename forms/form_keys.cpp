#include "forms/form_keys.h"

#include <array>
#include <charconv>
#include <utility>

namespace pavane::forms {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

// Named keys beside letters, digits and F-keys, with their virtual-key codes.
constexpr std::array<std::pair<std::string_view, int>, 12> kNamedKeys{{
    {"Del", 0x2E},
    {"Ins", 0x2D},
    {"Enter", 0x0D},
    {"Esc", 0x1B},
    {"Tab", 0x09},
    {"Space", 0x20},
    {"Home", 0x24},
    {"End", 0x23},
    {"PgUp", 0x21},
    {"PgDn", 0x22},
    {"BkSp", 0x08},
    {"Backspace", 0x08},
}};

std::optional<int> KeyCode(std::string_view name) {
  if (name.size() == 1) {
    const char c = AsciiUpper(name[0]);
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return c;
    return std::nullopt;
  }
  if (name.size() >= 2 && (name[0] == 'F' || name[0] == 'f')) {
    int number = 0;
    const auto digits = name.substr(1);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error == std::errc{} && end == digits.data() + digits.size() && number >= 1 && number <= 24) {
      return 0x70 + number - 1;
    }
    return std::nullopt;
  }
  for (const auto& [keyName, code] : kNamedKeys) {
    if (EqualsIgnoringCase(name, keyName)) return code;
  }
  return std::nullopt;
}

}  // namespace

std::optional<Shortcut> ParseShortcut(std::string_view text) {
  Shortcut shortcut;
  while (true) {
    const auto plus = text.find('+');
    // A trailing "+" is the key itself ("Ctrl++" is not used, so a plus is always a separator).
    if (plus == std::string_view::npos || plus + 1 == text.size()) break;
    const auto modifier = text.substr(0, plus);
    if (EqualsIgnoringCase(modifier, "Ctrl")) {
      shortcut.ctrl = true;
    } else if (EqualsIgnoringCase(modifier, "Shift")) {
      shortcut.shift = true;
    } else if (EqualsIgnoringCase(modifier, "Alt")) {
      shortcut.alt = true;
    } else {
      return std::nullopt;
    }
    text.remove_prefix(plus + 1);
  }
  const auto key = KeyCode(text);
  if (!key) return std::nullopt;
  shortcut.key = *key;
  return shortcut;
}

char MnemonicOf(std::string_view caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return AsciiUpper(caption[i + 1]);
  }
  return 0;
}

bool MatchesMnemonic(std::string_view caption, char typed) {
  const char mnemonic = MnemonicOf(caption);
  return mnemonic != 0 && mnemonic == AsciiUpper(typed);
}

}  // namespace pavane::forms
