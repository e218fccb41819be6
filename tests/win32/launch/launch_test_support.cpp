#include "tests/win32/launch/launch_test_support.h"

#include <filesystem>
#include <sstream>
#include <thread>

#include "settings/file_io.h"

namespace pavane::testing {

StandInFolder::StandInFolder(std::string_view folder) {
  const std::filesystem::path path = temp_.Path() / folder;
  std::filesystem::create_directory(path);
  std::filesystem::copy_file(ExecutableDirectory() + "ZSNES.EXE", path / "ZSNES.EXE");
  directory_ = path.string() + "\\";
}

std::map<std::string, std::string> StandInFolder::Record() const {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  std::string text;
  // The stand-in writes its record in one go, ending with the console title's line.
  while (text.find("ConsoleTitle=") == std::string::npos || !text.ends_with("\r\n")) {
    if (std::chrono::steady_clock::now() > deadline) return {};
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    text = TempDir::Read(RecordPath());
  }
  std::map<std::string, std::string> record;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.ends_with('\r')) line.pop_back();
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos) record[line.substr(0, equals)] = line.substr(equals + 1);
  }
  return record;
}

bool WaitForExit(HANDLE process, std::chrono::milliseconds timeout) {
  return WaitForSingleObject(process, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

std::string RomImage(std::string_view title) {
  std::string image(0x10000, '\0');
  std::string field(title);
  field.resize(21, ' ');
  image.replace(0x7FC0, 21, field);
  image[0x7FDC] = '\xFF';  // checksum complement 0xFFFF, checksum 0
  image[0x7FDD] = '\xFF';
  return image;
}

std::string CurrentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::string directory(size, '\0');
  directory.resize(GetCurrentDirectoryA(size, directory.data()));
  return directory;
}

}  // namespace pavane::testing
