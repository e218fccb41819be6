// Stand-in for the emulator. Pavane starts it exactly as it starts the real
// program; it writes down what it received and then ends as its environment
// tells it, so tests can check the launch and the run dialog end to end.
//
//   PAVANE_STANDIN_RECORD     file to write the record to (lines "Key=Value")
//   PAVANE_STANDIN_EXIT_CODE  exit code, default 0
//   PAVANE_STANDIN_RUN_MS     milliseconds to keep running; "forever" waits to be terminated
//
// Told neither an exit code nor a time to run (the demo), it shows what it
// received and waits for Enter.

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::optional<std::string> Environment(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return std::nullopt;
  std::vector<char> buffer(size);
  const DWORD length = GetEnvironmentVariableA(name, buffer.data(), size);
  if (length == 0 || length >= size) return std::nullopt;
  return std::string(buffer.data(), length);
}

std::string WorkingDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  if (size == 0) return {};
  std::vector<char> buffer(size);
  const DWORD length = GetCurrentDirectoryA(size, buffer.data());
  return length < size ? std::string(buffer.data(), length) : std::string();
}

// GetConsoleTitleA does not report the size it needs, so grow until the title fits.
std::string ConsoleTitle() {
  for (DWORD size = 256; size <= 65536; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = GetConsoleTitleA(buffer.data(), size);
    if (length + 1 < size) return std::string(buffer.data(), length);
  }
  return {};
}

std::optional<unsigned long> ParseNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const unsigned long value = std::strtoul(text.c_str(), &end, 0);
  if (errno != 0 || *end != '\0') return std::nullopt;
  return value;
}

struct Received {
  std::string commandLine;
  std::string workingDirectory;
  DWORD priorityClass;
  std::string consoleTitle;
};

std::string RecordText(const Received& received) {
  std::ostringstream text;
  text << "CommandLine=" << received.commandLine << "\r\nWorkingDirectory=" << received.workingDirectory
       << "\r\nPriorityClass=0x" << std::hex << std::uppercase << received.priorityClass
       << "\r\nConsoleTitle=" << received.consoleTitle << "\r\n";
  return text.str();
}

bool WriteRecord(const std::string& path, const std::string& text) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace

int main() {
  const Received received{GetCommandLineA(), WorkingDirectory(), GetPriorityClass(GetCurrentProcess()), ConsoleTitle()};
  const std::string record = RecordText(received);
  std::cout << "This is a stand-in used for testing Pavane; it is not the emulator.\n"
            << "It received:\n"
            << record << std::flush;

  if (const auto path = Environment("PAVANE_STANDIN_RECORD"); path && !WriteRecord(*path, record))
    std::cerr << "Cannot write the record to " << *path << "\n";

  const auto exitText = Environment("PAVANE_STANDIN_EXIT_CODE");
  const auto runText = Environment("PAVANE_STANDIN_RUN_MS");
  unsigned long exitCode = 0;
  if (exitText) {
    const auto parsed = ParseNumber(*exitText);
    if (parsed)
      exitCode = *parsed;
    else
      std::cerr << "PAVANE_STANDIN_EXIT_CODE is not a number: " << *exitText << "; exiting with 0\n";
  }

  if (runText) {
    if (*runText == "forever") {
      Sleep(INFINITE);
    } else if (const auto milliseconds = ParseNumber(*runText); milliseconds && *milliseconds < INFINITE) {
      Sleep(static_cast<DWORD>(*milliseconds));
    } else {
      std::cerr << "PAVANE_STANDIN_RUN_MS is neither a number nor \"forever\": " << *runText << "\n";
    }
  } else if (!exitText) {
    std::cout << "Press Enter to exit.\n" << std::flush;
    std::string line;
    std::getline(std::cin, line);
  }
  return static_cast<int>(exitCode);
}
