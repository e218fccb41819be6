#include "forms/dpi_scale.h"

#include <cstdint>

namespace pavane::forms {

int DpiScale::operator()(int pixels) const {
  if (dpi == kDesignDpi) return pixels;
  const std::int64_t scaled = static_cast<std::int64_t>(pixels) * dpi;
  const std::int64_t half = kDesignDpi / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi : -((-scaled + half) / kDesignDpi));
}

Bounds DpiScale::operator()(const Bounds& bounds) const {
  const int left = (*this)(bounds.left);
  const int top = (*this)(bounds.top);
  return Bounds{.left = left,
                .top = top,
                .width = (*this)(bounds.left + bounds.width) - left,
                .height = (*this)(bounds.top + bounds.height) - top};
}

}  // namespace pavane::forms
