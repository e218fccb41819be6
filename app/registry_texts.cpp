#include "app/registry_texts.h"

namespace pavane {

namespace {

// "The registry key HKEY_CURRENT_USER\<path>" and what is said of it.
std::string AboutKey(std::string_view keyPath, std::string_view said) {
  std::string text = "The registry key HKEY_CURRENT_USER\\";
  text.append(keyPath);
  text.append(said);
  return text;
}

}  // namespace

std::string KeyDeletionFailedText(std::string_view failedKeyPath) {
  return AboutKey(failedKeyPath, " could not be deleted.\nThe stored settings may remain in the registry.");
}

std::string StateNotStoredText(std::string_view keyPath) {
  return AboutKey(keyPath,
                  " could not be written.\nThe ZSNES directory, the command line, the preferences and the favourites "
                  "of this session are not stored.");
}

std::string StateNotReadText(std::string_view keyPath) {
  return AboutKey(keyPath,
                  " could not be read when Pavane started.\nSo that nothing stored there is overwritten, the ZSNES "
                  "directory, the command line, the preferences and the favourites of this session are not stored.");
}

}  // namespace pavane
