#pragma once

#include <cstddef>
#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// What the tables of the two input dialogs share: the read-only fields, one
// per controller button, and the red bars that join each field to its button
// on the controller picture.

inline constexpr unsigned kMarkerBarColor = 0xFF0000;

constexpr forms::Control MarkerBar(std::string_view name, forms::Bounds bounds) {
  return {.kind = forms::Kind::Shape, .name = name, .bounds = bounds, .color = kMarkerBarColor};
}

// The field of `position`: its Tag and its place in the tab order. It is as
// wide as the widest text it shows needs, at every DPI.
constexpr forms::Control ButtonField(std::string_view name, std::size_t position, int left, int top, int width) {
  return {.kind = forms::Kind::Edit,
          .name = name,
          .bounds = {left, top, width, 21},
          .tabOrder = static_cast<int>(position),
          .tag = static_cast<int>(position),
          .readOnly = true};
}

}  // namespace pavane
