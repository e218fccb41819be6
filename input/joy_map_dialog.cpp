#include "input/joy_map_dialog.h"

#include "input/joy_map_dialog_layout.h"

namespace pavane {

namespace {
namespace ui = joy_map_dialog;
}  // namespace

TJoyMapDialog::TJoyMapDialog(forms::FormHost& host, forms::FormView* owner) {
  forms::HandlerTable handlers;
  handlers.Bind("BtnKeyPress", this, &TJoyMapDialog::BtnKeyPress);
  window_ = host.CreateForm(JoyMapDialogForm(), std::move(handlers), owner);
}

bool TJoyMapDialog::Execute(std::string& joyMap) {
  buttonList_.emplace(joyMap);
  for (std::size_t i = 0; i < kJoyMapPositions; ++i) window_->SetText(ui::Fields[i], buttonList_->FieldText(i));
  if (window_->ShowModal() != forms::kModalOk) return false;
  joyMap = buttonList_->StoredText();
  return true;
}

// The fields are read-only: the character never enters the text.
void TJoyMapDialog::BtnKeyPress(const forms::Event& event) {
  const auto position = static_cast<std::size_t>(event.sender.tag);
  if (buttonList_->Type(position, event.character))
    window_->SetText(ui::Fields[position], buttonList_->FieldText(position));
}

}  // namespace pavane
