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

constexpr FavoriteMenus kFavoriteMenus{
    .popupMenu = main_form::FavoritesPopupMenu, .mainMenu = main_form::FavoritesMenu, .handler = "FaveClick"};

}  // namespace

void TMainForm::ReplaceFavorites(std::vector<std::string> entries) {
  RemoveFavoriteItems(Window(), kFavoriteMenus, State().FavoriteList.size());
  State().FavoriteList = std::move(entries);
  BuildFavoriteItems(Window(), kFavoriteMenus, State().FavoriteList, services_.menuMetrics);
}

// Only a ROM file that is there now; no message otherwise, and no check for
// one already in the list.
void TMainForm::AddToFaveClick() {
  const std::string& rom = State().CurrentRom;
  if (rom.empty() || !FileExists(rom)) return;
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

void TMainForm::ConfigPopupMenuClick() {
  TFavoritesDialog dialog(services_.forms, &Window(), services_.prompter, State().settings.GameDirectory);
  if (std::optional<std::vector<std::string>> edited = dialog.Execute(State().FavoriteList)) {
    ReplaceFavorites(std::move(*edited));
  }
}

}  // namespace pavane
