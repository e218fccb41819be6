#pragma once

namespace pavane {

// What the favourites' menu columns are measured against, in pixels: the
// height of one menu item and the height of the screen.
class MenuMetrics {
 public:
  virtual ~MenuMetrics() = default;
  virtual int MenuItemHeight() const = 0;
  virtual int ScreenHeight() const = 0;
};

}  // namespace pavane
