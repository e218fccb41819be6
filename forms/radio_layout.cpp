#include "forms/radio_layout.h"

#include <algorithm>

namespace pavane::forms {

Bounds RadioItemBounds(const Bounds& group, int itemCount, int columns, int charHeight, int index) {
  columns = std::max(columns, 1);
  const int rows = std::max((itemCount + columns - 1) / columns, 1);
  const int columnWidth = (group.width - 10) / columns;
  const int usable = group.height - charHeight - 5;
  const int rowHeight = usable / rows;
  const int topMargin = charHeight + 1 + (usable % rows) / 2;
  return Bounds{.left = (index / rows) * columnWidth + 8,
                .top = (index % rows) * rowHeight + topMargin,
                .width = columnWidth,
                .height = rowHeight};
}

}  // namespace pavane::forms
