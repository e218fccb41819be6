#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "favorites/menu_metrics.h"
#include "forms/form_view.h"

namespace pavane {

// Where a form lists the favourites: one item per entry at the end of each
// of its two menus, raising `handler` with the entry's index as Tag, and
// when a menu cannot hold them all, one item more that raises `moreHandler`.
struct FavoriteMenus {
  std::string_view popupMenu;  // items "FavePopup" + index
  std::string_view mainMenu;   // items "Fave" + index
  std::string_view handler;
  std::string_view moreHandler;
};

std::string FavePopupItemName(std::size_t index);
std::string FaveItemName(std::size_t index);

// Which of `count` items start a new menu column. The items' heights are
// added up; the item that takes the sum past the screen height starts a new
// column and the sum starts again from nothing, so that item is not counted
// in its column.
std::vector<bool> FavoriteColumnBreaks(std::size_t count, int itemHeight, int screenHeight);

// The most entries a menu holds, whatever the screen: a menu is for choosing
// at a glance, and the list holds the rest.
inline constexpr std::size_t kMostFavoriteItems = 500;

// How the favourites lie in a menu. Columns are broken as above; the entries
// that would start a column reaching past the screen's right edge (or come
// after the first kMostFavoriteItems) are left to the favourites list, and
// an item that says so and opens it takes the place after the last entry
// held. It is there too when `moreBeyond`: the list goes on past `favorites`.
// The first column begins with the menu's fixed items, shown as `leading`.
struct FavoriteMenuLayout {
  std::vector<bool> breaks;  // one per entry held, in list order
  bool more = false;         // the item that stands for the entries not held follows
  bool moreBreaks = false;   // and starts a new column
  std::size_t Held() const { return breaks.size(); }
};
FavoriteMenuLayout LayOutFavoriteItems(const std::vector<std::string>& favorites, bool moreBeyond,
                                       const std::vector<std::string>& leading, const MenuMetrics& metrics);

// The caption of the item that opens the favourites list.
inline constexpr std::string_view kMoreFavoritesCaption = "More in the Favorites List...";

// Appends the items of the favourites each menu holds to both menus,
// captions shown as they are; the number of entries that got items.
std::size_t BuildFavoriteItems(forms::FormView& form, const FavoriteMenus& menus,
                               const std::vector<std::string>& favorites, bool moreBeyond,
                               const std::vector<std::string>& leading, const MenuMetrics& metrics);

// Takes out the items of entries 0 to `held` - 1, the number that got items,
// and the item that stands for the others.
void RemoveFavoriteItems(forms::FormView& form, const FavoriteMenus& menus, std::size_t held);

}  // namespace pavane
