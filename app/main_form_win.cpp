#include "app/main_form_win.h"

#include "app/main_form_layout.h"

namespace pavane {

TMainForm::TMainForm(AppState& state, forms::Prompter& prompter, std::string registryKey)
    : state_(state), prompter_(prompter), registryKey_(std::move(registryKey)), window_(MainFormLayout()) {
  BindHandlers();
  window_.OnDestroy([this] { FormDestroy(); });
  window_.Create();
}

// Every handler name of the table, bound to its member. Buttons and menu items
// that share a command share the name.
void TMainForm::BindHandlers() {
  using Sender = const forms::Control&;
  auto both = [this](std::string_view name, void (TMainForm::*command)()) {
    window_.Bind(name, [this, command](Sender) { (this->*command)(); });
    window_.BindMenu(name, [this, command] { (this->*command)(); });
  };
  auto control = [this](std::string_view name, void (TMainForm::*handler)(Sender)) {
    window_.Bind(name, [this, handler](Sender sender) { (this->*handler)(sender); });
  };
  auto menu = [this](std::string_view name, void (TMainForm::*command)()) {
    window_.BindMenu(name, [this, command] { (this->*command)(); });
  };

  both("OpenClick", &TMainForm::OpenClick);
  both("RunClick", &TMainForm::RunClick);
  both("ApplyButtonClick", &TMainForm::ApplyButtonClick);
  both("ExitClick", &TMainForm::ExitClick);
  both("ReadConfigButtonClick", &TMainForm::ReadConfigButtonClick);
  both("BrowseButton1Click", &TMainForm::BrowseButton1Click);
  both("JoystickButtonClick", &TMainForm::JoystickButtonClick);
  control("BrowseButtonClick", &TMainForm::BrowseButtonClick);
  control("ScanKeyButtonClick", &TMainForm::ScanKeyButtonClick);
  control("SwitchCheckClick", &TMainForm::SwitchCheckClick);
  control("GammaSpinChanging", &TMainForm::GammaSpinChanging);
  control("GammaSpinClick", &TMainForm::GammaSpinClick);
  menu("SaveROMSettingsMenuClick", &TMainForm::SaveROMSettingsMenuClick);
  menu("AddToFaveClick", &TMainForm::AddToFaveClick);
  menu("ConfigPopupMenuClick", &TMainForm::ConfigPopupMenuClick);
  menu("LoadSettingsMenuClick", &TMainForm::LoadSettingsMenuClick);
  menu("SaveSettingsMenuClick", &TMainForm::SaveSettingsMenuClick);
  menu("PreferencesMenuClick", &TMainForm::PreferencesMenuClick);
  menu("AboutMenuClick", &TMainForm::AboutMenuClick);
}

// Closing the window ends the program; FormDestroy stores the state on the way.
void TMainForm::ExitClick() { window_.Close(); }

// Favourites, the directory browsers and the input mapping dialogs are not
// built yet; their commands do nothing until they are.
void TMainForm::AddToFaveClick() {}
void TMainForm::ConfigPopupMenuClick() {}
void TMainForm::BrowseButton1Click() {}
void TMainForm::BrowseButtonClick(const forms::Control&) {}
void TMainForm::ScanKeyButtonClick(const forms::Control&) {}
void TMainForm::JoystickButtonClick() {}
void TMainForm::FaveClick(std::size_t) {}

}  // namespace pavane
