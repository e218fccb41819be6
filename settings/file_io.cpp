#include "settings/file_io.h"

#include <utility>

#include "base/message_texts.h"
#include "settings/file_io_internal.h"

namespace pavane {

// The texts are in the ANSI code page ("\xF6" is o with diaeresis).
FileError CannotOpenError(std::string_view path) {
  return {
      FormatText("Kann Datei %s nicht \xF6"
                 "ffnen",
                 path)};
}

FileError CannotCreateError(std::string_view path) { return {FormatText("Kann Datei %s nicht erstellen", path)}; }

FileError PathTooLongError(std::string_view path) { return {FormatText(TEXT_PATH_TOO_LONG, path)}; }

std::string TemporaryFileFor(const std::string& path) { return path + ".pavane-save"; }

bool CanRead(std::string_view path) { return path.size() <= kLongestPath; }

bool CanSave(const std::string& path) { return CanRead(TemporaryFileFor(path)); }

std::optional<std::string> ReadWholeFile(const std::string& path, FileError& error, std::uint64_t maxSize) {
  if (!CanRead(path)) {
    error = PathTooLongError(path);
    return std::nullopt;
  }
  return ReadFileBytes(path, error, maxSize);
}

bool WriteWholeFile(const std::string& path, std::span<const std::string_view> pieces, FileError& error) {
  if (!CanSave(path)) {
    error = PathTooLongError(path);
    return false;
  }
  return ReplaceFileBytes(path, pieces, error);
}

namespace {
std::optional<std::size_t>& WriteFault() {
  static std::optional<std::size_t> bytes;
  return bytes;
}
}  // namespace

void FailNextWriteAfter(std::size_t bytes) { WriteFault() = bytes; }

std::optional<std::size_t> TakeWriteFault() { return std::exchange(WriteFault(), std::nullopt); }

std::vector<std::string_view> PiecesToWrite(std::span<const std::string_view> pieces, bool& faulted) {
  const std::optional<std::size_t> fault = TakeWriteFault();
  faulted = fault.has_value();
  if (!fault) return {pieces.begin(), pieces.end()};
  std::vector<std::string_view> before;
  std::size_t left = *fault;
  for (const std::string_view piece : pieces) {
    if (left == 0) break;
    before.push_back(piece.substr(0, left));
    left -= before.back().size();
  }
  return before;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes, FileError& error) {
  return WriteWholeFile(path, std::span<const std::string_view>(&bytes, 1), error);
}

}  // namespace pavane
