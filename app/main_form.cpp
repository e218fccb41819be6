#include "app/main_form.h"

#include "app/main_form_layout.h"

namespace pavane {

TMainForm::TMainForm(AppState& state, const Services& services)
    : state_(state), services_(services), window_(services.forms.CreateForm(MainFormLayout(), Handlers(), nullptr)) {}

// Every handler name of the table, bound to its member. Buttons and menu items
// that share a command share the name.
forms::HandlerTable TMainForm::Handlers() {
  forms::HandlerTable handlers;
  handlers.Bind("OpenClick", this, &TMainForm::OpenClick);
  handlers.Bind("RunClick", this, &TMainForm::RunClick);
  handlers.Bind("ApplyButtonClick", this, &TMainForm::ApplyButtonClick);
  handlers.Bind("ExitClick", this, &TMainForm::ExitClick);
  handlers.Bind("ReadConfigButtonClick", this, &TMainForm::ReadConfigButtonClick);
  handlers.Bind("BrowseButton1Click", this, &TMainForm::BrowseButton1Click);
  handlers.Bind("JoystickButtonClick", this, &TMainForm::JoystickButtonClick);
  handlers.Bind("SaveROMSettingsMenuClick", this, &TMainForm::SaveROMSettingsMenuClick);
  handlers.Bind("AddToFaveClick", this, &TMainForm::AddToFaveClick);
  handlers.Bind("ConfigPopupMenuClick", this, &TMainForm::ConfigPopupMenuClick);
  handlers.Bind("LoadSettingsMenuClick", this, &TMainForm::LoadSettingsMenuClick);
  handlers.Bind("SaveSettingsMenuClick", this, &TMainForm::SaveSettingsMenuClick);
  handlers.Bind("PreferencesMenuClick", this, &TMainForm::PreferencesMenuClick);
  handlers.Bind("AboutMenuClick", this, &TMainForm::AboutMenuClick);
  handlers.Bind("FormDestroy", this, &TMainForm::FormDestroy);
  handlers.Bind("FavoritesMenuOpen", this, &TMainForm::FavoritesMenuOpen);
  handlers.Bind("BrowseButtonClick", this, &TMainForm::BrowseButtonClick);
  handlers.Bind("ScanKeyButtonClick", this, &TMainForm::ScanKeyButtonClick);
  handlers.Bind("SwitchCheckClick", this, &TMainForm::SwitchCheckClick);
  handlers.Bind("GammaSpinChanging", this, &TMainForm::GammaSpinChanging);
  handlers.Bind("GammaSpinClick", this, &TMainForm::GammaSpinClick);
  handlers.Bind("FaveClick", this, &TMainForm::FaveClick);
  handlers.Bind("FormDropFiles", this, &TMainForm::FormDropFiles);
  return handlers;
}

// Closing the window ends the program; FormDestroy stores the state on the way.
void TMainForm::ExitClick() { window_->Close(); }

}  // namespace pavane
