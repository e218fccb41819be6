#pragma once

#include <windows.h>

#include "win32/form_window.h"

namespace pavane {

// The About box; it only shows itself and closes with its one button.
class TAboutBox {
 public:
  explicit TAboutBox(HWND owner);

  int ShowModal() { return window_.ShowModal(); }

  win::FormWindow& Window() { return window_; }

 private:
  win::FormWindow window_;
};

}  // namespace pavane
