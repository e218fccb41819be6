#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "settings/file_io.h"

namespace pavane {

std::string SystemPath(std::string_view path) {
  std::string system(path);
  for (char& c : system) {
    if (c == '\\') c = '/';
  }
  return system;
}

std::optional<std::string> ReadWholeFile(const std::string& path, FileError& error) {
  struct stat info {};
  const std::string file = SystemPath(path);
  std::ifstream in(file, std::ios::binary);
  if (!in || stat(file.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) {
    error = CannotOpenError(path);
    return std::nullopt;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = CannotOpenError(path);
    return std::nullopt;
  }
  return bytes;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes, FileError& error) {
  const std::string file = SystemPath(path);
  std::string temporary = file + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    error = CannotCreateError(path);
    return false;
  }
  struct stat target {};
  const mode_t mode = stat(file.c_str(), &target) == 0 ? (target.st_mode & 07777) : 0644;
  const bool written = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
    unlink(temporary.c_str());
    error = CannotCreateError(path);
    return false;
  }
  return true;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(SystemPath(path).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat info {};
  return stat(SystemPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateDirectoryOneLevel(const std::string& path) { return mkdir(SystemPath(path).c_str(), 0777) == 0; }

std::string ExecutableDirectory() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
  if (length <= 0) return "./";
  std::string path(buffer, static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace pavane
