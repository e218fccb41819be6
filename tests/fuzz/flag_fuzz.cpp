// Any registry text as a preference flag: a number decides the flag whatever
// the default, and what is written back reads as the same flag.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/flag_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pavane;
  const std::optional<std::string> text(std::in_place, reinterpret_cast<const char*>(data), size);
  const bool whenOn = ReadFlag(text, true);
  const bool whenOff = ReadFlag(text, false);
  // Either the text is a number (both agree) or it is not (each keeps its default).
  if (whenOn != whenOff && !(whenOn && !whenOff)) std::abort();
  const bool value = whenOn == whenOff ? whenOn : true;
  if (ReadFlag(std::string(FlagText(value)), !value) != value) std::abort();
  return 0;
}
