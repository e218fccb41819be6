#pragma once

#include <memory>
#include <string>

#include "app/main_form.h"
#include "app/registry_store_win.h"
#include "favorites/menu_metrics_win.h"
#include "input/key_translator_win.h"
#include "launch/emulator_process_win.h"
#include "locate/search_system_win.h"
#include "widgets/gradient_form_win.h"
#include "win32/form_window.h"

namespace pavane {

// The main window over the real system: real windows with the gradient
// caption and the flat toolbar buttons, the registry key at `registryKey`
// below HKEY_CURRENT_USER, real processes.
class Win32Program {
 public:
  Win32Program(AppState& state, forms::Prompter& prompter, std::string registryKey);

  TMainForm& Main() { return main_; }
  win::FormWindow& Window() { return static_cast<win::FormWindow&>(main_.Window()); }
  widgets::TGradientForm& Caption() { return *caption_; }

 private:
  bool widgetsRegistered_;
  win::Win32FormHost host_;
  RegistryStore registry_;
  win::Win32Launcher launcher_;
  SystemMenuMetrics menuMetrics_;
  SystemKeyTranslator keys_;
  Win32SearchSystem driveSearch_;
  TMainForm main_;
  std::unique_ptr<widgets::TGradientForm> caption_;
};

// The widgets the program's tables name, ready to be made; true.
bool RegisterWidgets();

}  // namespace pavane
