#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "forms/prompter.h"
#include "win32/form_window.h"

namespace pavane {

// The "ZSNES Location" dialog that asks for the emulator's directory.
class TZSnesDirDialog {
 public:
  // Runs the automatic drive search over `owner`; the directory chosen there,
  // or nothing when the search was cancelled.
  using AutoSearch = std::function<std::optional<std::string>(HWND owner)>;

  // Without `autoSearch` the "Automatic Search..." button does nothing.
  TZSnesDirDialog(HWND owner, forms::Prompter& prompter, AutoSearch autoSearch = {});

  // Shows the dialog with `text` in its path edit; the path on OK (any text,
  // an empty one too), nothing on any other close.
  std::optional<std::string> Execute(std::string_view text);

  win::FormWindow& Window() { return window_; }

 private:
  void BrowseButtonClick();
  void AutoSearchButtonClick();

  win::FormWindow window_;
  forms::Prompter& prompter_;
  AutoSearch autoSearch_;
  // The folder the browser opens on; it keeps the last existing directory typed.
  std::string rootDir_;
};

}  // namespace pavane
