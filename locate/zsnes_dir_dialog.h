#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/form_view.h"
#include "forms/prompter.h"
#include "locate/directory_browser.h"

namespace pavane {

// The "ZSNES Location" dialog that asks for the emulator's directory.
class TZSnesDirDialog {
 public:
  // Runs the automatic drive search over `owner`; the directory chosen there,
  // or nothing when the search was cancelled.
  using AutoSearch = std::function<std::optional<std::string>(forms::FormView& owner)>;

  // Without `autoSearch` the "Automatic Search..." button does nothing.
  TZSnesDirDialog(forms::FormHost& host, forms::FormView* owner, forms::Prompter& prompter, AutoSearch autoSearch = {});

  // Shows the dialog with `text` in its path edit; the path on OK (any text,
  // an empty one too), nothing on any other close.
  std::optional<std::string> Execute(std::string_view text);

  forms::FormView& Window() { return *window_; }

 private:
  forms::HandlerTable Handlers();
  void BrowseButtonClick();
  void AutoSearchButtonClick();

  forms::Prompter& prompter_;
  AutoSearch autoSearch_;
  DirectoryBrowser browser_;
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
