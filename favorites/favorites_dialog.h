#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/form_view.h"
#include "forms/prompter.h"

namespace pavane {

// The "Favorites List" dialog: edits a copy of the favourites. Add appends
// files chosen in the open dialog, Remove deletes every selected entry, Up
// and Down move the focused one, and the label shows the ROM title of the
// focused entry. A double-clicked entry ends it as OK does, chosen: the list
// reaches every favourite, also those the menus have no room for.
class TFavoritesDialog {
 public:
  // The open dialog of Add starts in `gameDirectory`.
  TFavoritesDialog(forms::FormHost& host, forms::FormView* owner, forms::Prompter& prompter, std::string gameDirectory);

  // Shows `favorites` in the list and the dialog modally; the list's entries
  // in their order on OK, nothing on any other close.
  std::optional<std::vector<std::string>> Execute(const std::vector<std::string>& favorites);
  // The index, among the entries given on OK, of the entry whose double
  // click ended the dialog.
  std::optional<std::size_t> Chosen() const { return chosen_; }

  forms::FormView& Window() { return *window_; }

 private:
  forms::HandlerTable Handlers();
  void AddBtnClick();
  void RemoveBtnClick();
  void UpBtnClick();
  void DownBtnClick();
  void FaveListBoxClick();
  void FaveListBoxDblClick();
  // Files dropped on the list from the shell join it as Add's choice does.
  void FaveListBoxDropFiles(const forms::Event& event);
  void AddEntries(const std::vector<std::string>& paths);
  // Moves the focused entry to `to`, which then is focused and selected.
  void MoveFocusedEntry(int from, int to);
  int SelectedCount() const;

  forms::Prompter& prompter_;
  std::string gameDirectory_;
  std::optional<std::size_t> chosen_;
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
