#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "settings/config_lines.h"
#include "settings/file_io.h"
#include "settings/settings.h"

namespace pavane {

// Asked before a template newer than this program is loaded; true loads it.
using NewerVersionConsent = std::function<bool(std::int32_t version)>;

enum class TemplateRead {
  Loaded,
  Declined,    // the user declined a newer version; nothing changed
  Damaged,     // the binary form is cut short or inconsistent; nothing changed
  CannotOpen,  // the error names the file; nothing changed
};

// Writes the record in the binary form.
bool WriteTemplateFile(const std::string& path, const Settings& settings, FileError& error);

// Reads the binary form into the record. Every field changes, or none does.
TemplateRead ReadTemplateFile(const std::string& path, Settings& settings, const NewerVersionConsent& consent,
                              FileError& error);

// Save Template: PVT names get the binary form; any other name gets the lines
// with the settings written into them.
bool SaveTemplate(const std::string& path, const Settings& settings, ConfigLines& lines, FileError& error);

// Load Template: PVT names are read in the binary form; any other file replaces
// the lines and is read with the ZSNES.CFG rules.
TemplateRead LoadTemplate(const std::string& path, Settings& settings, ConfigLines& lines,
                          const NewerVersionConsent& consent, FileError& error);

}  // namespace pavane
