#include "settings/config_file.h"

#include <utility>

namespace pavane {

ConfigLocation LocateConfigFile(std::string_view zsnesDirectory, std::string_view ownDirectory) {
  std::string directory(zsnesDirectory.empty() ? ownDirectory : zsnesDirectory);
  if (!directory.ends_with('\\')) directory += '\\';
  return {directory, directory + "ZSNES.CFG"};
}

bool ReadConfigFile(const std::string& path, ConfigLines& lines, FileError& error) {
  auto bytes = ReadWholeFile(path, error);  // not const: the lines take the bytes over
  if (!bytes) return false;
  lines = ConfigLinesFromBytes(std::move(*bytes));
  return true;
}

bool WriteConfigFile(const std::string& path, const ConfigLines& lines, FileError& error) {
  const ConfigBytes bytes = ConfigLinesAsPieces(lines);
  return WriteWholeFile(path, bytes.pieces, error);
}

}  // namespace pavane
