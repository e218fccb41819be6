#pragma once

#include <memory>

#include "app/app_state.h"
#include "forms/form_view.h"

namespace pavane {

// The Preferences dialog: five independent boxes, one per flag.
class TPreferencesDialog {
 public:
  TPreferencesDialog(forms::FormHost& host, forms::FormView* owner);

  // Shows `preferences` in the boxes and the dialog modally; copies the boxes
  // back only when it closes with OK. Returns the modal result.
  int Execute(Preferences& preferences);

  forms::FormView& Window() { return *window_; }

 private:
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
