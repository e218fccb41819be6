#include "app/program_arguments.h"

namespace pavane {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The program's path: no escaping, only quotes.
ProgramArgument ProgramPath(std::string_view line, std::size_t& at) {
  ProgramArgument argument{.begin = at};
  bool quoted = false;
  for (; at < line.size(); ++at) {
    const char c = line[at];
    if (c == '"') {
      quoted = !quoted;
    } else if (IsBlank(c) && !quoted) {
      break;
    } else {
      argument.text += c;
    }
  }
  argument.end = at;
  return argument;
}

ProgramArgument NextArgument(std::string_view line, std::size_t& at) {
  ProgramArgument argument{.begin = at};
  bool quoted = false;
  while (at < line.size() && (quoted || !IsBlank(line[at]))) {
    std::size_t backslashes = 0;
    while (at < line.size() && line[at] == '\\') {
      ++backslashes;
      ++at;
    }
    if (at < line.size() && line[at] == '"') {
      argument.text.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        argument.text += '"';
      } else {
        quoted = !quoted;
      }
      ++at;
      continue;
    }
    argument.text.append(backslashes, '\\');
    if (backslashes == 0) argument.text += line[at++];
  }
  argument.end = at;
  return argument;
}

}  // namespace

std::vector<ProgramArgument> SplitCommandLine(std::string_view commandLine) {
  std::vector<ProgramArgument> arguments;
  std::size_t at = 0;
  while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
  if (at >= commandLine.size()) return arguments;
  arguments.push_back(ProgramPath(commandLine, at));
  for (;;) {
    while (at < commandLine.size() && IsBlank(commandLine[at])) ++at;
    if (at >= commandLine.size()) break;
    arguments.push_back(NextArgument(commandLine, at));
  }
  return arguments;
}

std::string ArgumentsAsOne(std::string_view commandLine, const std::vector<ProgramArgument>& arguments) {
  if (arguments.size() < 2) return {};
  return std::string(commandLine.substr(arguments[1].begin, arguments.back().end - arguments[1].begin));
}

std::optional<std::string> CommandLineRom(std::string_view commandLine, const NamesFile& namesFile) {
  const auto arguments = SplitCommandLine(commandLine);
  if (arguments.size() < 2) return std::nullopt;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    if (namesFile(arguments[i].text)) return arguments[i].text;
  }
  std::string whole = ArgumentsAsOne(commandLine, arguments);
  if (namesFile(whole)) return whole;
  return std::nullopt;
}

}  // namespace pavane
