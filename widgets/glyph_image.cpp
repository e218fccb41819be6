#include "widgets/glyph_image.h"

#include <utility>

namespace pavane::widgets {

Image GreyGlyph(const Image& glyph, ShadingType shading, Rgb highlight, Rgb shadow) {
  Image grey = glyph;
  if (glyph.Empty()) return grey;
  const Rgb transparent = glyph.Transparent();
  for (Rgb& pixel : grey.pixels) {
    if (pixel == transparent) continue;
    switch (GreyOf(pixel, shading)) {
      case GreyLevel::White:
        pixel = {255, 255, 255};
        break;
      case GreyLevel::Highlight:
        pixel = highlight;
        break;
      case GreyLevel::Shadow:
        pixel = shadow;
        break;
      case GreyLevel::Black:
        pixel = {0, 0, 0};
        break;
    }
  }
  return grey;
}

void DrawTransparent(Image& surface, const Image& glyph, int x, int y) {
  if (glyph.Empty()) return;
  const Rgb transparent = glyph.Transparent();
  for (int gy = 0; gy < glyph.height; ++gy) {
    for (int gx = 0; gx < glyph.width; ++gx) {
      const Rgb pixel = glyph.At(gx, gy);
      if (pixel != transparent) surface.Set(x + gx, y + gy, pixel);
    }
  }
}

void DrawEmbossed(Image& surface, const Image& glyph, int x, int y, Rgb highlight, Rgb shadow) {
  constexpr Rgb kBlack{0, 0, 0};
  for (const auto& [dx, colour] : {std::pair{1, highlight}, std::pair{0, shadow}}) {
    for (int gy = 0; gy < glyph.height; ++gy) {
      for (int gx = 0; gx < glyph.width; ++gx) {
        if (glyph.At(gx, gy) == kBlack) surface.Set(x + gx + dx, y + gy + dx, colour);
      }
    }
  }
}

Image DownPattern(Rgb face, Rgb highlight) {
  Image pattern(8, 8, face);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (x % 2 == y % 2) pattern.Set(x, y, highlight);
    }
  }
  return pattern;
}

void Tile(Image& surface, const Image& pattern) {
  if (pattern.Empty()) return;
  for (int y = 0; y < surface.height; ++y) {
    for (int x = 0; x < surface.width; ++x) surface.Set(x, y, pattern.At(x % pattern.width, y % pattern.height));
  }
}

}  // namespace pavane::widgets
