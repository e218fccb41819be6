#pragma once

#include <memory>

#include "forms/form_view.h"

namespace pavane {

// The About box; it only shows itself and closes with its one button.
class TAboutBox {
 public:
  TAboutBox(forms::FormHost& host, forms::FormView* owner);

  int ShowModal() { return window_->ShowModal(); }

  forms::FormView& Window() { return *window_; }

 private:
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
