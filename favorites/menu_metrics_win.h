#pragma once

#include "favorites/menu_metrics.h"
#include "win32/handles.h"

namespace pavane {

// The system's figures, read afresh each time: the menu-button height
// (SM_CYMENUSIZE), the primary screen, and items measured in the menu font.
class SystemMenuMetrics : public MenuMetrics {
 public:
  int MenuItemHeight() const override;
  int ScreenHeight() const override;
  int ScreenWidth() const override;
  int MenuItemWidth(std::string_view caption) const override;

 private:
  // Made when the first item is measured, and kept for the next; the DC
  // goes first, as the font is selected into it.
  mutable win::UniqueFont font_;
  mutable win::UniqueMemoryDC dc_;
};

}  // namespace pavane
