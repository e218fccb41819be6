#include "locate/zsnes_dir_dialog.h"

#include "locate/zsnes_dir_dialog_layout.h"

namespace pavane {

namespace {
namespace ui = zsnes_dir_dialog;
}  // namespace

TZSnesDirDialog::TZSnesDirDialog(forms::FormHost& host, forms::FormView* owner, forms::Prompter& prompter,
                                 AutoSearch autoSearch)
    : prompter_(prompter),
      autoSearch_(std::move(autoSearch)),
      window_(host.CreateForm(ZSnesDirDialogForm(), Handlers(), owner)) {}

forms::HandlerTable TZSnesDirDialog::Handlers() {
  forms::HandlerTable handlers;
  handlers.Bind("BrowseButtonClick", this, &TZSnesDirDialog::BrowseButtonClick);
  handlers.Bind("AutoSearchButtonClick", this, &TZSnesDirDialog::AutoSearchButtonClick);
  return handlers;
}

std::optional<std::string> TZSnesDirDialog::Execute(std::string_view text) {
  window_->SetText(ui::ZSnesDirEdit, text);
  if (window_->ShowModal() != forms::kModalOk) return std::nullopt;
  return window_->Text(ui::ZSnesDirEdit);
}

void TZSnesDirDialog::BrowseButtonClick() { browser_.BrowseFor(*window_, ui::ZSnesDirEdit, prompter_); }

void TZSnesDirDialog::AutoSearchButtonClick() {
  if (!autoSearch_) return;
  if (std::optional<std::string> directory = autoSearch_(*window_)) window_->SetText(ui::ZSnesDirEdit, *directory);
}

}  // namespace pavane
