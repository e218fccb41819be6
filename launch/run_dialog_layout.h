#pragma once

#include "forms/form_spec.h"

namespace pavane {

// The run dialog `TRunDialog`: status, ROM file and ROM title, and the
// Terminate and Close buttons. Its 500 ms timer is started by the dialog
// itself once the emulator runs.
const forms::Form& RunDialogLayout();

}  // namespace pavane
