#pragma once

#include "forms/form_spec.h"

namespace pavane::forms {

// The tables are drawn at 96 dots per inch; a form made on a screen of
// another density scales every figure of its table by dpi / 96 once, when it
// is made. Rounding is to the nearest pixel, halves away from zero.
struct DpiScale {
  static constexpr int kDesignDpi = 96;
  int dpi = kDesignDpi;

  int operator()(int pixels) const;
  // Scales the edges, not the sizes, so controls that touch at 96 dots per
  // inch still touch.
  Bounds operator()(const Bounds& bounds) const;
};

}  // namespace pavane::forms
