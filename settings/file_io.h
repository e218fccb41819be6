#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pavane {

// What the user is told when a file cannot be read or written; names the file.
struct FileError {
  std::string message;
};

FileError CannotOpenError(std::string_view path);
FileError CannotCreateError(std::string_view path);
FileError PathTooLongError(std::string_view path);

// The longest path the system's file functions take (MAX_PATH, less its NUL).
inline constexpr std::size_t kLongestPath = 259;
// Whether a file at `path` can be read, and saved (through its temporary file).
bool CanRead(std::string_view path);
bool CanSave(const std::string& path);

// No configuration file or template of the emulator comes anywhere near this;
// a larger file is refused before it is read.
inline constexpr std::uint64_t kMaxSettingsFileSize = 64ull << 20;

// The whole file, or the "cannot open" error (also for a file larger than
// `maxSize`); a path too long to read gives the error that says so.
std::optional<std::string> ReadWholeFile(const std::string& path, FileError& error,
                                         std::uint64_t maxSize = kMaxSettingsFileSize);

// Replaces the file with the bytes as one step: the temporary file
// TemporaryFileFor(path) is written and flushed, then moved over the target,
// which keeps its attributes (hidden, system) or its permissions. A
// temporary left by an earlier save that could not finish goes first. On any
// failure the old file stays whole, no temporary file is left, and the error
// is "cannot create". A read-only target, or a directory, fails at once; a
// path too long to save gives the error that says so.
bool WriteWholeFile(const std::string& path, std::span<const std::string_view> pieces, FileError& error);
// The same with the bytes in one piece.
bool WriteWholeFile(const std::string& path, std::string_view bytes, FileError& error);

// The temporary file a save of `path` writes before it replaces the file.
std::string TemporaryFileFor(const std::string& path);

// For tests: the next WriteWholeFile stops after `bytes` bytes of its
// temporary file, as a full disk would.
void FailNextWriteAfter(std::size_t bytes);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);

// Creates one directory level; its parent must exist.
bool CreateDirectoryOneLevel(const std::string& path);

// The program's paths separate their parts with "\", as the system it was
// made for does; this is the form the running system opens (elsewhere every
// "\" becomes "/").
std::string SystemPath(std::string_view path);

// The directory of the running program, with its trailing separator.
std::string ExecutableDirectory();

}  // namespace pavane
