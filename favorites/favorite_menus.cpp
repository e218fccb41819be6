#include "favorites/favorite_menus.h"

namespace pavane {

std::string FavePopupItemName(std::size_t index) { return "FavePopup" + std::to_string(index); }

std::string FaveItemName(std::size_t index) { return "Fave" + std::to_string(index); }

std::vector<bool> FavoriteColumnBreaks(std::size_t count, int itemHeight, int screenHeight) {
  std::vector<bool> breaks(count, false);
  // Wide enough that no item count overflows the sum.
  long long total = 0;
  for (std::size_t i = 0; i < count; ++i) {
    total += itemHeight;
    if (screenHeight < total) {
      breaks[i] = true;
      total = 0;
    }
  }
  return breaks;
}

void BuildFavoriteItems(forms::FormView& form, const FavoriteMenus& menus, const std::vector<std::string>& favorites,
                        const MenuMetrics& metrics) {
  const std::vector<bool> breaks =
      FavoriteColumnBreaks(favorites.size(), metrics.MenuItemHeight(), metrics.ScreenHeight());
  for (std::size_t i = 0; i < favorites.size(); ++i) {
    forms::RuntimeMenuItem item{.caption = favorites[i],
                                .tag = static_cast<int>(i),
                                .handler = std::string(menus.handler),
                                .breakColumn = breaks[i]};
    item.name = FavePopupItemName(i);
    form.AddMenuItem(menus.popupMenu, item);
    item.name = FaveItemName(i);
    form.AddMenuItem(menus.mainMenu, item);
  }
}

void RemoveFavoriteItems(forms::FormView& form, const FavoriteMenus& menus, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    form.RemoveMenuItem(menus.popupMenu, FavePopupItemName(i));
    form.RemoveMenuItem(menus.mainMenu, FaveItemName(i));
  }
}

}  // namespace pavane
