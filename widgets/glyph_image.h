#pragma once

#include <vector>

#include "widgets/colors.h"
#include "widgets/explorer_geometry.h"

namespace pavane::widgets {

// A picture in memory, row by row from the top.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Image() = default;
  Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  bool Empty() const { return width <= 0 || height <= 0; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  void Set(int x, int y, Rgb colour) {
    if (Contains(x, y)) pixels[static_cast<std::size_t>(y) * width + x] = colour;
  }
  // The transparent colour of a glyph: its top-left pixel.
  Rgb Transparent() const { return At(0, 0); }
};

// The grey glyph made from a coloured one: every pixel that is not of the
// transparent colour becomes white, highlight, shadow or black by its
// brightness; pixels of the transparent colour keep it.
Image GreyGlyph(const Image& glyph, ShadingType shading, Rgb highlight, Rgb shadow);

// Draws `glyph` onto `surface` at (x, y); where the glyph has its transparent
// colour the surface shows through. Parts outside the surface are cut off.
void DrawTransparent(Image& surface, const Image& glyph, int x, int y);

// The disabled look of a glyph: its black pixels stamped in `highlight` one
// pixel right and down, then in `shadow` in place.
void DrawEmbossed(Image& surface, const Image& glyph, int x, int y, Rgb highlight, Rgb shadow);

// The 8 x 8 pattern of a latched-down button: `face`, with `highlight` where
// a pixel's column and row have the same parity.
Image DownPattern(Rgb face, Rgb highlight);

// Fills the whole surface with the pattern, repeated from the top-left corner.
void Tile(Image& surface, const Image& pattern);

}  // namespace pavane::widgets
