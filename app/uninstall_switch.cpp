#include "app/uninstall_switch.h"

#include <algorithm>

#include "base/text_rules.h"

namespace pavane {

bool HasUninstallSwitch(std::string_view commandLine, const NamesFile& namesFile) {
  const auto arguments = SplitCommandLine(commandLine);
  if (arguments.size() < 2) return false;
  const bool typed = std::any_of(arguments.begin() + 1, arguments.end(),
                                 [](const ProgramArgument& argument) { return UpperAscii(argument.text) == "-U"; });
  return typed && !(arguments.size() > 2 && namesFile(ArgumentsAsOne(commandLine, arguments)));
}

}  // namespace pavane
