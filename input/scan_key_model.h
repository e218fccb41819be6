#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pavane {

inline constexpr std::size_t kPlayers = 2;
// Right, Left, Down, Up, Start, Select, B, Y, A, X, L, R.
inline constexpr std::size_t kScanKeyPositions = 12;

using ScanKeyList = std::array<std::int32_t, kScanKeyPositions>;
extern const std::array<ScanKeyList, kPlayers> DefaultScanKeys;

// Both players' keyboard keys while they are being assigned, together with
// the stored entries they were read from.
//
// A stored list may be shorter or longer than the twelve positions: a
// position without an entry takes its default, and entries past the twelfth,
// which no button shows, are written back exactly as they were read. A stored
// number outside 1 to 83 is kept as it is until a key is assigned over it.
class ScanKeys {
 public:
  // Reads the players' list texts (ScanKey1, ScanKey2); an entry that is no
  // number leaves the default of its position.
  ScanKeys(std::string_view scanKey1, std::string_view scanKey2);

  std::int32_t Key(std::size_t player, std::size_t position) const { return keys_[player][position]; }

  // Gives the button at `position` of `player` the key `code`; a key that
  // another button of either player holds goes to that button in exchange.
  // Codes outside 1 to 83 change nothing.
  void AssignKey(std::size_t player, std::size_t position, std::int32_t code);
  // Every position of both players holding `newCode` gets `oldCode`.
  void SwapKey(std::int32_t newCode, std::int32_t oldCode);

  // "77 RIGHT": the number, a blank and the key's name; a number without a
  // name shows alone.
  std::string FieldText(std::size_t player, std::size_t position) const;

  // The player's list text to store: the twelve positions, then any further
  // entries as they were.
  std::string StoredText(std::size_t player) const;

 private:
  std::array<ScanKeyList, kPlayers> keys_;
  std::array<std::vector<std::string>, kPlayers> entries_;
};

}  // namespace pavane
