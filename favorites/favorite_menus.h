#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/menu_metrics.h"
#include "forms/form_view.h"

namespace pavane {

// Where a form lists the favourites: one item per entry at the end of each
// of its two menus, raising `handler` with the entry's index as Tag.
struct FavoriteMenus {
  std::string_view popupMenu;  // items "FavePopup" + index
  std::string_view mainMenu;   // items "Fave" + index
  std::string_view handler;
};

std::string FavePopupItemName(std::size_t index);
std::string FaveItemName(std::size_t index);

// Which of `count` items start a new menu column. The items' heights are
// added up; the item that takes the sum past the screen height starts a new
// column and the sum starts again from nothing, so that item is not counted
// in its column.
std::vector<bool> FavoriteColumnBreaks(std::size_t count, int itemHeight, int screenHeight);

// Appends the items of every entry of `favorites` to both menus, captions
// shown as they are and columns broken as above.
void BuildFavoriteItems(forms::FormView& form, const FavoriteMenus& menus, const std::vector<std::string>& favorites,
                        const MenuMetrics& metrics);

// Takes out the items of entries 0 to `count` - 1, the count they were built for.
void RemoveFavoriteItems(forms::FormView& form, const FavoriteMenus& menus, std::size_t count);

}  // namespace pavane
