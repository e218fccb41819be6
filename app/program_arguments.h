#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pavane {

// One argument of the program's command line: its text once quotes and
// escaping backslashes are taken away, and where it stood in the line.
struct ProgramArgument {
  std::string text;
  std::size_t begin = 0;  // the raw characters [begin, end) of the line
  std::size_t end = 0;
};

// The command line as the system's C runtime splits it: the first argument,
// the program's path, runs to the closing quote or the first blank; the
// others are separated by blanks and tabs, a double quote starts or ends a
// quoted part, 2n backslashes before a quote stand for n and the quote
// counts, 2n + 1 stand for n and a quote taken literally, and other
// backslashes are themselves.
std::vector<ProgramArgument> SplitCommandLine(std::string_view commandLine);

// Everything after the program's path as it stands in the line, blanks
// around it dropped: a path with blanks handed over without quotes.
std::string ArgumentsAsOne(std::string_view commandLine, const std::vector<ProgramArgument>& arguments);

// Whether a path names an existing file (not a directory).
using NamesFile = std::function<bool(const std::string& path)>;

// The ROM the shell passes ("Open with", a file association): the first
// argument after the program's path that names a file; else the whole rest
// of the line, blanks around it dropped, when that names a file (a path with
// blanks passed without quotes). None when nothing names a file.
std::optional<std::string> CommandLineRom(std::string_view commandLine, const NamesFile& namesFile);

}  // namespace pavane
