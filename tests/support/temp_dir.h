#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace pavane::testing {

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    const auto base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("pavane-test-" + std::to_string(std::time(nullptr)) + "-" + std::to_string(++counter));
    } while (!std::filesystem::create_directory(path_));
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string File(std::string_view name) const { return (path_ / name).string(); }

  std::string Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(path_ / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return File(name);
  }

  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // How many entries the directory holds: leftovers of a failed save show up here.
  std::size_t EntryCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(path_), {}));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace pavane::testing
