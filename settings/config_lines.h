#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace pavane {

// The text lines of the last ZSNES.CFG (or text template) read, without line ends.
using ConfigLines = std::vector<std::string>;

// Splits file bytes into lines at CR LF, a lone CR or a lone LF. A NUL ends the text.
ConfigLines ConfigLinesFromBytes(std::string_view bytes);

// Every line followed by CR LF; no lines give no bytes.
std::string ConfigLinesToBytes(const ConfigLines& lines);

// The value of the first line whose trimmed, upper-cased text begins with the
// key, in capitals; the default when no line matches. Comments (";") and empty
// lines never match.
std::string ReadConfigValue(const ConfigLines& lines, std::string_view key, std::string_view defaultText);

// The key's value read as an integer, keeping its low eight bits; the default
// when the key is missing or its value is unreadable.
std::uint8_t ReadConfigInteger(const ConfigLines& lines, std::string_view key, int defaultValue);

// Replaces the key's line in place with "key = value", or appends that line.
void WriteConfigValue(ConfigLines& lines, std::string_view key, std::string_view value);

// Fills the 21 option fields from the lines; ZSnesCmdLine is not touched.
void ReadSettingsFromConfig(const ConfigLines& lines, Settings& settings);

// Writes the 21 option fields into the lines, in file order.
void WriteSettingsToConfig(const Settings& settings, ConfigLines& lines);

}  // namespace pavane
