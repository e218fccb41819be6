#pragma once

#include <string>
#include <string_view>

#include "settings/config_lines.h"
#include "settings/file_io.h"

namespace pavane {

struct ConfigLocation {
  std::string directory;  // with its trailing "\"
  std::string path;       // directory + "ZSNES.CFG"
};

// Where ZSNES.CFG lives: the ZSNES directory, or the program's own when that is empty.
ConfigLocation LocateConfigFile(std::string_view zsnesDirectory, std::string_view ownDirectory);

// Replaces `lines` with the file's lines; on failure they stay as they were.
bool ReadConfigFile(const std::string& path, ConfigLines& lines, FileError& error);

// Writes every line followed by CR LF, replacing the file as one step.
bool WriteConfigFile(const std::string& path, const ConfigLines& lines, FileError& error);

}  // namespace pavane
