// Any stored joystick map: every field shows, what is written back reads
// back to the same text, and a digit typed into a field is what it then shows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "input/joy_map_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pavane;
  JoystickMap map(std::string_view(reinterpret_cast<const char*>(data), size));
  if (map.ButtonList().size() < kJoyMapPositions) std::abort();
  for (std::size_t position = 0; position < kJoyMapPositions; ++position) map.FieldText(position);
  const std::string stored = map.StoredText();
  if (JoystickMap(stored).StoredText() != stored) std::abort();

  if (size > 0) {
    const std::size_t position = data[0] % kJoyMapPositions;
    const char typed = static_cast<char>(data[size - 1]);
    const std::string before = map.FieldText(position);
    const bool digit = typed >= '0' && typed <= '9';
    if (map.Type(position, typed) != digit) std::abort();
    const std::string shown = map.FieldText(position);
    if (digit && shown != (typed == '0' ? std::string("None") : std::string("Button #") + typed)) std::abort();
    if (!digit && shown != before) std::abort();
  }
  return 0;
}
