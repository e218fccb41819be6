// The main window's life and its shell commands: the registry state read at
// creation and written at destruction, Preferences, About and Run.
#include <string>

#include "app/about_box.h"
#include "app/main_form.h"
#include "app/main_form_layout.h"
#include "app/preferences_dialog.h"
#include "app/registry_state.h"
#include "app/registry_texts.h"
#include "launch/run_command.h"

namespace pavane {

namespace {
namespace ui = main_form;
}  // namespace

bool TMainForm::FormCreate() {
  Window().SetCaption(State().AppTitle);
  LoadedState loaded = LoadRegistryState(services_.registry, 0);
  State().settings.ZSnesCmdLine = loaded.state.ZSnesCmdLine;
  State().preferences = loaded.state.preferences;
  favoritesWhole_ = loaded.favoritesWhole;
  ReplaceFavorites(loaded.state.FavoriteList);
  Window().Show();
  // Shown before ZSNES.CFG is read, so that a read declined or failed does
  // not leave the edit empty for the end to store.
  ShowCommandLine();
  const bool configured = ConfigureDirectory(loaded.state.ZSnesDir);
  stored_ = std::move(loaded);
  return configured;
}

bool TMainForm::ConfigureDirectory(std::string directory) {
  if (directory.empty()) {
    const auto chosen = AskZSnesDir("");
    if (!chosen) return false;
    directory = *chosen;
  }
  Window().SetText(ui::ZSnesDirEdit, directory);
  ReadConfigButtonClick();
  return true;
}

void TMainForm::FormDestroy() {
  if (!stored_) return;
  RegistryState state;
  state.ZSnesDir = Window().Text(ui::ZSnesDirEdit);
  state.ZSnesCmdLine = Window().Text(ui::ZSNESCmdLineEdit);
  state.preferences = State().preferences;
  state.FavoriteList = State().FavoriteList;
  if (!stored_->complete) {
    if (state != stored_->state) ShowError(StateNotReadText(services_.registry.KeyPath()));
    return;
  }
  if (!SaveRegistryState(services_.registry, stored_->state, state)) {
    ShowError(StateNotStoredText(services_.registry.KeyPath()));
  }
}

void TMainForm::PreferencesMenuClick() {
  TPreferencesDialog dialog(services_.forms, &Window());
  dialog.Execute(State().preferences);
}

void TMainForm::AboutMenuClick() {
  TAboutBox about(services_.forms, &Window());
  about.ShowModal();
}

// With "Save Settings before launching" off the launch neither asks nor saves;
// with it on, "Save without prompting" saves without the question.
void TMainForm::RunClick() {
  const Preferences& preferences = State().preferences;
  if (preferences.SaveSettingsBeforeLaunch) {
    forms::Answer answer = forms::Answer::Yes;
    if (!preferences.SaveWithoutPrompting)
      answer = services_.prompter.Show(
          {"Save Settings?", State().AppTitle, forms::Buttons::YesNoCancel, forms::Icon::Question});
    if (answer == forms::Answer::Cancel) return;
    // A declined overwrite still launches; a configuration that could not be written does not.
    if (answer == forms::Answer::Yes && SaveToConfigFile() == SaveOutcome::Failed) return;
  }
  LaunchEmulator({services_.forms, &Window(), services_.prompter, services_.launcher, State().AppTitle},
                 Window().Text(ui::ZSnesDirEdit), State().settings, State().CurrentRom);
}

}  // namespace pavane
