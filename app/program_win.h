#pragma once

#include <string>

#include "app/main_form.h"
#include "app/registry_store_win.h"
#include "favorites/menu_metrics_win.h"
#include "launch/emulator_process_win.h"
#include "win32/form_window.h"

namespace pavane {

// The main window over the real system: real windows, the registry key at
// `registryKey` below HKEY_CURRENT_USER, real processes.
class Win32Program {
 public:
  Win32Program(AppState& state, forms::Prompter& prompter, std::string registryKey);

  TMainForm& Main() { return main_; }
  win::FormWindow& Window() { return static_cast<win::FormWindow&>(main_.Window()); }

 private:
  win::Win32FormHost host_;
  RegistryStore registry_;
  win::Win32Launcher launcher_;
  SystemMenuMetrics menuMetrics_;
  TMainForm main_;
};

}  // namespace pavane
