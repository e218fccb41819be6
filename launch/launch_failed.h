#pragma once

#include <string>
#include <string_view>

namespace pavane {

// The message shown when the emulator cannot be started: `format` (string
// 4001) with its first "%d" replaced by the system's error code, read as a
// signed number the way printf reads %d. A format without "%d" is shown as is.
std::string LaunchFailedMessage(std::string_view format, int errorCode);

}  // namespace pavane
