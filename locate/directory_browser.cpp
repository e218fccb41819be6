#include "locate/directory_browser.h"

#include <optional>

#include "settings/file_io.h"

namespace pavane {

void DirectoryBrowser::BrowseFor(forms::FormView& form, std::string_view edit, forms::Prompter& prompter) {
  const std::string typed = form.Text(edit);
  if (DirectoryExists(typed)) rootDir_ = typed;
  if (std::optional<std::string> chosen = prompter.BrowseFolder("Choose a directory:", rootDir_))
    form.SetText(edit, *chosen);
}

}  // namespace pavane
