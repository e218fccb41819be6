#include "app/program_forms.h"

#include <array>

#include "app/about_layout.h"
#include "app/main_form_layout.h"
#include "app/preferences_layout.h"
#include "favorites/favorites_dialog_layout.h"
#include "forms/input_box_layout.h"
#include "input/joy_map_dialog_layout.h"
#include "input/scan_key_dialog_layout.h"
#include "launch/run_dialog_layout.h"
#include "locate/search_dialog_layout.h"
#include "locate/zsnes_dir_dialog_layout.h"

namespace pavane {

std::span<const forms::Form* const> ProgramForms() {
  static const std::array forms{&MainFormLayout(),     &AboutBoxForm(),       &PreferencesDialogForm(),
                                &RunDialogLayout(),    &ZSnesDirDialogForm(), &FavoritesDialogForm(),
                                &ScanKeyDialogForm(),  &JoyMapDialogForm(),   &SearchDialogForm(),
                                &forms::InputBoxForm()};
  return forms;
}

}  // namespace pavane
