#pragma once

#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// The names of its controls that the dialog's logic uses.
namespace favorites_dialog {
inline constexpr std::string_view FaveListBox = "FaveListBox";
inline constexpr std::string_view UpBtn = "UpBtn";
inline constexpr std::string_view DownBtn = "DownBtn";
inline constexpr std::string_view RomTitleLabel = "RomTitleLabel";
}  // namespace favorites_dialog

// TFavoritesDialog ("Favorites List"): the favourites in a list of several
// selectable entries, OK and Cancel, Add, Remove, Up and Down, and the ROM
// title of the focused entry.
const forms::Form& FavoritesDialogForm();

}  // namespace pavane
