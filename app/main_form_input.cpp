// The main window's input mapping: the keyboard keys of either player and
// the joystick map, each edited in its dialog straight into the record.
#include "app/main_form.h"
#include "input/joy_map_dialog.h"
#include "input/scan_key_dialog.h"

namespace pavane {

// The sender's Tag is the player: 0 or 1.
void TMainForm::ScanKeyButtonClick(const forms::Event& event) {
  TScanKeyDialog dialog(services_.forms, &Window(), services_.prompter, services_.keys, State().AppTitle);
  dialog.Execute(State().settings, event.sender.tag);
}

void TMainForm::JoystickButtonClick() {
  TJoyMapDialog dialog(services_.forms, &Window());
  dialog.Execute(State().settings.JoyMap);
}

}  // namespace pavane
