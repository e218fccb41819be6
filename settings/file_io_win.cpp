#include <windows.h>

#include <vector>

#include "settings/file_io.h"
#include "settings/file_io_internal.h"
#include "win32/handles.h"

namespace pavane {

std::optional<std::string> ReadFileBytes(const std::string& path, FileError& error, std::uint64_t maxSize) {
  win::UniqueFile file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size) || static_cast<std::uint64_t>(size.QuadPart) > maxSize) {
    error = CannotOpenError(path);
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &read, nullptr)) {
      error = CannotOpenError(path);
      return std::nullopt;
    }
    if (read == 0) break;  // the file shrank while we read it
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

namespace {

// The attributes a replaced file keeps; read-only and directories never get this far.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool WriteTemporary(const std::string& temporary, std::span<const std::string_view> pieces, DWORD attributes) {
  win::UniqueFile file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   attributes ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  bool faulted = false;
  for (std::string_view bytes : PiecesToWrite(pieces, faulted)) {
    while (!bytes.empty()) {
      DWORD written = 0;
      if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0)
        return false;
      bytes.remove_prefix(written);
    }
  }
  if (faulted) return false;
  return FlushFileBuffers(file.Get()) != 0;
}

// Virus scanners and indexers hold files open for a moment; a few tries ride that out.
bool ReplaceFile(const std::string& temporary, const std::string& path) {
  for (int attempt = 0; attempt < 5; ++attempt) {
    if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    const DWORD code = GetLastError();
    if (code != ERROR_SHARING_VIOLATION && code != ERROR_LOCK_VIOLATION && code != ERROR_ACCESS_DENIED) break;
    Sleep(100);
  }
  return false;
}

}  // namespace

bool ReplaceFileBytes(const std::string& path, std::span<const std::string_view> pieces, FileError& error) {
  // A read-only file stays as it is, as it would if it were written in place;
  // a directory cannot become a file, and waiting does not change that.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    error = CannotCreateError(path);
    return false;
  }
  const std::string temporary = TemporaryFileFor(path);
  // Ours by its name: what an interrupted save left behind.
  SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(temporary.c_str());
  if (!WriteTemporary(temporary, pieces, exists ? (attributes & kKeptAttributes) : 0) ||
      !ReplaceFile(temporary, path)) {
    SetFileAttributesA(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(temporary.c_str());
    error = CannotCreateError(path);
    return false;
  }
  return true;
}

std::string SystemPath(std::string_view path) { return std::string(path); }

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDirectoryOneLevel(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != 0; }

std::string ExecutableDirectory() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      std::string path(buffer.data(), length);
      return path.substr(0, path.find_last_of('\\') + 1);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace pavane
