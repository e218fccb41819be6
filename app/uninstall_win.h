#pragma once

#include <string_view>

#include "app/program_arguments.h"
#include "forms/prompter.h"

namespace pavane {

// The -U step at start-up. When `commandLine` holds the switch (`namesFile`
// telling which of its arguments name files), asks `question`
// (captioned `appTitle`, Yes and No with No the default, no icon); on Yes removes `keyPath` below
// HKEY_CURRENT_USER with everything under it, telling the user which key
// could not be removed if that fails. True when the program ends here.
bool RunUninstallSwitch(std::string_view commandLine, const NamesFile& namesFile, std::string_view appTitle,
                        std::string_view question, std::string_view keyPath, forms::Prompter& prompter);

}  // namespace pavane
