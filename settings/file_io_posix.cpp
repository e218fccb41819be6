#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>

#include "settings/file_io.h"
#include "settings/file_io_internal.h"

namespace pavane {

std::string SystemPath(std::string_view path) {
  std::string system(path);
  for (char& c : system) {
    if (c == '\\') c = '/';
  }
  return system;
}

namespace {

// A large file's bytes fault in a page at a time as they are first touched,
// and on a virtual machine each of those faults can cost as much as copying
// many kilobytes. Asking for 2 MB pages for the buffer turns thousands of
// faults into a few; where the system has no such pages nothing changes.
void AskForLargePages([[maybe_unused]] char* buffer, [[maybe_unused]] std::size_t size) {
#ifdef MADV_HUGEPAGE
  constexpr std::size_t kLargePage = 2u << 20;
  if (size < 2 * kLargePage) return;
  const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const auto begin = (reinterpret_cast<std::uintptr_t>(buffer) + page - 1) / page * page;
  const auto end = (reinterpret_cast<std::uintptr_t>(buffer) + size) / page * page;
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#endif
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::string& path, FileError& error, std::uint64_t maxSize) {
  const std::string file = SystemPath(path);
  const int fd = open(file.c_str(), O_RDONLY);
  struct stat info {};
  if (fd < 0) {
    error = CannotOpenError(path);
    return std::nullopt;
  }
  if (fstat(fd, &info) != 0 || S_ISDIR(info.st_mode) || static_cast<std::uint64_t>(info.st_size) > maxSize) {
    close(fd);
    error = CannotOpenError(path);
    return std::nullopt;
  }
  const auto size = static_cast<std::size_t>(info.st_size);
  std::string bytes;
  bytes.reserve(size);
  AskForLargePages(bytes.data(), size);
  bytes.resize(size);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
    if (got < 0) {
      close(fd);
      error = CannotOpenError(path);
      return std::nullopt;
    }
    if (got == 0) break;  // the file shrank while we read it
    done += static_cast<std::size_t>(got);
  }
  close(fd);
  bytes.resize(done);
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

bool ReplaceFileBytes(const std::string& path, std::span<const std::string_view> pieces, FileError& error) {
  const std::string file = SystemPath(path);
  struct stat target {};
  const bool exists = stat(file.c_str(), &target) == 0;
  // A directory cannot become a file; a file nobody may write stays as it is.
  if (exists && (S_ISDIR(target.st_mode) || (target.st_mode & 0222) == 0)) {
    error = CannotCreateError(path);
    return false;
  }
  const std::string temporary = SystemPath(TemporaryFileFor(path));
  unlink(temporary.c_str());  // ours by its name: what an interrupted save left behind
  const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
  if (fd < 0) {
    error = CannotCreateError(path);
    return false;
  }
  const mode_t mode = exists ? (target.st_mode & 07777) : 0644;
  bool faulted = false;
  bool complete = fchmod(fd, mode) == 0;
  for (const std::string_view piece : PiecesToWrite(pieces, faulted)) complete = complete && WriteAll(fd, piece);
  complete = complete && !faulted && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!complete || !closed || std::rename(temporary.c_str(), file.c_str()) != 0) {
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
