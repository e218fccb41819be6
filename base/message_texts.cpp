#include "base/message_texts.h"

namespace pavane {

std::string FormatText(std::string_view pattern, std::string_view argument) {
  std::string text(pattern);
  if (const std::size_t at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
  return text;
}

std::string FormatText(std::string_view pattern, int first, int second) {
  std::string text(pattern);
  for (const int number : {first, second}) {
    const std::size_t at = text.find("%d");
    if (at == std::string::npos) break;
    text.replace(at, 2, std::to_string(number));
  }
  return text;
}

}  // namespace pavane
