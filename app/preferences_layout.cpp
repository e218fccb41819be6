#include "app/preferences_layout.h"

namespace pavane {

namespace {

using forms::Control;
using forms::Kind;

// 8-pixel margins all round; the buttons sit in the bottom right corner and the
// page control takes the rest. The boxes line up at one left edge, in or out of
// their group boxes.
constexpr Control kControls[] = {
    {.kind = Kind::PageControl, .name = "PageControl1", .bounds = {8, 8, 323, 278}, .tabOrder = 0},
    {.kind = Kind::Page,
     .name = "GeneralSheet",
     .parent = "PageControl1",
     .caption = "&General",
     .bounds = {4, 24, 315, 250}},

    {.kind = Kind::GroupBox,
     .name = "ROMSettingsGrp",
     .parent = "GeneralSheet",
     .caption = "Specific ROM settings",
     .bounds = {8, 8, 299, 73},
     .tabOrder = 0},
    {.kind = Kind::CheckBox,
     .name = "LoadROMSettingsCheck",
     .parent = "ROMSettingsGrp",
     .caption = "&Load specific ROM settings",
     .bounds = {12, 20, 275, 17},
     .tabOrder = 0},
    {.kind = Kind::CheckBox,
     .name = "PromptBeforeLoadingCheck",
     .parent = "ROMSettingsGrp",
     .caption = "&Prompt before loading",
     .bounds = {12, 44, 275, 17},
     .tabOrder = 1},

    {.kind = Kind::GroupBox,
     .name = "LaunchSettingsGrp",
     .parent = "GeneralSheet",
     .caption = "Launch settings",
     .bounds = {8, 89, 299, 73},
     .tabOrder = 1},
    {.kind = Kind::CheckBox,
     .name = "SaveSettingsCheck",
     .parent = "LaunchSettingsGrp",
     .caption = "&Save Settings before launching ZSNES",
     .bounds = {12, 20, 275, 17},
     .tabOrder = 0},
    {.kind = Kind::CheckBox,
     .name = "SaveWithoutPromptingCheck",
     .parent = "LaunchSettingsGrp",
     .caption = "Save &without prompting",
     .bounds = {12, 44, 275, 17},
     .tabOrder = 1},

    {.kind = Kind::CheckBox,
     .name = "OverwritePromptCheck",
     .parent = "GeneralSheet",
     .caption = "&ZSNES.CFG overwrite prompt",
     .bounds = {20, 172, 275, 17},
     .tabOrder = 2},

    {.kind = Kind::Button,
     .name = "OKBtn",
     .caption = "OK",
     .bounds = {163, 294, 80, 24},
     .tabOrder = 1,
     .modalResult = forms::kModalOk,
     .isDefault = true},
    {.kind = Kind::Button,
     .name = "CancelBtn",
     .caption = "Cancel",
     .bounds = {251, 294, 80, 24},
     .tabOrder = 2,
     .modalResult = forms::kModalCancel,
     .isCancel = true},
};

constexpr forms::Form kForm{
    .className = "TPreferencesDialog",
    .name = "PreferencesDialog",
    .caption = "Preferences",
    .clientWidth = 339,
    .clientHeight = 326,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
};

}  // namespace

const forms::Form& PreferencesDialogForm() { return kForm; }

}  // namespace pavane
