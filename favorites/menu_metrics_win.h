#pragma once

#include "favorites/menu_metrics.h"

namespace pavane {

// The system's figures, read afresh each time: the menu-button height
// (SM_CYMENUSIZE) and the primary screen's height.
class SystemMenuMetrics : public MenuMetrics {
 public:
  int MenuItemHeight() const override;
  int ScreenHeight() const override;
};

}  // namespace pavane
