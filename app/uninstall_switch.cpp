#include "app/uninstall_switch.h"

#include "base/text_rules.h"

namespace pavane {

bool HasUninstallSwitch(std::string_view commandLine) {
  return UpperAscii(commandLine).find("-U") != std::string::npos;
}

}  // namespace pavane
