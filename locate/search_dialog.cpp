#include "locate/search_dialog.h"

#include "locate/search_dialog_layout.h"

namespace pavane {

namespace {
namespace ui = search_dialog;
}  // namespace

std::string DriveItemText(const DriveInfo& drive) {
  std::string text{drive.letter, ':'};
  if (!drive.volumeName.empty()) text += " [" + drive.volumeName + "]";
  return text;
}

TSearchDialog::TSearchDialog(forms::FormHost& host, forms::FormView* owner, SearchSystem& system)
    : system_(system), window_(host.CreateForm(SearchDialogForm(), Handlers(), owner)) {
  FillDrives();
}

forms::HandlerTable TSearchDialog::Handlers() {
  forms::HandlerTable handlers;
  handlers.Bind("StartBtnClick", this, &TSearchDialog::StartBtnClick);
  return handlers;
}

// The picker starts on the current drive, else on the first one.
void TSearchDialog::FillDrives() {
  const char current = system_.CurrentDrive();
  int start = 0;
  for (const DriveInfo& drive : system_.Drives()) {
    if (drive.letter == current) start = window_->ItemCount(ui::DriveCombo);
    window_->AddItem(ui::DriveCombo, DriveItemText(drive));
  }
  window_->SetItemIndex(ui::DriveCombo, start);
}

std::optional<std::string> TSearchDialog::Execute() {
  if (window_->ShowModal() != forms::kModalOk) return std::nullopt;
  const int chosen = window_->ItemIndex(ui::FoundListBox);
  if (chosen < 0) return std::nullopt;
  return FoundDirectory(window_->ItemText(ui::FoundListBox, chosen));
}

// The whole dialog is disabled while the walk runs, so the messages it lets
// through reach nothing in it; Cancel included.
void TSearchDialog::StartBtnClick() {
  window_->SetFormEnabled(false);
  for (const auto name : {ui::DriveCombo, ui::FoundListBox, ui::StartBtn, ui::OKBtn, ui::CancelBtn})
    window_->SetEnabled(name, false);
  SearchDrive("ZSNES.EXE");
  for (const auto name : {ui::DriveCombo, ui::FoundListBox, ui::StartBtn, ui::CancelBtn})
    window_->SetEnabled(name, true);
  // Enabled again before the focus moves: a disabled window takes no focus.
  window_->SetFormEnabled(true);
  if (window_->ItemCount(ui::FoundListBox) > 0) {
    window_->SetEnabled(ui::OKBtn, true);
    window_->SetDefaultButton(ui::OKBtn);
    window_->Focus(ui::FoundListBox);
    if (window_->ItemIndex(ui::FoundListBox) < 0) window_->SetItemIndex(ui::FoundListBox, 0);
  } else {
    // Start Search had the focus and lost it when it was disabled: the drive
    // list takes it, for another drive (Enter still searches again).
    window_->Focus(ui::DriveCombo);
  }
}

void TSearchDialog::SearchDrive(std::string_view fileName) {
  const int drive = window_->ItemIndex(ui::DriveCombo);
  const std::string item = drive >= 0 ? window_->ItemText(ui::DriveCombo, drive) : std::string();
  if (!item.empty()) {
    system_.WithoutDriveErrorBoxes([&] {
      DirectoryLister& lister = system_.Lister();
      SearchDir(lister, std::string{item[0], ':', lister.Separator()}, fileName, *this);
    });
  }
  window_->SetText(ui::DirLabel, SearchResultText(window_->ItemCount(ui::FoundListBox)));
}

void TSearchDialog::Entering(const std::string& directory) {
  window_->SetText(ui::DirLabel, directory);
  window_->Repaint(ui::DirLabel);
}

void TSearchDialog::Found(const std::string& path) { window_->AddItem(ui::FoundListBox, path); }

void TSearchDialog::DirectoryDone() { system_.ProcessMessages(); }

std::optional<std::string> RunSearchDialog(forms::FormHost& host, forms::FormView& owner, SearchSystem& system) {
  TSearchDialog dialog(host, &owner, system);
  return dialog.Execute();
}

}  // namespace pavane
