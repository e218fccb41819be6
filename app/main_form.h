#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/app_state.h"
#include "app/registry_state.h"
#include "app/state_store.h"
#include "favorites/menu_metrics.h"
#include "forms/form_view.h"
#include "forms/prompter.h"
#include "input/key_translator.h"
#include "launch/emulator.h"
#include "locate/directory_browser.h"
#include "locate/search_system.h"
#include "settings/config_file.h"
#include "settings/template_io.h"

namespace pavane {

// What the main window's commands need of the system: the forms they open,
// the questions they ask, the registry, the emulator, the figures the
// favourites' menu columns are measured against, the keyboard layout and
// the drives searched.
struct Services {
  forms::FormHost& forms;
  forms::Prompter& prompter;
  StateStore& registry;
  EmulatorLauncher& launcher;
  MenuMetrics& menuMetrics;
  const KeyTranslator& keys;
  SearchSystem& driveSearch;
};

// The main window: the form built from MainFormLayout(), and the handlers its
// table names, each bound by name.
class TMainForm {
 public:
  TMainForm(AppState& state, const Services& services);
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  forms::FormView& Window() { return *window_; }
  const forms::FormView& Window() const { return *window_; }
  AppState& State() { return state_; }

  // Reads the stored state, asks for the ZSNES directory when none is stored
  // and reads ZSNES.CFG. False when the user cancelled the directory question:
  // the program then ends.
  bool FormCreate();
  // Stores what the run changed in the registry; runs however the window is
  // closed, and stores nothing when the start did not finish.
  void FormDestroy();

  // Settings record <-> controls, and the ZSNES.CFG commands.
  void ShowSettings();
  void GatherSettings();
  // The record's command line in its edit, and the switch boxes that follow it.
  void ShowCommandLine();
  void ReadConfigButtonClick();
  void ApplyButtonClick();
  // "Save" as Run uses it: whether ZSNES.CFG was written, the overwrite
  // question declined, or the file could not be written (reported already).
  enum class SaveOutcome { Written, Declined, Failed };
  SaveOutcome SaveToConfigFile();

  // The switch line.
  void SwitchCheckClick(const forms::Event& event);
  void GammaSpinChanging(const forms::Event& event);
  void GammaSpinClick(const forms::Event& event);

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
  void BrowseButtonClick(const forms::Event& event);
  void ScanKeyButtonClick(const forms::Event& event);
  void JoystickButtonClick();
  void FaveClick(const forms::Event& event);
  // Files dropped on the window from the shell.
  void FormDropFiles(const forms::Event& event);

  // A ROM chosen outside the open dialog (a favourite, a drop, the command
  // line) becomes the current ROM exactly as the dialog's choice does.
  void ChooseRom(const std::string& romPath);

 private:
  forms::HandlerTable Handlers();

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
  // Load Template once its file is chosen.
  void LoadTemplateFile(const std::string& path);

  // The favourites list changed as a whole: the menu items built for the old
  // list go, those of the new one come.
  void ReplaceFavorites(std::vector<std::string> entries);
  // The start reads no favourites but their count: a menu that opens reads
  // as many as it can hold, and the list is read whole once it is needed.
  void FavoritesMenuOpen();
  void ReadWholeFavorites();
  void ReadFavorites(std::size_t atMost);

  // The location dialog with `text` in its path; its path on OK.
  std::optional<std::string> AskZSnesDir(std::string_view text);
  // The start once the stored state is shown: the directory, asked for when
  // none is stored, and ZSNES.CFG read from it. False when the question was
  // cancelled.
  bool ConfigureDirectory(std::string directory);

  AppState& state_;
  Services services_;
  DirectoryBrowser browser_;
  // The registry state as the start read it, once the start has finished:
  // the end writes what changed since, and nothing after a failed start.
  std::optional<LoadedState> stored_;
  // Whether the menus have their favourites' items, and for how many
  // entries; the others are reached through the list.
  bool favoriteItemsMade_ = false;
  std::size_t favoriteItemsHeld_ = 0;
  // The list holds every entry stored; else only those read so far.
  bool favoritesWhole_ = true;
  bool favoritesHeadRead_ = false;
  // Last: the window goes first, and its destruction still finds everything above.
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
