#include "app/preferences_dialog_win.h"

#include "app/preferences_layout.h"

namespace pavane {

namespace {
constexpr int kModalOk = 1;
}

TPreferencesDialog::TPreferencesDialog(HWND owner) : window_(PreferencesDialogForm()) { window_.Create(owner); }

int TPreferencesDialog::Execute(Preferences& preferences) {
  for (const PreferenceBox& box : kPreferenceBoxes) window_.SetChecked(box.checkBox, preferences.*box.field);
  const int result = window_.ShowModal();
  if (result == kModalOk) {
    for (const PreferenceBox& box : kPreferenceBoxes) preferences.*box.field = window_.Checked(box.checkBox);
  }
  return result;
}

}  // namespace pavane
