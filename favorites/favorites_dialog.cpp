#include "favorites/favorites_dialog.h"

#include <algorithm>

#include "base/text_rules.h"
#include "favorites/favorites_dialog_layout.h"
#include "launch/rom_choice.h"
#include "launch/rom_title.h"
#include "settings/file_io.h"

namespace pavane {

namespace {
namespace ui = favorites_dialog;
}  // namespace

TFavoritesDialog::TFavoritesDialog(forms::FormHost& host, forms::FormView* owner, forms::Prompter& prompter,
                                   std::string gameDirectory)
    : prompter_(prompter),
      gameDirectory_(std::move(gameDirectory)),
      window_(host.CreateForm(FavoritesDialogForm(), Handlers(), owner)) {}

forms::HandlerTable TFavoritesDialog::Handlers() {
  forms::HandlerTable handlers;
  handlers.Bind("AddBtnClick", this, &TFavoritesDialog::AddBtnClick);
  handlers.Bind("RemoveBtnClick", this, &TFavoritesDialog::RemoveBtnClick);
  handlers.Bind("UpBtnClick", this, &TFavoritesDialog::UpBtnClick);
  handlers.Bind("DownBtnClick", this, &TFavoritesDialog::DownBtnClick);
  handlers.Bind("FaveListBoxClick", this, &TFavoritesDialog::FaveListBoxClick);
  handlers.Bind("FaveListBoxDblClick", this, &TFavoritesDialog::FaveListBoxDblClick);
  handlers.Bind("FaveListBoxDropFiles", this, &TFavoritesDialog::FaveListBoxDropFiles);
  return handlers;
}

std::optional<std::vector<std::string>> TFavoritesDialog::Execute(const std::vector<std::string>& favorites) {
  chosen_.reset();
  for (const std::string& path : favorites) window_->AddItem(ui::FaveListBox, path);
  if (window_->ShowModal() != forms::kModalOk) return std::nullopt;
  std::vector<std::string> entries;
  const int count = window_->ItemCount(ui::FaveListBox);
  for (int i = 0; i < count; ++i) entries.push_back(window_->ItemText(ui::FaveListBox, i));
  return entries;
}

void TFavoritesDialog::FaveListBoxDblClick() {
  const int focused = window_->FocusedItem(ui::FaveListBox);
  if (focused < 0) return;
  chosen_ = static_cast<std::size_t>(focused);
  window_->EndModal(forms::kModalOk);
}

int TFavoritesDialog::SelectedCount() const {
  int selected = 0;
  const int count = window_->ItemCount(ui::FaveListBox);
  for (int i = 0; i < count; ++i) selected += window_->ItemSelected(ui::FaveListBox, i) ? 1 : 0;
  return selected;
}

void TFavoritesDialog::AddBtnClick() {
  const int focused = window_->FocusedItem(ui::FaveListBox);
  const std::string current = focused >= 0 ? window_->ItemText(ui::FaveListBox, focused) : std::string();
  AddEntries(prompter_.OpenFiles(RomOpenRequest(gameDirectory_, current)));
}

void TFavoritesDialog::AddEntries(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) window_->AddItem(ui::FaveListBox, path);
}

// The open dialog chooses files only, so a dropped folder is left out.
void TFavoritesDialog::FaveListBoxDropFiles(const forms::Event& event) {
  std::vector<std::string> files;
  for (const std::string& path : event.files) {
    if (FileExists(path)) files.push_back(path);
  }
  AddEntries(files);
}

void TFavoritesDialog::RemoveBtnClick() {
  int lowest = -1;
  for (int i = window_->ItemCount(ui::FaveListBox) - 1; i >= 0; --i) {
    if (!window_->ItemSelected(ui::FaveListBox, i)) continue;
    window_->RemoveItem(ui::FaveListBox, i);
    lowest = i;
  }
  if (lowest < 0) return;
  const int count = window_->ItemCount(ui::FaveListBox);
  if (count > 0) {
    const int next = std::min(lowest, count - 1);
    window_->SetFocusedItem(ui::FaveListBox, next);
    window_->SetItemSelected(ui::FaveListBox, next, true);
  }
  // The label and the buttons follow the new selection, as after the user's
  // own change: the title shown may have been a removed entry's.
  FaveListBoxClick();
}

void TFavoritesDialog::UpBtnClick() {
  const int focused = window_->FocusedItem(ui::FaveListBox);
  if (focused < 1) return;
  MoveFocusedEntry(focused, focused - 1);
}

void TFavoritesDialog::DownBtnClick() {
  const int focused = window_->FocusedItem(ui::FaveListBox);
  if (focused < 0 || focused + 1 >= window_->ItemCount(ui::FaveListBox)) return;
  MoveFocusedEntry(focused, focused + 1);
}

void TFavoritesDialog::MoveFocusedEntry(int from, int to) {
  window_->MoveItem(ui::FaveListBox, from, to);
  window_->SetFocusedItem(ui::FaveListBox, to);
  window_->SetItemSelected(ui::FaveListBox, to, true);
  FaveListBoxClick();
}

void TFavoritesDialog::FaveListBoxClick() {
  const int focused = window_->FocusedItem(ui::FaveListBox);
  const std::string title =
      focused >= 0 ? DoubleAmpersands(GetRomTitle(window_->ItemText(ui::FaveListBox, focused))) : std::string();
  window_->SetText(ui::RomTitleLabel, title);
  const bool single = SelectedCount() == 1;
  window_->SetEnabled(ui::UpBtn, single);
  window_->SetEnabled(ui::DownBtn, single);
}

}  // namespace pavane
