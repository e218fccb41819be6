#include "widgets/explorer_geometry.h"

#include <algorithm>

namespace pavane::widgets {

Placement PlaceGlyphAndText(const PlacementInput& in) {
  const int w = in.width;
  const int h = in.height;
  const bool glyph = in.glyphWidth > 0 && in.glyphHeight > 0;
  const int gap = in.hasText ? 2 : 0;
  int tw = in.textWidth;
  const int th = in.textHeight;
  const int gw = in.glyphWidth + (in.arrow ? 10 : 0);
  const int gh = in.glyphHeight;
  Placement out;
  int tx = 0;
  int ty = 0;
  if (!glyph) {
    int placed = tw;
    if (in.arrow) {
      tw = std::min(tw, w - 14);
      placed = tw + 10;
    }
    ty = (h - th) / 2;
    tx = in.alignment == Alignment::Left ? 3 : in.alignment == Alignment::Right ? w - placed - 3 : (w - placed) / 2;
  } else if (in.layout == GlyphLayout::BitmapTop || in.layout == GlyphLayout::BitmapBottom) {
    if (in.layout == GlyphLayout::BitmapTop) {
      out.glyphY = (h - th - gh - gap) / 2;
      ty = out.glyphY + gh + gap;
    } else {
      ty = (h - th - gh - gap) / 2;
      out.glyphY = ty + th + gap;
    }
    switch (in.alignment) {
      case Alignment::Left:
        out.glyphX = 3;
        tx = 3;
        break;
      case Alignment::Right:
        out.glyphX = w - gw - 3;
        tx = w - tw - 3;
        break;
      case Alignment::Center:
        out.glyphX = (w - gw) / 2;
        tx = (w - tw) / 2;
        break;
    }
  } else {
    if (gw + tw + gap > w - 4) tw = w - 4 - gap - gw;
    out.glyphY = (h - gh) / 2;
    ty = (h - th) / 2;
    const bool left = in.layout == GlyphLayout::BitmapLeft;
    switch (in.alignment) {
      case Alignment::Left:
        if (left) {
          out.glyphX = 3;
          tx = gw + gap + 3;
        } else {
          tx = 3;
          out.glyphX = tw + 3 + gap;
        }
        break;
      case Alignment::Right:
        if (left) {
          tx = w - tw - 3;
          out.glyphX = tx - gw - gap;
        } else {
          out.glyphX = w - gw - 3;
          tx = out.glyphX - tw - gap;
        }
        break;
      case Alignment::Center:
        if (left) {
          out.glyphX = (w - gw - tw - gap) / 2;
          tx = out.glyphX + gw + gap;
        } else {
          tx = (w - gw - tw - gap) / 2;
          out.glyphX = tw + tx + gap;
        }
        break;
    }
  }
  if (in.wordWrap && tx + tw > w - 5) tw = w - tx - 5;
  out.text = {tx, ty, tx + tw, ty + th};
  return out;
}

std::string WithoutAccelerators(std::string_view caption) {
  std::string hint;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;  // "&&" keeps one "&"; "&x" keeps the x
    }
    hint.push_back(caption[i]);
  }
  return hint;
}

bool PointerInside(const Rect& button, int x, int y) {
  return button.left < x && x < button.right && button.top < y && y < button.bottom;
}

GreyLevel GreyOf(Rgb pixel, ShadingType shading) {
  struct Thresholds {
    int t1, t2, t3;
  };
  constexpr Thresholds kLight{205, 127, 68};
  constexpr Thresholds kMedium{553, 231, 57};
  constexpr Thresholds kDark{335, 274, 175};
  const Thresholds t = shading == ShadingType::Light ? kLight : shading == ShadingType::Medium ? kMedium : kDark;
  const int sum = pixel.r + pixel.g + pixel.b;
  if (sum > t.t1) return GreyLevel::White;
  if (sum > t.t2) return GreyLevel::Highlight;
  if (sum > t.t3) return GreyLevel::Shadow;
  return GreyLevel::Black;
}

std::vector<std::array<int, 2>> ArrowPixels(int x, int y) {
  std::vector<std::array<int, 2>> pixels;
  for (int i = 0; i < 7; ++i) pixels.push_back({x + i, y - 1});
  for (int i = 1; i < 6; ++i) pixels.push_back({x + i, y});
  for (int i = 2; i < 5; ++i) pixels.push_back({x + i, y + 1});
  pixels.push_back({x + 3, y + 2});
  return pixels;
}

}  // namespace pavane::widgets
