// Any two stored key lists: what is written back reads back to the same keys
// and writes back the same texts, and an assigned key lands where it was put.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "input/scan_key_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace pavane;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\n');
  const std::string_view first = input.substr(0, split);
  const std::string_view second = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

  ScanKeys keys(first, second);
  for (std::size_t player = 0; player < kPlayers; ++player) {
    for (std::size_t position = 0; position < kScanKeyPositions; ++position) keys.FieldText(player, position);
  }
  const ScanKeys again(keys.StoredText(0), keys.StoredText(1));
  for (std::size_t player = 0; player < kPlayers; ++player) {
    if (again.StoredText(player) != keys.StoredText(player)) std::abort();
    for (std::size_t position = 0; position < kScanKeyPositions; ++position) {
      if (again.Key(player, position) != keys.Key(player, position)) std::abort();
    }
  }

  // The last bytes assign keys: player and position from one, the code from the next.
  for (std::size_t i = 0; i + 1 < size && i < 8; i += 2) {
    const std::size_t player = data[size - 1 - i] % kPlayers;
    const std::size_t position = data[size - 1 - i] / kPlayers % kScanKeyPositions;
    const std::int32_t code = data[size - 2 - i] % 90;
    const std::int32_t before = keys.Key(player, position);
    keys.AssignKey(player, position, code);
    const std::int32_t expected = code >= 1 && code <= 83 ? code : before;
    if (keys.Key(player, position) != expected) std::abort();
  }
  return 0;
}
