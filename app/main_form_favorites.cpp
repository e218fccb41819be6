// The main window's favourites: adding the current ROM, choosing a favourite
// from either menu, and editing the list in its dialog.
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/main_form_layout.h"
#include "favorites/favorite_menus.h"
#include "favorites/favorites_dialog.h"
#include "settings/file_io.h"

namespace pavane {

namespace {

// The entries a menu cannot hold are reached through the list, which its last item opens.
constexpr FavoriteMenus kFavoriteMenus{.popupMenu = main_form::FavoritesPopupMenu,
                                       .mainMenu = main_form::FavoritesMenu,
                                       .handler = "FaveClick",
                                       .moreHandler = "ConfigPopupMenuClick"};

// The items above the favourites begin the first column, as the menus show
// them: the pop-up menu holds the same ones as the main menu.
std::vector<std::string> FixedItemCaptions() {
  std::vector<std::string> captions;
  for (const forms::MenuItem& item : MainFormLayout().popupMenu) {
    if (item.caption == "-") continue;
    std::string shown(item.caption);
    if (!item.shortcut.empty()) shown.append("\t").append(item.shortcut);
    captions.push_back(std::move(shown));
  }
  return captions;
}

}  // namespace

// The menus' items are made when a menu is about to open, not for every change.
void TMainForm::ReplaceFavorites(std::vector<std::string> entries) {
  if (favoriteItemsMade_) RemoveFavoriteItems(Window(), kFavoriteMenus, favoriteItemsHeld_);
  favoriteItemsMade_ = false;
  favoriteItemsHeld_ = 0;
  State().FavoriteList = std::move(entries);
}

// Both menus get their items when either opens: they hold the same ones.
void TMainForm::FavoritesMenuOpen() {
  if (favoriteItemsMade_) return;
  if (!favoritesWhole_ && !favoritesHeadRead_) {
    favoritesHeadRead_ = true;
    ReadFavorites(kMostFavoriteItems);
  }
  favoriteItemsHeld_ = BuildFavoriteItems(Window(), kFavoriteMenus, State().FavoriteList, !favoritesWhole_,
                                          FixedItemCaptions(), services_.menuMetrics);
  favoriteItemsMade_ = true;
}

void TMainForm::ReadWholeFavorites() {
  if (!favoritesWhole_) ReadFavorites(kAllFavorites);
}

// What another copy of the program stored meanwhile is read too: the list
// read now is what the end compares with. When it cannot be read the run
// goes on with what it has, and the end stores nothing.
void TMainForm::ReadFavorites(std::size_t atMost) {
  std::optional<FavoritesRead> read = LoadFavorites(services_.registry, atMost);
  if (!read) {
    favoritesWhole_ = true;
    if (stored_) stored_->complete = false;
    return;
  }
  favoritesWhole_ = read->whole;
  if (stored_) stored_->state.FavoriteList = read->entries;
  ReplaceFavorites(std::move(read->entries));
}

// Only a ROM file that is there now; no message otherwise, and no check for
// one already in the list.
void TMainForm::AddToFaveClick() {
  const std::string& rom = State().CurrentRom;
  if (rom.empty() || !FileExists(rom)) return;
  ReadWholeFavorites();
  std::vector<std::string> entries = State().FavoriteList;
  entries.push_back(rom);
  ReplaceFavorites(std::move(entries));
}

// A favourite is chosen as the open dialog chooses a ROM, whether or not its
// file is still there.
void TMainForm::FaveClick(const forms::Event& event) {
  const int index = event.sender.tag;
  if (index < 0 || static_cast<std::size_t>(index) >= State().FavoriteList.size()) return;
  const std::string rom = State().FavoriteList[static_cast<std::size_t>(index)];
  ChooseRom(rom);
}

// The list's double-clicked entry is chosen as its menu item would be, once
// the list's changes are taken.
void TMainForm::ConfigPopupMenuClick() {
  ReadWholeFavorites();
  TFavoritesDialog dialog(services_.forms, &Window(), services_.prompter, State().settings.GameDirectory);
  if (std::optional<std::vector<std::string>> edited = dialog.Execute(State().FavoriteList)) {
    ReplaceFavorites(std::move(*edited));
    if (const std::optional<std::size_t> chosen = dialog.Chosen()) {
      const std::string rom = State().FavoriteList.at(*chosen);
      ChooseRom(rom);
    }
  }
}

}  // namespace pavane
