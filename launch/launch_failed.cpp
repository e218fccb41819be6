#include "launch/launch_failed.h"

namespace pavane {

std::string LaunchFailedMessage(std::string_view format, int errorCode) {
  std::string message(format);
  // Only the code is put in: a translated text with other % signs must not be read as a printf format.
  if (const std::size_t at = message.find("%d"); at != std::string::npos)
    message.replace(at, 2, std::to_string(errorCode));
  return message;
}

}  // namespace pavane
