#pragma once

#include "forms/form_spec.h"

namespace pavane {

// The main window as data: every control with its caption, place,
// tab order, Tag, items, ranges, initial values and handler names, and the
// main and favourites menus.
const forms::Form& MainFormLayout();

}  // namespace pavane
