#pragma once

#include <string_view>

namespace pavane {

// What the favourites' menu columns are measured against, in pixels: the
// height of one menu item, the screen, and how wide an item would be.
class MenuMetrics {
 public:
  virtual ~MenuMetrics() = default;
  virtual int MenuItemHeight() const = 0;
  virtual int ScreenHeight() const = 0;
  // The width a menu's columns may take up, its frame left out.
  virtual int ScreenWidth() const = 0;
  // The width of a menu item that shows `caption` as it is (a tab sets off
  // its shortcut), margins and a column's separating bar included.
  virtual int MenuItemWidth(std::string_view caption) const = 0;
};

}  // namespace pavane
