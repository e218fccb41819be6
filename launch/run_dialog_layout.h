#pragma once

#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// The names of its controls that the dialog's logic uses.
namespace run_dialog {
inline constexpr std::string_view StatusLabel = "StatusLabel";
inline constexpr std::string_view RomFileLabel = "RomFileLabel";
inline constexpr std::string_view RomTitleLabel = "RomTitleLabel";
inline constexpr std::string_view TerminateBtn = "TerminateBtn";
}  // namespace run_dialog

// The run dialog `TRunDialog`: status, ROM file and ROM title, and the
// Terminate and Close buttons. Its 500 ms timer is started by the dialog
// itself once the emulator runs.
const forms::Form& RunDialogLayout();

}  // namespace pavane
