#pragma once

#include <memory>
#include <optional>
#include <string>

#include "forms/form_view.h"
#include "input/joy_map_model.h"

namespace pavane {

// The "Joystick Mapping" dialog: a digit typed into a controller button's
// field makes that joystick button drive it; Enter is OK, Esc Cancel.
class TJoyMapDialog {
 public:
  TJoyMapDialog(forms::FormHost& host, forms::FormView* owner);

  // Shows `joyMap`; on OK it becomes the edited map and the result is true.
  // Any other close leaves it as it was.
  bool Execute(std::string& joyMap);

  forms::FormView& Window() { return *window_; }

 private:
  void BtnKeyPress(const forms::Event& event);

  std::optional<JoystickMap> buttonList_;
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
