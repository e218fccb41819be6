#pragma once

#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// The names of its controls that the dialog's logic uses.
namespace search_dialog {
inline constexpr std::string_view DriveCombo = "DriveCombo";
inline constexpr std::string_view FoundListBox = "FoundListBox";
inline constexpr std::string_view DirLabel = "DirLabel";
inline constexpr std::string_view StartBtn = "StartBtn";
inline constexpr std::string_view OKBtn = "OKBtn";
inline constexpr std::string_view CancelBtn = "CancelBtn";
}  // namespace search_dialog

// TSearchDialog ("Automatic Search"): walks a drive for ZSNES.EXE.
const forms::Form& SearchDialogForm();

}  // namespace pavane
