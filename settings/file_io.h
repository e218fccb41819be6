#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pavane {

// What the user is told when a file cannot be read or written; names the file.
struct FileError {
  std::string message;
};

FileError CannotOpenError(std::string_view path);
FileError CannotCreateError(std::string_view path);

// The whole file, or the "cannot open" error.
std::optional<std::string> ReadWholeFile(const std::string& path, FileError& error);

// Replaces the file with the bytes as one step: a temporary file beside it is
// written and flushed, then moved over the target. On any failure the old file
// stays whole, no temporary file is left, and the error is "cannot create".
bool WriteWholeFile(const std::string& path, std::string_view bytes, FileError& error);

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
