#include "app/preferences_dialog.h"

#include "app/preferences_layout.h"

namespace pavane {

TPreferencesDialog::TPreferencesDialog(forms::FormHost& host, forms::FormView* owner)
    : window_(host.CreateForm(PreferencesDialogForm(), {}, owner)) {}

int TPreferencesDialog::Execute(Preferences& preferences) {
  for (const PreferenceBox& box : kPreferenceBoxes) window_->SetChecked(box.checkBox, preferences.*box.field);
  const int result = window_->ShowModal();
  if (result == forms::kModalOk) {
    for (const PreferenceBox& box : kPreferenceBoxes) preferences.*box.field = window_->Checked(box.checkBox);
  }
  return result;
}

}  // namespace pavane
