#include "app/program_win.h"

#include <string_view>

#include "app/main_form_layout.h"
#include "widgets/explorer_button_win.h"

namespace pavane {
namespace {

// The toolbar's buttons write in "Small Fonts", black, and grey while the
// pointer is elsewhere.
void StyleToolbar(win::FormWindow& window) {
  for (const std::string_view name : {main_form::OpenButton, main_form::RunButton, main_form::FavoritesButton}) {
    auto* button = dynamic_cast<widgets::TExplorerButton*>(window.Painted(name));
    if (!button) continue;
    button->SetFont("Small Fonts", 9, widgets::clBlack);
    button->SetUnselectedFontColor(widgets::clGray);
  }
}

}  // namespace

bool RegisterWidgets() {
  widgets::TExplorerButton::Register();
  return true;
}

Win32Program::Win32Program(AppState& state, forms::Prompter& prompter, std::string registryKey)
    : widgetsRegistered_(RegisterWidgets()),
      registry_(std::move(registryKey)),
      main_(state, {host_, prompter, registry_, launcher_, menuMetrics_, keys_, driveSearch_}),
      caption_(std::make_unique<widgets::TGradientForm>(Window())) {
  StyleToolbar(Window());
}

}  // namespace pavane
