#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace pavane {

// Version written into binary templates: major * 1000 + minor, so 0.150.
inline constexpr std::int32_t kTemplateVersion = 150;

// The whole record in the binary template form: the version, the sixteen option
// bytes, then each text as a little-endian count and its bytes (cut at a NUL).
std::string EncodeTemplate(const Settings& settings);

struct DecodedTemplate {
  std::int32_t version;
  Settings settings;
};

// Reads a binary template. A file that ends early or holds a negative or too
// large text count is damaged as a whole and gives nothing.
std::optional<DecodedTemplate> DecodeTemplate(std::string_view bytes);

// "File Version: 0.151\n\n..." for a file newer than this program writes.
std::string NewerVersionQuestion(std::int32_t version);

// The path's extension: from its last "." on, unless a "\" or ":" follows that dot.
std::string_view FileExtension(std::string_view path);

// Templates with the extension PVT (in any case) are binary; any other name holds the text form.
bool IsBinaryTemplateName(std::string_view path);

// The ROM's own settings file: the ROM path without its extension, then ".pvt".
std::string ROMSettingsFileName(std::string_view romPath);

}  // namespace pavane
