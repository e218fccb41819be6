#include "launch/switch_line.h"

#include "base/text_rules.h"

namespace pavane {

namespace {

std::size_t FindSwitch(std::string_view text, std::string_view switchText) {
  const std::string haystack = UpperAscii(text) + ' ';
  const std::string needle = UpperAscii(switchText) + ' ';
  return haystack.find(needle);
}

}  // namespace

std::string SwitchOf(int tag) { return "-" + std::string(kSwitchTable.at(static_cast<std::size_t>(tag))); }

std::string GammaSwitch(int position) { return "-g " + std::to_string(position); }

bool SwitchPresent(std::string_view text, std::string_view switchText) {
  return FindSwitch(text, switchText) != std::string::npos;
}

std::string AddSwitch(std::string_view text, std::string_view switchText) {
  if (SwitchPresent(text, switchText)) return std::string(text);
  const std::string line = std::string(text) + ' ' + std::string(switchText);
  return std::string(TrimControls(line));
}

std::string RemoveSwitch(std::string_view text, std::string_view switchText) {
  const std::size_t at = FindSwitch(text, switchText);
  if (at == std::string::npos) return std::string(text);
  std::string line(text);
  line.erase(at, switchText.size());
  return std::string(TrimControls(line));
}

}  // namespace pavane
