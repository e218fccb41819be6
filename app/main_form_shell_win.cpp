// The main window's life and its shell commands: the registry state read at
// creation and written at destruction, Preferences, About and Run.
#include <string>

#include "app/about_box_win.h"
#include "app/main_form_win.h"
#include "app/preferences_dialog_win.h"
#include "app/registry_texts.h"
#include "app/registry_state_win.h"
#include "launch/run_command_win.h"
#include "locate/zsnes_dir_dialog_win.h"

namespace pavane {

bool TMainForm::FormCreate() {
  Window().SetCaption(State().AppTitle);
  const RegistryState stored = LoadRegistryState(registryKey_);
  State().settings.ZSnesCmdLine = stored.ZSnesCmdLine;
  State().preferences = stored.preferences;
  State().FavoriteList = stored.FavoriteList;
  Window().Show();

  std::string directory = stored.ZSnesDir;
  if (directory.empty()) {
    TZSnesDirDialog location(Window().Handle(), Prompts());
    const auto chosen = location.Execute("");
    if (!chosen) return false;
    directory = *chosen;
  }
  Window().SetText("ZSnesDirEdit", directory);
  ReadConfigButtonClick();
  return true;
}

void TMainForm::FormDestroy() {
  RegistryState state;
  state.ZSnesDir = Window().Text("ZSnesDirEdit");
  state.ZSnesCmdLine = Window().Text("ZSNESCmdLineEdit");
  state.preferences = State().preferences;
  state.FavoriteList = State().FavoriteList;
  if (!SaveRegistryState(registryKey_, state)) ShowError(StateNotStoredText(registryKey_));
}

void TMainForm::PreferencesMenuClick() {
  TPreferencesDialog dialog(Window().Handle());
  dialog.Execute(State().preferences);
}

void TMainForm::AboutMenuClick() {
  TAboutBox about(Window().Handle());
  about.ShowModal();
}

// With "Save Settings before launching" off the launch neither asks nor saves;
// with it on, "Save without prompting" saves without the question.
void TMainForm::RunClick() {
  const Preferences& preferences = State().preferences;
  if (preferences.SaveSettingsBeforeLaunch) {
    forms::Answer answer = forms::Answer::Yes;
    if (!preferences.SaveWithoutPrompting)
      answer = Prompts().Show(
          {"Save Settings?", State().AppTitle, forms::Buttons::YesNoCancel, forms::Icon::Question});
    if (answer == forms::Answer::Cancel) return;
    // A declined overwrite still launches; a configuration that could not be written does not.
    if (answer == forms::Answer::Yes && SaveToConfigFile() == SaveOutcome::Failed) return;
  }
  win::LaunchEmulator(Window().Handle(), Prompts(), State().AppTitle, Window().Text("ZSnesDirEdit"),
                      State().settings, State().CurrentRom);
}

}  // namespace pavane
