#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_state.h"

namespace pavane {

// Reads a stored preference flag. A missing text gives `fallback`; otherwise
// the text is an integer, decimal, or hexadecimal after 0x/0X when it is longer
// than those two characters. A text that is not such a number gives `fallback`;
// any other number is true unless it is zero.
bool ReadFlag(const std::optional<std::string>& text, bool fallback);

// The stored form of a flag: "1" or "0".
std::string_view FlagText(bool value);

// The five preference flags under their stored names, in the order they are
// written. Their defaults are those of a fresh `Preferences`.
struct PreferenceFlag {
  std::string_view name;
  bool Preferences::*field;
};

inline constexpr std::array<PreferenceFlag, 5> kPreferenceFlags{{
    {"LoadROMSettings", &Preferences::LoadROMSettings},
    {"PromptBeforeLoading", &Preferences::PromptBeforeLoading},
    {"SaveSettingsBeforeLaunch", &Preferences::SaveSettingsBeforeLaunch},
    {"SaveWithoutPrompting", &Preferences::SaveWithoutPrompting},
    {"CfgOverwritePrompt", &Preferences::CfgOverwritePrompt},
}};

}  // namespace pavane
