#include "app/registry_texts.h"

namespace pavane {

std::string KeyDeletionFailedText(std::string_view failedKeyPath) {
  std::string text = "The registry key HKEY_CURRENT_USER\\";
  text.append(failedKeyPath);
  text.append(" could not be deleted.\nThe stored settings may remain in the registry.");
  return text;
}

std::string StateNotStoredText(std::string_view keyPath) {
  std::string text = "The registry key HKEY_CURRENT_USER\\";
  text.append(keyPath);
  text.append(
      " could not be written.\nThe ZSNES directory, the command line, the preferences and the favourites of this "
      "session are not stored.");
  return text;
}

}  // namespace pavane
