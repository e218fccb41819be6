#include "settings/file_io.h"

namespace pavane {

namespace {

std::string Format(std::string_view pattern, std::string_view path) {
  std::string text(pattern);
  text.replace(text.find("%s"), 2, path);
  return text;
}

}  // namespace

// The texts are in the ANSI code page ("\xF6" is o with diaeresis).
FileError CannotOpenError(std::string_view path) { return {Format("Kann Datei %s nicht \xF6" "ffnen", path)}; }

FileError CannotCreateError(std::string_view path) { return {Format("Kann Datei %s nicht erstellen", path)}; }

}  // namespace pavane
