// The main window's directory buttons: the location dialog for the ZSNES
// directory, the folder browser for the save and game directories.
#include "app/main_form.h"
#include "app/main_form_layout.h"
#include "locate/search_dialog.h"
#include "locate/zsnes_dir_dialog.h"

namespace pavane {

namespace {
namespace ui = main_form;
}  // namespace

std::optional<std::string> TMainForm::AskZSnesDir(std::string_view text) {
  TZSnesDirDialog location(services_.forms, &Window(), services_.prompter, [this](forms::FormView& owner) {
    return RunSearchDialog(services_.forms, owner, services_.driveSearch);
  });
  return location.Execute(text);
}

// ZSNES.CFG is not read again: "Read ZSNES.CFG" does that when the user asks.
void TMainForm::BrowseButton1Click() {
  if (const auto chosen = AskZSnesDir(Window().Text(ui::ZSnesDirEdit))) {
    Window().SetText(ui::ZSnesDirEdit, *chosen);
    Window().Focus(ui::ZSnesDirEdit);
  }
}

// Tag 1 is the save directory's button, Tag 2 the game directory's.
void TMainForm::BrowseButtonClick(const forms::Event& event) {
  const std::string_view edit = event.sender.tag == 1 ? ui::SaveDirEdit : ui::GameDirEdit;
  browser_.BrowseFor(Window(), edit, services_.prompter);
}

}  // namespace pavane
