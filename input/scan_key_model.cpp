#include "input/scan_key_model.h"

#include "base/text_rules.h"
#include "input/key_names.h"
#include "settings/settings.h"

namespace pavane {

const std::array<ScanKeyList, kPlayers> DefaultScanKeys{{
    {77, 75, 80, 72, 28, 54, 79, 83, 71, 82, 73, 81},
    {51, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46},
}};

ScanKeys::ScanKeys(std::string_view scanKey1, std::string_view scanKey2) : keys_(DefaultScanKeys) {
  const std::array<std::string_view, kPlayers> texts{scanKey1, scanKey2};
  for (std::size_t player = 0; player < kPlayers; ++player) {
    SplitList(texts[player], entries_[player]);
    for (std::size_t i = 0; i < kScanKeyPositions && i < entries_[player].size(); ++i) {
      if (const auto code = ParseInteger(entries_[player][i])) keys_[player][i] = *code;
    }
  }
}

void ScanKeys::AssignKey(std::size_t player, std::size_t position, std::int32_t code) {
  if (!IsScanCode(code)) return;
  SwapKey(code, keys_[player][position]);
  keys_[player][position] = code;
}

void ScanKeys::SwapKey(std::int32_t newCode, std::int32_t oldCode) {
  if (newCode == oldCode) return;
  for (auto& list : keys_) {
    for (auto& key : list) {
      if (key == newCode) key = oldCode;
    }
  }
}

std::string ScanKeys::FieldText(std::size_t player, std::size_t position) const {
  const std::int32_t code = keys_[player][position];
  std::string text = std::to_string(code);
  if (IsScanCode(code)) {
    text += ' ';
    text += KeyNames[static_cast<std::size_t>(code)];
  }
  return text;
}

std::string ScanKeys::StoredText(std::size_t player) const {
  std::vector<std::string> entries = entries_[player];
  if (entries.size() < kScanKeyPositions) entries.resize(kScanKeyPositions);
  for (std::size_t i = 0; i < kScanKeyPositions; ++i) entries[i] = std::to_string(keys_[player][i]);
  return JoinList(entries);
}

}  // namespace pavane
