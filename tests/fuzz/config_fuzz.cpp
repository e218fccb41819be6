// Any bytes as ZSNES.CFG: read, saved and read again, the settings stay the
// same and every line the program does not own stays as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/config_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pavane;
  ConfigLines lines = ConfigLinesFromBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  Settings settings;
  ReadSettingsFromConfig(lines, settings);
  const std::size_t before = lines.size();
  WriteSettingsToConfig(settings, lines);
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
