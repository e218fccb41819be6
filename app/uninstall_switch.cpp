#include "app/uninstall_switch.h"

#include <string>

#include "base/text_rules.h"

namespace pavane {

bool HasUninstallSwitch(std::string_view commandLine, const NamesFile& namesFile) {
  std::string searched(commandLine);
  const auto arguments = SplitCommandLine(commandLine);
  // From the last, so the places of the earlier ones stay right.
  for (std::size_t i = arguments.size(); i-- > 1;) {
    const auto& argument = arguments[i];
    if (namesFile(argument.text)) searched.erase(argument.begin, argument.end - argument.begin);
  }
  return UpperAscii(searched).find("-U") != std::string::npos;
}

}  // namespace pavane
