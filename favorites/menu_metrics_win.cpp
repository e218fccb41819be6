#include "favorites/menu_metrics_win.h"

#include <windows.h>

namespace pavane {

int SystemMenuMetrics::MenuItemHeight() const { return GetSystemMetrics(SM_CYMENUSIZE); }

int SystemMenuMetrics::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

// A menu's frame is an edge on either side.
int SystemMenuMetrics::ScreenWidth() const { return GetSystemMetrics(SM_CXSCREEN) - 4 * GetSystemMetrics(SM_CXEDGE); }

// The text in the menu font, with room for the check mark on the left and a
// submenu's arrow on the right as the system leaves it, and for the bar and
// space between columns; a shortcut after a tab stands a character apart.
int SystemMenuMetrics::MenuItemWidth(std::string_view caption) const {
  if (!dc_) {
    dc_.Reset(CreateCompatibleDC(nullptr));
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      font_.Reset(CreateFontIndirectA(&metrics.lfMenuFont));
    }
    if (dc_ && font_) SelectObject(dc_.Get(), font_.Get());
  }
  auto extent = [this](std::string_view text) {
    SIZE size{};
    if (dc_) GetTextExtentPoint32A(dc_.Get(), text.data(), static_cast<int>(text.size()), &size);
    return static_cast<int>(size.cx);
  };
  const std::size_t tab = caption.find('\t');
  int text = extent(caption.substr(0, tab));
  if (tab != std::string_view::npos) text += extent("MM") + extent(caption.substr(tab + 1));
  return text + 2 * GetSystemMetrics(SM_CXMENUCHECK) + 6 * GetSystemMetrics(SM_CXEDGE);
}

}  // namespace pavane
