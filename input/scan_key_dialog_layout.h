#pragma once

#include <array>
#include <string_view>

#include "forms/form_spec.h"
#include "input/scan_key_model.h"

namespace pavane {

// The names of its controls that the dialog's logic uses.
namespace scan_key_dialog {
// The key field of position p is Fields[p], "Btn" + (p + 1), with Tag p.
inline constexpr std::array<std::string_view, kScanKeyPositions> Fields{
    "Btn1", "Btn2", "Btn3", "Btn4", "Btn5", "Btn6", "Btn7", "Btn8", "Btn9", "Btn10", "Btn11", "Btn12"};
}  // namespace scan_key_dialog

// TScanKeyDialog ("Keyboard ScanKeys"): the twelve key fields of one player
// joined to the controller picture by red bars, OK, Cancel, and four buttons
// for keys that cannot be pressed into a field.
const forms::Form& ScanKeyDialogForm();

}  // namespace pavane
