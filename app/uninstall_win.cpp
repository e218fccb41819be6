#include "app/uninstall_win.h"

#include "app/registry_texts.h"
#include "app/uninstall_switch.h"
#include "win32/registry.h"

namespace pavane {

bool RunUninstallSwitch(std::string_view commandLine, const NamesFile& namesFile, std::string_view appTitle,
                        std::string_view question, std::string_view keyPath, forms::Prompter& prompter) {
  if (!HasUninstallSwitch(commandLine, namesFile)) return false;
  // No is the default: one Enter must not delete the favourites and preferences.
  const forms::Answer answer = prompter.Show({.text = std::string(question),
                                              .caption = std::string(appTitle),
                                              .buttons = forms::Buttons::YesNo,
                                              .icon = forms::Icon::None,
                                              .defaultNo = true});
  if (answer != forms::Answer::Yes) return false;

  if (win::RegistryKeyExists(keyPath)) {
    const win::KeyDeletion deletion = win::DeleteRegistryTree(keyPath);
    if (!deletion.deleted) {
      prompter.Show({.text = KeyDeletionFailedText(deletion.failedPath),
                     .caption = std::string(appTitle),
                     .buttons = forms::Buttons::Ok,
                     .icon = forms::Icon::Error});
    }
  }
  return true;
}

}  // namespace pavane
