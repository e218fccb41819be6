// Any bytes as ZSNES.CFG: read, saved and read again, the settings stay the
// same and every line the program does not own stays as it was; the one walk
// that reads and writes the record gives what key-by-key reading and writing give.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "settings/config_lines.h"

namespace {

using namespace pavane;

// The table's write keys, in order, with the record's values as texts.
ConfigLines WrittenKeyByKey(ConfigLines lines, const Settings& s) {
  const auto n = [](std::uint8_t value) { return std::to_string(value); };
  const std::pair<const char*, std::string> keys[] = {
      {"FrameSkip", n(s.FrameSkip)},
      {"AutoFrameSkip", n(s.AutoFrameSkip)},
      {"Player1Device", n(s.Player1Device)},
      {"Player2Device", n(s.Player2Device)},
      {"ScanKey1", s.ScanKey1},
      {"ScanKey2", s.ScanKey2},
      {"JoyMap1", s.JoyMap},
      {"Execute", n(s.Execute)},
      {"VideoMode", n(s.VideoMode)},
      {"Sound", n(s.Sound)},
      {"SoundRate", n(s.SoundRate)},
      {"Stereo", n(s.Stereo)},
      {"GUIDisable", n(s.GUIDisable)},
      {"Scanlines", n(s.Scanlines)},
      {"Interpolation", n(s.Interpolation)},
      {"EnterSkip", n(s.EnterSkip)},
      {"Force8bit", n(s.Force8bit)},
      {"SaveDirectory", s.SaveDirectory},
      {"GameDirectory", s.GameDirectory},
      {"CopyMethod", n(s.CopyMethod)},
      {"NewGfx", n(s.NewGfx)},
  };
  for (const auto& [key, value] : keys) WriteConfigValue(lines, key, value);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ConfigLines lines = ConfigLinesFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  Settings settings;
  ReadSettingsFromConfig(lines, settings);
  if (settings.GameDirectory != ReadConfigValue(lines, "GameDirectory", kDefaultGameDirectory) ||
      settings.SoundRate != ReadConfigInteger(lines, "SoundRate", 2))
    std::abort();
  const std::size_t before = lines.size();
  const ConfigLines expected = WrittenKeyByKey(lines, settings);
  WriteSettingsToConfig(settings, lines);
  if (lines != expected) std::abort();
  if (lines.size() < before || lines.size() > before + 21) std::abort();

  Settings again;
  ReadSettingsFromConfig(ConfigLinesFromBytes(ConfigLinesToBytes(lines)), again);
  // Texts come back in capitals; everything read a second time is stable.
  Settings third;
  WriteSettingsToConfig(again, lines);
  ReadSettingsFromConfig(lines, third);
  if (!(third == again)) std::abort();
  return 0;
}
