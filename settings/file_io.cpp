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

std::string TemporaryFileFor(const std::string& path) { return path + ".pavane-save"; }

namespace {
std::optional<std::size_t>& WriteFault() {
  static std::optional<std::size_t> bytes;
  return bytes;
}
}  // namespace

void FailNextWriteAfter(std::size_t bytes) { WriteFault() = bytes; }

std::optional<std::size_t> TakeWriteFault() { return std::exchange(WriteFault(), std::nullopt); }

}  // namespace pavane
