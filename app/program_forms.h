#pragma once

#include <span>

#include "forms/form_spec.h"

namespace pavane {

// Every window and dialog of the program, for the checks that run over all of them.
std::span<const forms::Form* const> ProgramForms();

}  // namespace pavane
