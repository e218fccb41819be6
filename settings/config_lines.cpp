#include "settings/config_lines.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <variant>
#include <vector>

#include "base/text_rules.h"

namespace pavane {

ConfigLines::ConfigLines(std::initializer_list<std::string_view> lines) {
  for (const std::string_view line : lines) Append(std::string(line));
}

std::string_view ConfigLines::ReadLine(std::size_t index) const {
  const std::string_view bytes(*bytes_);
  const std::size_t start = StartOf(index);
  std::size_t end = StartOf(index + 1);
  // A line's own text holds no CR or LF, so what follows it up to the next line is its line end.
  while (end > start && (bytes[end - 1] == '\n' || bytes[end - 1] == '\r')) --end;
  return bytes.substr(start, end - start);
}

std::string_view ConfigLines::operator[](std::size_t index) const {
  if (index >= ReadCount()) return appended_[index - ReadCount()];
  if (IsReplaced(index)) return replaced_.at(index);
  return ReadLine(index);
}

void ConfigLines::Replace(std::size_t index, std::string line) {
  if (index >= ReadCount()) {
    appended_[index - ReadCount()] = std::move(line);
    return;
  }
  starts_[index] |= kReplaced;
  replaced_[index] = std::move(line);
}

void ConfigLines::Append(std::string line) { appended_.push_back(std::move(line)); }

bool operator==(const ConfigLines& left, const ConfigLines& right) {
  return std::equal(left.begin(), left.end(), right.begin(), right.end());
}

namespace {

// memchr finds each LF a good deal faster than a loop over every byte.
std::size_t CountLineFeeds(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) ++count;
  return count;
}

}  // namespace

char ConfigLines::FirstVisibleUpper(std::size_t index) const {
  std::string_view text;
  if (index >= ReadCount() || IsReplaced(index)) {
    text = (*this)[index];
  } else {
    // Up to the next line's start: the line end's bytes are blanks too.
    text = std::string_view(*bytes_).substr(StartOf(index), StartOf(index + 1) - StartOf(index));
  }
  for (const char c : text) {
    if (static_cast<unsigned char>(c) > 32) return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return 0;
}

ConfigLines ConfigLinesFromBytes(std::string bytes) {
  // Files are refused long before this size; places are counted in 31 bits.
  if (bytes.size() >= ConfigLines::kReplaced) throw std::length_error("The file is too large.");
  const std::string_view text(bytes);
  ConfigLines lines;
  // A large file has many lines: room for all of them, and the end, at once.
  lines.starts_.reserve(CountLineFeeds(text) + 2);
  std::size_t start = 0;
  std::size_t crLfEnds = 0;
  while (start < text.size()) {
    lines.starts_.push_back(static_cast<std::uint32_t>(start));
    // Lines end in LF or CR LF nearly always, so a CR is looked for only up to the next LF.
    const std::size_t lineFeed = std::min(text.find('\n', start), text.size());
    const std::size_t carriageReturn = text.substr(start, lineFeed - start).find('\r');
    const std::size_t end = carriageReturn == std::string_view::npos ? lineFeed : start + carriageReturn;
    start = end + 1;
    if (end < lineFeed && start == lineFeed) {
      ++start;
      ++crLfEnds;
    }
  }
  if (!lines.starts_.empty()) lines.starts_.push_back(static_cast<std::uint32_t>(text.size()));
  lines.readEndsInCrLf_ = crLfEnds == lines.ReadCount();
  lines.bytes_ = std::make_shared<const std::string>(std::move(bytes));
  return lines;
}

ConfigBytes ConfigLinesAsPieces(const ConfigLines& lines) {
  // Pieces are noted as places first: `copied` grows while they are found.
  struct Place {
    bool copied;
    std::size_t start, length;
  };
  std::vector<Place> places;
  ConfigBytes result;
  const std::string_view read = lines.bytes_ ? std::string_view(*lines.bytes_) : std::string_view();
  auto add = [&places](bool copied, std::size_t start, std::size_t length) {
    if (!places.empty() && places.back().copied == copied && places.back().start + places.back().length == start) {
      places.back().length += length;
    } else {
      places.push_back({copied, start, length});
    }
  };
  auto copy = [&](std::string_view line) {
    const std::size_t at = result.copied.size();
    result.copied += line;
    result.copied += "\r\n";
    add(true, at, result.copied.size() - at);
  };
  if (lines.readEndsInCrLf_) {
    // The lines between two replaced ones are one run of the bytes read.
    std::size_t run = 0;
    for (const auto& [index, line] : lines.replaced_) {
      if (index > run) add(false, lines.StartOf(run), lines.StartOf(index) - lines.StartOf(run));
      copy(line);
      run = index + 1;
    }
    const std::size_t readCount = lines.ReadCount();
    if (readCount > run) add(false, lines.StartOf(run), lines.StartOf(readCount) - lines.StartOf(run));
    for (const std::string& line : lines.appended_) copy(line);
  } else {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool asRead = i < lines.ReadCount() && !lines.IsReplaced(i);
      const std::size_t start = asRead ? lines.StartOf(i) : 0;
      const std::size_t length = asRead ? lines.ReadLine(i).size() : 0;
      if (asRead && read.substr(start + length, 2) == "\r\n") {
        add(false, start, length + 2);
      } else {
        copy(lines[i]);
      }
    }
  }
  const std::string_view copied(result.copied);
  for (const Place& place : places) {
    result.pieces.push_back((place.copied ? copied : read).substr(place.start, place.length));
  }
  return result;
}

std::string ConfigLinesToBytes(const ConfigLines& lines) {
  const ConfigBytes bytes = ConfigLinesAsPieces(lines);
  std::size_t size = 0;
  for (const std::string_view piece : bytes.pieces) size += piece.size();
  std::string joined;
  joined.reserve(size);
  for (const std::string_view piece : bytes.pieces) joined += piece;
  return joined;
}

namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The line without its leading blanks and control characters; a prefix test
// needs no more of the trimming.
std::string_view TrimLeft(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && static_cast<unsigned char>(line[start]) <= 32) ++start;
  return line.substr(start);
}

// Whether the line, trimmed and upper-cased, begins with the upper-cased
// key; comment lines never do. Compared in place: a large file has many lines.
bool LineHasKey(std::string_view line, std::string_view upperKey) {
  line = TrimLeft(line);
  if (line.empty() || line.front() == ';' || line.size() < upperKey.size()) return false;
  for (std::size_t i = 0; i < upperKey.size(); ++i) {
    if (AsciiUpper(line[i]) != upperKey[i]) return false;
  }
  return true;
}

// The index of the key's line: the first line, from the top, that begins with the key.
std::optional<std::size_t> FindKeyLine(const ConfigLines& lines, std::string_view upperKey) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (LineHasKey(lines[i], upperKey)) return i;
  }
  return std::nullopt;
}

// The key lines of several keys at once, in one walk that ends when all are
// found. Most lines of a large file begin with a letter no key begins with.
std::vector<std::optional<std::size_t>> FindKeyLines(const ConfigLines& lines,
                                                     const std::vector<std::string>& upperKeys) {
  std::array<std::vector<std::size_t>, 256> keysByFirst;
  for (std::size_t k = 0; k < upperKeys.size(); ++k) {
    keysByFirst[static_cast<unsigned char>(upperKeys[k].front())].push_back(k);
  }
  std::vector<std::optional<std::size_t>> found(upperKeys.size());
  std::size_t missing = upperKeys.size();
  for (std::size_t i = 0; i < lines.size() && missing > 0; ++i) {
    const auto& candidates = keysByFirst[static_cast<unsigned char>(lines.FirstVisibleUpper(i))];
    if (candidates.empty()) continue;
    const std::string_view line = lines[i];
    for (const std::size_t k : candidates) {
      if (found[k] || !LineHasKey(line, upperKeys[k])) continue;
      found[k] = i;
      --missing;
    }
  }
  return found;
}

// A key line's value: after its first "=", trimmed and upper-cased; the
// whole line without an "=".
std::string ValueOfLine(std::string_view keyLine) {
  const std::string line = UpperAscii(TrimControls(keyLine));
  const std::size_t equals = line.find('=');
  if (equals == std::string::npos) return line;
  return std::string(TrimControls(std::string_view(line).substr(equals + 1)));
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += " = ";
  line += value;
  return line;
}

}  // namespace

std::string ReadConfigValue(const ConfigLines& lines, std::string_view key, std::string_view defaultText) {
  const std::string upperKey = UpperAscii(TrimControls(key));
  if (upperKey.empty()) return std::string(defaultText);
  const auto index = FindKeyLine(lines, upperKey);
  return index ? ValueOfLine(lines[*index]) : std::string(defaultText);
}

namespace {

std::uint8_t LowByteOf(std::string_view text, int defaultValue) {
  const std::int32_t value = ParseInteger(text).value_or(defaultValue);
  return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

}  // namespace

std::uint8_t ReadConfigInteger(const ConfigLines& lines, std::string_view key, int defaultValue) {
  return LowByteOf(ReadConfigValue(lines, key, std::to_string(defaultValue)), defaultValue);
}

void WriteConfigValue(ConfigLines& lines, std::string_view key, std::string_view value) {
  const std::string upperKey = UpperAscii(TrimControls(key));
  if (upperKey.empty()) return;
  if (const auto index = FindKeyLine(lines, upperKey)) {
    lines.Replace(*index, KeyLine(key, value));
  } else {
    lines.Append(KeyLine(key, value));
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

namespace {

std::vector<std::string> UpperKeys(std::string_view ConfigKey::*which) {
  std::vector<std::string> keys;
  for (const ConfigKey& key : kConfigKeys) keys.push_back(UpperAscii(key.*which));
  return keys;
}

std::string TextOf(const ConfigKey& key, const Settings& settings) {
  if (const auto* number = std::get_if<NumberKey>(&key.value)) return std::to_string(settings.*number->field);
  return settings.*std::get<TextKey>(key.value).field;
}

}  // namespace

// The same as reading each key with ReadConfigValue, in one walk over the lines.
void ReadSettingsFromConfig(const ConfigLines& lines, Settings& settings) {
  static const std::vector<std::string> keys = UpperKeys(&ConfigKey::readKey);
  const auto found = FindKeyLines(lines, keys);
  for (std::size_t k = 0; k < std::size(kConfigKeys); ++k) {
    const ConfigKey& key = kConfigKeys[k];
    if (const auto* number = std::get_if<NumberKey>(&key.value)) {
      settings.*number->field = LowByteOf(
          found[k] ? ValueOfLine(lines[*found[k]]) : std::to_string(number->defaultValue), number->defaultValue);
    } else {
      const auto& text = std::get<TextKey>(key.value);
      settings.*text.field = found[k] ? ValueOfLine(lines[*found[k]]) : std::string(text.defaultText);
    }
  }
}

// The same as writing each key with WriteConfigValue in table order: each
// key's line is its first match among the lines as the earlier keys left
// them. The walk finds the first matches in the lines as read; a line an
// earlier key wrote (replaced or appended) is checked on its own, and a key
// whose first match was replaced is looked up again.
void WriteSettingsToConfig(const Settings& settings, ConfigLines& lines) {
  static const std::vector<std::string> keys = UpperKeys(&ConfigKey::writeKey);
  const auto found = FindKeyLines(lines, keys);
  std::vector<std::size_t> written;
  for (std::size_t k = 0; k < std::size(kConfigKeys); ++k) {
    std::optional<std::size_t> index = found[k];
    if (index && std::find(written.begin(), written.end(), *index) != written.end()) {
      index = FindKeyLine(lines, keys[k]);
    } else {
      for (const std::size_t line : written) {
        if ((!index || line < *index) && LineHasKey(lines[line], keys[k])) index = line;
      }
    }
    std::string line = KeyLine(kConfigKeys[k].writeKey, TextOf(kConfigKeys[k], settings));
    if (index) {
      lines.Replace(*index, std::move(line));
    } else {
      index = lines.size();
      lines.Append(std::move(line));
    }
    written.push_back(*index);
  }
}

}  // namespace pavane
