#include "launch/command_line.h"

namespace pavane {

namespace {

std::string QuotedIfBlank(std::string path) {
  if (path.find(' ') == std::string::npos) return path;
  return '"' + path + '"';
}

}  // namespace

std::string ComposeCommandLine(std::string_view zsnesDirectory, std::string_view ownDirectory,
                               std::string_view switches, const std::string& rom, const ShortPathLookup& shortPath) {
  std::string directory(zsnesDirectory.empty() ? ownDirectory : zsnesDirectory);
  if (!directory.ends_with('\\')) directory += '\\';
  std::string line = QuotedIfBlank(directory + "ZSNES.EXE");
  if (!switches.empty()) {
    line += ' ';
    line += switches;
  }
  if (!rom.empty()) {
    const std::optional<std::string> shortRom = shortPath(rom);
    line += ' ';
    line += shortRom && shortRom->find(' ') == std::string::npos ? *shortRom : '"' + rom + '"';
  }
  return line;
}

}  // namespace pavane
