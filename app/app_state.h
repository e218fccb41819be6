#pragma once

#include <string>

#include "settings/config_lines.h"
#include "settings/settings.h"

namespace pavane {

struct Preferences {
  bool LoadROMSettings = true;
  bool PromptBeforeLoading = true;
  bool SaveSettingsBeforeLaunch = true;
  bool SaveWithoutPrompting = false;
  bool CfgOverwritePrompt = true;

  bool operator==(const Preferences&) const = default;
};

// The program-wide values that live from start to end.
struct AppState {
  std::string AppTitle = "Pavane";
  Settings settings;
  ConfigLines configLines;
  std::string CurrentRom;
  Preferences preferences;
  std::vector<std::string> FavoriteList;
};

}  // namespace pavane
