#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/app_state.h"
#include "forms/prompter.h"
#include "settings/config_file.h"
#include "settings/template_io.h"
#include "win32/form_window.h"

namespace pavane {

// The main window: the window built from MainFormLayout(), and the handlers
// its table names, each bound by name. Its state between runs lives under
// `registryKey` below HKEY_CURRENT_USER.
class TMainForm {
 public:
  TMainForm(AppState& state, forms::Prompter& prompter, std::string registryKey);
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  win::FormWindow& Window() { return window_; }
  const win::FormWindow& Window() const { return window_; }
  AppState& State() { return state_; }
  forms::Prompter& Prompts() { return prompter_; }

  // Reads the stored state, asks for the ZSNES directory when none is stored
  // and reads ZSNES.CFG. False when the user cancelled the directory question:
  // the program then ends.
  bool FormCreate();
  // Stores the state in the registry; runs however the window is closed.
  void FormDestroy();

  // Settings record <-> controls, and the ZSNES.CFG commands.
  void ShowSettings();
  void GatherSettings();
  void ReadConfigButtonClick();
  void ApplyButtonClick();
  // "Save" as Run uses it: whether ZSNES.CFG was written, the overwrite
  // question declined, or the file could not be written (reported already).
  enum class SaveOutcome { Written, Declined, Failed };
  SaveOutcome SaveToConfigFile();

  // The switch line.
  void SwitchCheckClick(const forms::Control& sender);
  void GammaSpinChanging(const forms::Control& sender);
  void GammaSpinClick(const forms::Control& sender);

  // Menu, toolbar and button commands.
  void OpenClick();
  void RunClick();
  void SaveROMSettingsMenuClick();
  void ExitClick();
  void AddToFaveClick();
  void ConfigPopupMenuClick();
  void LoadSettingsMenuClick();
  void SaveSettingsMenuClick();
  void PreferencesMenuClick();
  void AboutMenuClick();
  void BrowseButton1Click();
  void BrowseButtonClick(const forms::Control& sender);
  void ScanKeyButtonClick(const forms::Control& sender);
  void JoystickButtonClick();
  // A favourite's menu item; favourites are added at run time, each with its
  // own command that passes its position.
  void FaveClick(std::size_t index);

 private:
  void BindHandlers();

  // Helpers of the settings commands.
  void ShowSpin(std::string_view spin, std::uint8_t value);
  void ShowRadioGroup(std::string_view group, std::uint8_t index);
  forms::Answer Ask(const std::string& question);
  void ShowError(const std::string& message);
  ConfigLocation ConfigFileLocation() const;

  // Helpers of the file commands.
  bool ConsentToNewerVersion(std::int32_t version);
  NewerVersionConsent NewerVersionQuestioner();
  void OfferROMSettings(const std::string& romPath);
  void ChooseRom(const std::string& romPath);

  AppState& state_;
  forms::Prompter& prompter_;
  std::string registryKey_;
  win::FormWindow window_;
};

}  // namespace pavane
