#include "locate/zsnes_dir_dialog_win.h"

#include "locate/zsnes_dir_dialog_layout.h"
#include "settings/file_io.h"

namespace pavane {

namespace {
constexpr int kModalOk = 1;
constexpr std::string_view kPathEdit = "ZSnesDirEdit";
}  // namespace

TZSnesDirDialog::TZSnesDirDialog(HWND owner, forms::Prompter& prompter, AutoSearch autoSearch)
    : window_(ZSnesDirDialogForm()), prompter_(prompter), autoSearch_(std::move(autoSearch)) {
  window_.Bind("BrowseButtonClick", [this](const forms::Control&) { BrowseButtonClick(); });
  window_.Bind("AutoSearchButtonClick", [this](const forms::Control&) { AutoSearchButtonClick(); });
  window_.Create(owner);
}

std::optional<std::string> TZSnesDirDialog::Execute(std::string_view text) {
  window_.SetText(kPathEdit, text);
  if (window_.ShowModal() != kModalOk) return std::nullopt;
  return window_.Text(kPathEdit);
}

void TZSnesDirDialog::BrowseButtonClick() {
  const std::string typed = window_.Text(kPathEdit);
  if (DirectoryExists(typed)) rootDir_ = typed;
  if (std::optional<std::string> chosen = prompter_.BrowseFolder("Choose a directory:", rootDir_)) {
    window_.SetText(kPathEdit, *chosen);
  }
}

void TZSnesDirDialog::AutoSearchButtonClick() {
  if (!autoSearch_) return;
  if (std::optional<std::string> directory = autoSearch_(window_.Handle())) window_.SetText(kPathEdit, *directory);
}

}  // namespace pavane
