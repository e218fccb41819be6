#include "settings/config_lines.h"

#include <optional>
#include <variant>

#include "base/text_rules.h"

namespace pavane {

ConfigLines ConfigLinesFromBytes(std::string_view bytes) {
  bytes = bytes.substr(0, bytes.find('\0'));
  ConfigLines lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 1;
    if (bytes[end] == '\r' && start < bytes.size() && bytes[start] == '\n') ++start;
  }
  return lines;
}

std::string ConfigLinesToBytes(const ConfigLines& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

namespace {

// The index of the key's line: the first line, from the top, that begins with the key.
std::optional<std::size_t> FindKeyLine(const ConfigLines& lines, const std::string& upperKey) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = UpperAscii(TrimControls(lines[i]));
    if (line.empty() || line.front() == ';') continue;
    if (line.starts_with(upperKey)) return i;
  }
  return std::nullopt;
}

}  // namespace

std::string ReadConfigValue(const ConfigLines& lines, std::string_view key, std::string_view defaultText) {
  const std::string upperKey = UpperAscii(TrimControls(key));
  if (upperKey.empty()) return std::string(defaultText);
  const auto index = FindKeyLine(lines, upperKey);
  if (!index) return std::string(defaultText);

  const std::string line = UpperAscii(TrimControls(lines[*index]));
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return line;
  return std::string(TrimControls(std::string_view(line).substr(equals + 1)));
}

std::uint8_t ReadConfigInteger(const ConfigLines& lines, std::string_view key, int defaultValue) {
  const std::string text = ReadConfigValue(lines, key, std::to_string(defaultValue));
  const std::int32_t value = ParseInteger(text).value_or(defaultValue);
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

void WriteConfigValue(ConfigLines& lines, std::string_view key, std::string_view value) {
  const std::string upperKey = UpperAscii(TrimControls(key));
  if (upperKey.empty()) return;
  std::string line(key);
  line += " = ";
  line += value;
  if (const auto index = FindKeyLine(lines, upperKey)) {
    lines[*index] = std::move(line);
  } else {
    lines.push_back(std::move(line));
  }
}

namespace {

struct NumberKey {
  OptionField field;
  int defaultValue;
};
struct TextKey {
  TextField field;
  std::string_view defaultText;
};

// One row of the file's key table. The joystick map is read from JoyMap2 but
// written to JoyMap1; ZSNES keeps both and Pavane has always done it this way.
struct ConfigKey {
  std::string_view readKey;
  std::string_view writeKey;
  std::variant<NumberKey, TextKey> value;
};

const ConfigKey kConfigKeys[] = {
    {"FrameSkip", "FrameSkip", NumberKey{&Settings::FrameSkip, 0}},
    {"AutoFrameSkip", "AutoFrameSkip", NumberKey{&Settings::AutoFrameSkip, 1}},
    {"Player1Device", "Player1Device", NumberKey{&Settings::Player1Device, 1}},
    {"Player2Device", "Player2Device", NumberKey{&Settings::Player2Device, 0}},
    {"ScanKey1", "ScanKey1", TextKey{&Settings::ScanKey1, kDefaultScanKey1}},
    {"ScanKey2", "ScanKey2", TextKey{&Settings::ScanKey2, kDefaultScanKey2}},
    {"JoyMap2", "JoyMap1", TextKey{&Settings::JoyMap, kDefaultJoyMap}},
    {"Execute", "Execute", NumberKey{&Settings::Execute, 100}},
    {"VideoMode", "VideoMode", NumberKey{&Settings::VideoMode, 1}},
    {"Sound", "Sound", NumberKey{&Settings::Sound, 0}},
    {"SoundRate", "SoundRate", NumberKey{&Settings::SoundRate, 2}},
    {"Stereo", "Stereo", NumberKey{&Settings::Stereo, 0}},
    {"GUIDisable", "GUIDisable", NumberKey{&Settings::GUIDisable, 0}},
    {"Scanlines", "Scanlines", NumberKey{&Settings::Scanlines, 0}},
    {"Interpolation", "Interpolation", NumberKey{&Settings::Interpolation, 0}},
    {"EnterSkip", "EnterSkip", NumberKey{&Settings::EnterSkip, 0}},
    {"Force8bit", "Force8bit", NumberKey{&Settings::Force8bit, 0}},
    {"SaveDirectory", "SaveDirectory", TextKey{&Settings::SaveDirectory, ""}},
    {"GameDirectory", "GameDirectory", TextKey{&Settings::GameDirectory, kDefaultGameDirectory}},
    {"CopyMethod", "CopyMethod", NumberKey{&Settings::CopyMethod, 0}},
    {"NewGfx", "NewGfx", NumberKey{&Settings::NewGfx, 0}},
};

}  // namespace

void ReadSettingsFromConfig(const ConfigLines& lines, Settings& settings) {
  for (const ConfigKey& key : kConfigKeys) {
    if (const auto* number = std::get_if<NumberKey>(&key.value)) {
      settings.*number->field = ReadConfigInteger(lines, key.readKey, number->defaultValue);
    } else {
      const auto& text = std::get<TextKey>(key.value);
      settings.*text.field = ReadConfigValue(lines, key.readKey, text.defaultText);
    }
  }
}

void WriteSettingsToConfig(const Settings& settings, ConfigLines& lines) {
  for (const ConfigKey& key : kConfigKeys) {
    if (const auto* number = std::get_if<NumberKey>(&key.value)) {
      WriteConfigValue(lines, key.writeKey, std::to_string(settings.*number->field));
    } else {
      WriteConfigValue(lines, key.writeKey, settings.*std::get<TextKey>(key.value).field);
    }
  }
}

}  // namespace pavane
