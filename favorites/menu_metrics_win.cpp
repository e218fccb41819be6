#include "favorites/menu_metrics_win.h"

#include <windows.h>

namespace pavane {

int SystemMenuMetrics::MenuItemHeight() const { return GetSystemMetrics(SM_CYMENUSIZE); }

int SystemMenuMetrics::ScreenHeight() const { return GetSystemMetrics(SM_CYSCREEN); }

}  // namespace pavane
