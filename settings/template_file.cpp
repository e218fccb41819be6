#include "settings/template_file.h"

#include "base/message_texts.h"
#include "base/text_rules.h"

namespace pavane {

namespace {

void PutInt32(std::string& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((bits >> shift) & 0xFFu);
}

// Walks a byte buffer; every read checks what remains, so a damaged file is
// never read past its end.
class TemplateReader {
 public:
  explicit TemplateReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::int32_t> Int32() {
    if (bytes_.size() < 4) return std::nullopt;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(bytes_[i]);
    bytes_.remove_prefix(4);
    return static_cast<std::int32_t>(bits);
  }

  std::optional<std::uint8_t> Byte() {
    if (bytes_.empty()) return std::nullopt;
    const auto value = static_cast<std::uint8_t>(bytes_.front());
    bytes_.remove_prefix(1);
    return value;
  }

  std::optional<std::string> Text() {
    const auto count = Int32();
    if (!count || *count < 0 || static_cast<std::size_t>(*count) > bytes_.size()) return std::nullopt;
    std::string_view text = bytes_.substr(0, static_cast<std::size_t>(*count));
    bytes_.remove_prefix(text.size());
    return std::string(text.substr(0, text.find('\0')));
  }

 private:
  std::string_view bytes_;
};

}  // namespace

std::string EncodeTemplate(const Settings& settings) {
  std::string bytes;
  PutInt32(bytes, kTemplateVersion);
  for (const NamedOption& option : kOptionFields) bytes += static_cast<char>(settings.*option.field);
  for (const NamedText& text : kTextFields) {
    const std::string& value = settings.*text.field;
    const std::string_view stored = std::string_view(value).substr(0, value.find('\0'));
    PutInt32(bytes, static_cast<std::int32_t>(stored.size()));
    bytes += stored;
  }
  return bytes;
}

std::optional<DecodedTemplate> DecodeTemplate(std::string_view bytes) {
  TemplateReader reader(bytes);
  const auto version = reader.Int32();
  if (!version) return std::nullopt;
  DecodedTemplate decoded{*version, {}};
  for (const NamedOption& option : kOptionFields) {
    const auto value = reader.Byte();
    if (!value) return std::nullopt;
    decoded.settings.*option.field = *value;
  }
  for (const NamedText& text : kTextFields) {
    auto value = reader.Text();
    if (!value) return std::nullopt;
    decoded.settings.*text.field = std::move(*value);
  }
  return decoded;
}

std::string NewerVersionQuestion(std::int32_t version) {
  return FormatText(TEXT_NEWER_TEMPLATE, version / 1000, version % 1000);
}

std::string_view FileExtension(std::string_view path) {
  const std::size_t dot = path.find_last_of(".\\:");
  if (dot == std::string_view::npos || path[dot] != '.') return {};
  return path.substr(dot);
}

bool IsBinaryTemplateName(std::string_view path) { return UpperAscii(FileExtension(path)) == ".PVT"; }

std::string ROMSettingsFileName(std::string_view romPath) {
  std::string name(romPath.substr(0, romPath.size() - FileExtension(romPath).size()));
  name += ".pvt";
  return name;
}

}  // namespace pavane
