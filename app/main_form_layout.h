#pragma once

#include <string>
#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// The names of the controls and menus that the commands use.
namespace main_form {
inline constexpr std::string_view ZSnesDirEdit = "ZSnesDirEdit";
inline constexpr std::string_view SaveDirEdit = "SaveDirEdit";
inline constexpr std::string_view GameDirEdit = "GameDirEdit";
inline constexpr std::string_view FrameSkipSpin = "FrameSkipSpin";
inline constexpr std::string_view ExecuteSpin = "ExecuteSpin";
inline constexpr std::string_view Player1DeviceCombo = "Player1DeviceCombo";
inline constexpr std::string_view Player2DeviceCombo = "Player2DeviceCombo";
inline constexpr std::string_view VideoModeGrp = "VideoModeGrp";
inline constexpr std::string_view SoundRateGrp = "SoundRateGrp";
inline constexpr std::string_view AutoFrameSkipCheck = "AutoFrameSkipCheck";
inline constexpr std::string_view SoundCheck = "SoundCheck";
inline constexpr std::string_view StereoCheck = "StereoCheck";
inline constexpr std::string_view DisableGUICheck = "DisableGUICheck";
inline constexpr std::string_view ScanlinesCheck = "ScanlinesCheck";
inline constexpr std::string_view InterpolationCheck = "InterpolationCheck";
inline constexpr std::string_view EnterSkipCheck = "EnterSkipCheck";
inline constexpr std::string_view Force8bitCheck = "Force8bitCheck";
inline constexpr std::string_view NewGfxCheck = "NewGfxCheck";
inline constexpr std::string_view CopyMethodCombo = "CopyMethodCombo";
inline constexpr std::string_view ZSNESCmdLineEdit = "ZSNESCmdLineEdit";
inline constexpr std::string_view GammaSpin = "GammaSpin";
inline constexpr std::string_view OpenButton = "OpenButton";
inline constexpr std::string_view RunButton = "RunButton";
inline constexpr std::string_view FavoritesButton = "FavoritesButton";
inline constexpr std::string_view FavoritesMenu = "FavoritesMenu";
inline constexpr std::string_view FavoritesPopupMenu = "FavoritesPopupMenu";
// "SwitchCheck1" ... "SwitchCheck12".
std::string SwitchCheck(int number);
}  // namespace main_form

// The main window as data: every control with its caption, place,
// tab order, Tag, items, ranges, initial values and handler names, and the
// main and favourites menus.
const forms::Form& MainFormLayout();

}  // namespace pavane
