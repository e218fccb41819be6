#pragma once

#include "favorites/menu_metrics.h"

namespace pavane::testing {

// Menu figures chosen by the test.
struct FixedMenuMetrics : MenuMetrics {
  int MenuItemHeight() const override { return itemHeight; }
  int ScreenHeight() const override { return screenHeight; }

  int itemHeight = 19;
  int screenHeight = 600;
};

}  // namespace pavane::testing
