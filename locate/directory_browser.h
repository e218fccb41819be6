#pragma once

#include <string>
#include <string_view>

#include "forms/form_view.h"
#include "forms/prompter.h"

namespace pavane {

// A folder browser that belongs to a window: it opens on the last existing
// directory that was in the edit when it was asked for, and the folder the
// user confirms replaces the edit's text.
class DirectoryBrowser {
 public:
  void BrowseFor(forms::FormView& form, std::string_view edit, forms::Prompter& prompter);

 private:
  std::string rootDir_;
};

}  // namespace pavane
