#include "settings/file_io.h"

#include "base/message_texts.h"

namespace pavane {

// The texts are in the ANSI code page ("\xF6" is o with diaeresis).
FileError CannotOpenError(std::string_view path) {
  return {
      FormatText("Kann Datei %s nicht \xF6"
                 "ffnen",
                 path)};
}

FileError CannotCreateError(std::string_view path) { return {FormatText("Kann Datei %s nicht erstellen", path)}; }

}  // namespace pavane
