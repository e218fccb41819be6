#include "settings/settings.h"

#include "base/text_rules.h"

namespace pavane {

bool SplitList(std::string_view text, std::vector<std::string>& items) {
  items.clear();
  if (text.empty()) return false;
  for (;;) {
    const std::size_t comma = text.find(',');
    items.emplace_back(TrimControls(text.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return true;
}

std::string JoinList(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ", ";
    text += items[i];
  }
  return text;
}

}  // namespace pavane
