#pragma once

#include <array>
#include <string_view>

#include "app/app_state.h"
#include "forms/form_spec.h"

namespace pavane {

// TPreferencesDialog: one page of five independent check boxes, OK and Cancel.
const forms::Form& PreferencesDialogForm();

// Which check box shows which flag.
struct PreferenceBox {
  std::string_view checkBox;
  bool Preferences::*field;
};

inline constexpr std::array<PreferenceBox, 5> kPreferenceBoxes{{
    {"LoadROMSettingsCheck", &Preferences::LoadROMSettings},
    {"PromptBeforeLoadingCheck", &Preferences::PromptBeforeLoading},
    {"SaveSettingsCheck", &Preferences::SaveSettingsBeforeLaunch},
    {"SaveWithoutPromptingCheck", &Preferences::SaveWithoutPrompting},
    {"OverwritePromptCheck", &Preferences::CfgOverwritePrompt},
}};

}  // namespace pavane
