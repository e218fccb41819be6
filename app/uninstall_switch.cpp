#include "app/uninstall_switch.h"

#include "settings/text_rules.h"

namespace pavane {

bool HasUninstallSwitch(std::string_view commandLine) {
  return UpperAscii(commandLine).find("-U") != std::string::npos;
}

std::string KeyDeletionFailedText(std::string_view failedKeyPath) {
  std::string text = "The registry key HKEY_CURRENT_USER\\";
  text.append(failedKeyPath);
  text.append(" could not be deleted.\nThe stored settings may remain in the registry.");
  return text;
}

}  // namespace pavane
