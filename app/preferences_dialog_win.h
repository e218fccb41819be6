#pragma once

#include <windows.h>

#include "app/app_state.h"
#include "win32/form_window.h"

namespace pavane {

// The Preferences dialog: five independent boxes, one per flag.
class TPreferencesDialog {
 public:
  explicit TPreferencesDialog(HWND owner);

  // Shows `preferences` in the boxes and the dialog modally; copies the boxes
  // back only when it closes with OK. Returns the modal result.
  int Execute(Preferences& preferences);

  win::FormWindow& Window() { return window_; }

 private:
  win::FormWindow window_;
};

}  // namespace pavane
