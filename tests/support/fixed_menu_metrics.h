#pragma once

#include "favorites/menu_metrics.h"

namespace pavane::testing {

// Menu figures chosen by the test: items `charWidth` a character plus `margin`.
struct FixedMenuMetrics : MenuMetrics {
  int MenuItemHeight() const override { return itemHeight; }
  int ScreenHeight() const override { return screenHeight; }
  int ScreenWidth() const override { return screenWidth; }
  int MenuItemWidth(std::string_view caption) const override {
    return static_cast<int>(caption.size()) * charWidth + margin;
  }

  int itemHeight = 19;
  int screenHeight = 600;
  int screenWidth = 800;
  int charWidth = 6;
  int margin = 40;
};

}  // namespace pavane::testing
