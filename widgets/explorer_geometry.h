#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/caption_layout.h"
#include "widgets/colors.h"

namespace pavane::widgets {

enum class Alignment { Left, Right, Center };
enum class GlyphLayout { BitmapTop, BitmapBottom, BitmapLeft, BitmapRight };
enum class ShadingType { Light, Medium, Dark };

// What placing a button's glyph and caption starts from: its size, the
// glyph's size (0 x 0 without one), the caption as measured (0 x 0 when it
// is not drawn), and whether the arrow mark is shown.
struct PlacementInput {
  int width = 0;
  int height = 0;
  int glyphWidth = 0;
  int glyphHeight = 0;
  int textWidth = 0;  // already held to width - 4
  int textHeight = 0;
  bool hasText = false;
  bool arrow = false;
  bool wordWrap = false;
  Alignment alignment = Alignment::Center;
  GlyphLayout layout = GlyphLayout::BitmapTop;
};

struct Placement {
  int glyphX = 0;
  int glyphY = 0;
  Rect text;
};

Placement PlaceGlyphAndText(const PlacementInput& input);

// The caption as a hint: "&&" becomes "&", any other "&" goes with the
// letter after it kept, a last "&" stays.
std::string WithoutAccelerators(std::string_view caption);

// Whether the pointer at (x, y) in the parent's coordinates is inside the
// button: strictly inside, so its leftmost column and top row count as outside.
bool PointerInside(const Rect& button, int x, int y);

// The grey of a glyph pixel (not of the transparent colour) by the brightness
// thresholds of the shading type.
enum class GreyLevel { White, Highlight, Shadow, Black };
GreyLevel GreyOf(Rgb pixel, ShadingType shading);

// The pixels of the drop-down arrow anchored at (x, y): a downward triangle
// seven pixels wide on the row above the anchor.
std::vector<std::array<int, 2>> ArrowPixels(int x, int y);

}  // namespace pavane::widgets
