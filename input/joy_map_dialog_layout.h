#pragma once

#include <array>
#include <string_view>

#include "forms/form_spec.h"
#include "input/joy_map_model.h"

namespace pavane {

// The names of its controls that the dialog's logic uses.
namespace joy_map_dialog {
// The field of position p is Fields[p], "Btn" + (p + 1), with Tag p.
inline constexpr std::array<std::string_view, kJoyMapPositions> Fields{"Btn1", "Btn2", "Btn3", "Btn4",
                                                                       "Btn5", "Btn6", "Btn7", "Btn8"};
}  // namespace joy_map_dialog

// TJoyMapDialog ("Joystick Mapping"): a field per controller button (the
// direction pad has none) over the controller picture, OK and Cancel.
const forms::Form& JoyMapDialogForm();

}  // namespace pavane
