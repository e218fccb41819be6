#include "favorites/favorite_menus.h"

#include <algorithm>

namespace pavane {

namespace {

constexpr std::string_view kFavePopupMore = "FavePopupMore";
constexpr std::string_view kFaveMore = "FaveMore";

// Items placed one after another in menu columns: where each goes, and how
// wide the columns are so far.
class ColumnWalk {
 public:
  // The first column is `leadingWidth` wide before any item is placed.
  ColumnWalk(int itemHeight, int screenHeight, int leadingWidth)
      : itemHeight_(itemHeight), screenHeight_(screenHeight), columnWidth_(leadingWidth) {}

  // Places an item `width` wide; true when it starts a new column.
  bool Place(int width) {
    total_ += itemHeight_;
    const bool breaks = screenHeight_ < total_;
    if (breaks) {
      total_ = 0;
      widthBefore_ += columnWidth_;
      columnWidth_ = 0;
      firstColumn_ = false;
    }
    columnWidth_ = std::max(columnWidth_, width);
    return breaks;
  }

  // Whether the columns lie on a screen `screenWidth` wide. The first always
  // counts as lying there: nothing could go before it.
  bool Fits(int screenWidth) const { return firstColumn_ || widthBefore_ + columnWidth_ <= screenWidth; }

 private:
  int itemHeight_;
  int screenHeight_;
  // Wide enough that no item count overflows the sums.
  long long total_ = 0;
  long long widthBefore_ = 0;
  int columnWidth_ = 0;
  bool firstColumn_ = true;
};

}  // namespace

std::string FavePopupItemName(std::size_t index) { return "FavePopup" + std::to_string(index); }

std::string FaveItemName(std::size_t index) { return "Fave" + std::to_string(index); }

std::vector<bool> FavoriteColumnBreaks(std::size_t count, int itemHeight, int screenHeight) {
  ColumnWalk walk(itemHeight, screenHeight, 0);
  std::vector<bool> breaks(count);
  for (std::size_t i = 0; i < count; ++i) breaks[i] = walk.Place(0);
  return breaks;
}

FavoriteMenuLayout LayOutFavoriteItems(const std::vector<std::string>& favorites, bool moreBeyond,
                                       const std::vector<std::string>& leading, const MenuMetrics& metrics) {
  const int itemHeight = metrics.MenuItemHeight();
  const int screenHeight = metrics.ScreenHeight();
  const int screenWidth = metrics.ScreenWidth();
  int leadingWidth = 0;
  for (const std::string& caption : leading) leadingWidth = std::max(leadingWidth, metrics.MenuItemWidth(caption));
  FavoriteMenuLayout layout;
  std::vector<int> widths;
  ColumnWalk walk(itemHeight, screenHeight, leadingWidth);
  for (const std::string& caption : favorites) {
    if (widths.size() == kMostFavoriteItems) break;
    ColumnWalk next = walk;
    const int width = metrics.MenuItemWidth(caption);
    const bool breaks = next.Place(width);
    if (!next.Fits(screenWidth)) break;
    walk = next;
    widths.push_back(width);
    layout.breaks.push_back(breaks);
  }
  if (layout.Held() == favorites.size() && !moreBeyond) return layout;

  // The item that opens the list needs a place of its own: entries give way
  // to it from the end until it lies on the screen too.
  const int moreWidth = metrics.MenuItemWidth(kMoreFavoritesCaption);
  for (std::size_t held = widths.size();; --held) {
    ColumnWalk withMore(itemHeight, screenHeight, leadingWidth);
    for (std::size_t i = 0; i < held; ++i) withMore.Place(widths[i]);
    const bool moreBreaks = withMore.Place(moreWidth);
    if (withMore.Fits(screenWidth) || held == 0) {
      layout.breaks.resize(held);
      layout.more = true;
      layout.moreBreaks = moreBreaks;
      return layout;
    }
  }
}

std::size_t BuildFavoriteItems(forms::FormView& form, const FavoriteMenus& menus,
                               const std::vector<std::string>& favorites, bool moreBeyond,
                               const std::vector<std::string>& leading, const MenuMetrics& metrics) {
  const FavoriteMenuLayout layout = LayOutFavoriteItems(favorites, moreBeyond, leading, metrics);
  forms::RuntimeMenuItem item{.handler = std::string(menus.handler)};
  for (std::size_t i = 0; i < layout.Held(); ++i) {
    item.caption = favorites[i];
    item.tag = static_cast<int>(i);
    item.breakColumn = layout.breaks[i];
    item.name = FavePopupItemName(i);
    form.AddMenuItem(menus.popupMenu, item);
    item.name = FaveItemName(i);
    form.AddMenuItem(menus.mainMenu, item);
  }
  if (layout.more) {
    forms::RuntimeMenuItem more{.caption = std::string(kMoreFavoritesCaption),
                                .handler = std::string(menus.moreHandler),
                                .breakColumn = layout.moreBreaks};
    more.name = kFavePopupMore;
    form.AddMenuItem(menus.popupMenu, more);
    more.name = kFaveMore;
    form.AddMenuItem(menus.mainMenu, more);
  }
  return layout.Held();
}

void RemoveFavoriteItems(forms::FormView& form, const FavoriteMenus& menus, std::size_t held) {
  for (std::size_t i = 0; i < held; ++i) {
    form.RemoveMenuItem(menus.popupMenu, FavePopupItemName(i));
    form.RemoveMenuItem(menus.mainMenu, FaveItemName(i));
  }
  form.RemoveMenuItem(menus.popupMenu, kFavePopupMore);
  form.RemoveMenuItem(menus.mainMenu, kFaveMore);
}

}  // namespace pavane
