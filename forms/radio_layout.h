#pragma once

#include "forms/form_spec.h"

namespace pavane::forms {

// Where item `index` of a radio group sits, relative to the group box: items
// fill the columns one after the other (rows per column = ceiling(count /
// columns)); each column is (group width - 10) / columns wide with its items
// 8 pixels in; the rows share the height below the caption, whose font has
// the character height `charHeight`, and any pixels left over are split above
// and below them. Each item gets its whole column width and row height.
Bounds RadioItemBounds(const Bounds& group, int itemCount, int columns, int charHeight, int index);

}  // namespace pavane::forms
