#include "app/main_form.h"

#include "app/main_form_layout.h"

namespace pavane {

TMainForm::TMainForm(AppState& state, const Services& services)
    : state_(state), services_(services), window_(services.forms.CreateForm(MainFormLayout(), Handlers(), nullptr)) {}

// Every handler name of the table, bound to its member. Buttons and menu items
// that share a command share the name.
forms::HandlerTable TMainForm::Handlers() {
  forms::HandlerTable handlers;
  auto command = [&](std::string_view name, void (TMainForm::*run)()) {
    handlers.Bind(name, [this, run](const forms::Event&) { (this->*run)(); });
  };
  auto handler = [&](std::string_view name, void (TMainForm::*run)(const forms::Event&)) {
    handlers.Bind(name, [this, run](const forms::Event& event) { (this->*run)(event); });
  };
  command("OpenClick", &TMainForm::OpenClick);
  command("RunClick", &TMainForm::RunClick);
  command("ApplyButtonClick", &TMainForm::ApplyButtonClick);
  command("ExitClick", &TMainForm::ExitClick);
  command("ReadConfigButtonClick", &TMainForm::ReadConfigButtonClick);
  command("BrowseButton1Click", &TMainForm::BrowseButton1Click);
  command("JoystickButtonClick", &TMainForm::JoystickButtonClick);
  command("SaveROMSettingsMenuClick", &TMainForm::SaveROMSettingsMenuClick);
  command("AddToFaveClick", &TMainForm::AddToFaveClick);
  command("ConfigPopupMenuClick", &TMainForm::ConfigPopupMenuClick);
  command("LoadSettingsMenuClick", &TMainForm::LoadSettingsMenuClick);
  command("SaveSettingsMenuClick", &TMainForm::SaveSettingsMenuClick);
  command("PreferencesMenuClick", &TMainForm::PreferencesMenuClick);
  command("AboutMenuClick", &TMainForm::AboutMenuClick);
  command("FormDestroy", &TMainForm::FormDestroy);
  command("FavoritesMenuOpen", &TMainForm::FavoritesMenuOpen);
  handler("BrowseButtonClick", &TMainForm::BrowseButtonClick);
  handler("ScanKeyButtonClick", &TMainForm::ScanKeyButtonClick);
  handler("SwitchCheckClick", &TMainForm::SwitchCheckClick);
  handler("GammaSpinChanging", &TMainForm::GammaSpinChanging);
  handler("GammaSpinClick", &TMainForm::GammaSpinClick);
  handler("FaveClick", &TMainForm::FaveClick);
  handler("FormDropFiles", &TMainForm::FormDropFiles);
  return handlers;
}

// Closing the window ends the program; FormDestroy stores the state on the way.
void TMainForm::ExitClick() { window_->Close(); }

}  // namespace pavane
