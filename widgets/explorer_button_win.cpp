#include "widgets/explorer_button_win.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace pavane::widgets {
namespace {

// How long a button pressed by its accelerator letter shows sunken.
constexpr DWORD kPressShownMs = 100;

Rgb SystemRgb(int index) {
  const COLORREF color = GetSysColor(index);
  return {GetRValue(color), GetGValue(color), GetBValue(color)};
}

COLORREF ToColorRef(Color color) {
  const Rgb rgb = ToRgb(color, SystemRgb);
  return RGB(rgb.r, rgb.g, rgb.b);
}

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// An off-screen picture of the button: GDI draws the text on it, the glyphs
// are composed in its pixels, and it reaches the screen in one copy.
class Canvas {
 public:
  Canvas(HDC screen, int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(screen)) {
    BITMAPINFO info = TopDown32(width, height);
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    if (dc_ && bitmap_) selected_ = std::make_unique<win::SelectedObject>(dc_.Get(), bitmap_.Get());
  }
  bool Ready() const { return bits_ && selected_; }
  HDC Dc() const { return dc_.Get(); }

  Image Pixels() const {
    GdiFlush();
    Image image(width_, height_);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
      const std::uint32_t p = bits_[i];
      image.pixels[i] = {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                         static_cast<std::uint8_t>(p)};
    }
    return image;
  }
  void SetPixels(const Image& image) {
    GdiFlush();
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
      const Rgb p = image.pixels[i];
      bits_[i] = (static_cast<std::uint32_t>(p.r) << 16) | (static_cast<std::uint32_t>(p.g) << 8) | p.b;
    }
  }

 private:
  int width_;
  int height_;
  win::UniqueMemoryDC dc_;
  win::UniqueBitmap bitmap_;
  std::uint32_t* bits_ = nullptr;
  std::unique_ptr<win::SelectedObject> selected_;
};

// A 1-pixel frame: raised is light on the top and left, dark on the bottom and right.
void DrawFrame(Image& surface, bool raised) {
  const Rgb light = SystemRgb(COLOR_BTNHIGHLIGHT);
  const Rgb dark = SystemRgb(COLOR_BTNSHADOW);
  const Rgb topLeft = raised ? light : dark;
  const Rgb bottomRight = raised ? dark : light;
  const int w = surface.width;
  const int h = surface.height;
  for (int y = 0; y < h; ++y) surface.Set(0, y, topLeft);
  for (int x = 0; x < w; ++x) surface.Set(x, 0, topLeft);
  for (int y = 0; y < h - 1; ++y) surface.Set(w - 1, y, bottomRight);
  for (int x = 1; x < w; ++x) surface.Set(x, h - 1, bottomRight);
}

void DrawArrow(Image& surface, int x, int y, Rgb colour) {
  for (const auto& [px, py] : ArrowPixels(x, y)) surface.Set(px, py, colour);
}

bool Is95Family() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return true;
  return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

UINT AlignmentFlag(Alignment alignment) {
  switch (alignment) {
    case Alignment::Left:
      return DT_LEFT;
    case Alignment::Right:
      return DT_RIGHT;
    case Alignment::Center:
      return DT_CENTER;
  }
  return DT_CENTER;
}

win::UniqueFont CaptionFont(const char* face, int charHeight) {
  return win::UniqueFont(CreateFontA(-charHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                     face));
}

// The character height the system gave a font, which a bitmap font (such as
// "Small Fonts") holds to the few sizes it has.
int CharHeightOf(HFONT font) {
  const win::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return 0;
  const win::SelectedObject selected(dc.Get(), font);
  TEXTMETRICA metrics{};
  if (!GetTextMetricsA(dc.Get(), &metrics)) return 0;
  return metrics.tmHeight - metrics.tmInternalLeading;
}

}  // namespace

Image LoadBitmapImage(int resource) {
  if (resource == 0) return {};
  win::UniqueBitmap bitmap(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP size{};
  if (!bitmap || !GetObjectA(bitmap.Get(), sizeof size, &size)) return {};
  Image image(size.bmWidth, size.bmHeight);
  std::vector<std::uint32_t> bits(image.pixels.size());
  BITMAPINFO info = TopDown32(size.bmWidth, size.bmHeight);
  win::WindowDC screen(nullptr);
  if (GetDIBits(screen.Get(), bitmap.Get(), 0, size.bmHeight, bits.data(), &info, DIB_RGB_COLORS) != size.bmHeight) {
    return {};
  }
  for (std::size_t i = 0; i < bits.size(); ++i) {
    image.pixels[i] = {static_cast<std::uint8_t>(bits[i] >> 16), static_cast<std::uint8_t>(bits[i] >> 8),
                       static_cast<std::uint8_t>(bits[i])};
  }
  return image;
}

void TExplorerButton::Register() {
  win::RegisterWidget(kWidget, [](win::PaintedSite& site) { return std::make_unique<TExplorerButton>(site); });
}

TExplorerButton::TExplorerButton(win::PaintedSite& site) : PaintedControl(site), family95_(Is95Family()) {
  state_.SetEnabled(site.Spec().enabled);
  bitmap_ = LoadBitmapImage(site.Spec().resource);
  RegenerateGrey();
}

const Image& TExplorerButton::UnhoveredGlyph() const {
  if (!options_.monoDisplay) return bitmap_;
  return noFocusBitmap_.Empty() ? greyGlyph_ : noFocusBitmap_;
}

void TExplorerButton::RegenerateGrey() {
  greyGlyph_ = (!bitmap_.Empty() && noFocusBitmap_.Empty())
                   ? GreyGlyph(bitmap_, shading_, SystemRgb(COLOR_BTNHIGHLIGHT), SystemRgb(COLOR_BTNSHADOW))
                   : Image();
}

void TExplorerButton::UpdateHint() {
  const std::string plain = WithoutAccelerators(Text());
  if (options_.iconOnly && hint_.empty()) {
    hint_ = plain;
    showHint_ = true;
  } else if (!options_.iconOnly && hint_ == plain) {
    hint_.clear();
    showHint_ = false;
  }
}

void TExplorerButton::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Repaint();
}

void TExplorerButton::SetBevelStyle(BevelStyle style) {
  bevel_ = style;
  Repaint();
}

void TExplorerButton::SetLayout(GlyphLayout layout) {
  if (layout == layout_) return;
  layout_ = layout;
  Repaint();
}

void TExplorerButton::SetShowDownPattern(bool show) {
  if (show == showDownPattern_) return;
  showDownPattern_ = show;
  Repaint();
}

void TExplorerButton::SetUnselectedFontColor(Color color) {
  if (color == unselectedFontColor_) return;
  unselectedFontColor_ = color;
  Repaint();
}

void TExplorerButton::SetWordWrap(bool wordWrap) {
  if (wordWrap == wordWrap_) return;
  wordWrap_ = wordWrap;
  Repaint();
}

void TExplorerButton::SetBitmap(Image bitmap) {
  bitmap_ = std::move(bitmap);
  RegenerateGrey();
  Repaint();
}

void TExplorerButton::SetNoFocusBitmap(Image bitmap) {
  noFocusBitmap_ = std::move(bitmap);
  RegenerateGrey();
  Repaint();
}

void TExplorerButton::SetDisabledBitmap(Image bitmap) {
  disabledBitmap_ = std::move(bitmap);
  if (!state_.Enabled()) Repaint();
}

void TExplorerButton::SetOptions(Options options) {
  options_ = options;
  UpdateHint();
  Repaint();
}

void TExplorerButton::SetShadingType(ShadingType shading) {
  if (shading == shading_) return;
  shading_ = shading;
  if (bitmap_.Empty() || !noFocusBitmap_.Empty()) return;
  RegenerateGrey();
  Repaint();
}

ExplorerButtonState::Siblings TExplorerButton::GroupSiblings() const {
  ExplorerButtonState::Siblings siblings;
  for (win::PaintedControl* other : Site().Siblings()) {
    if (auto* button = dynamic_cast<TExplorerButton*>(other)) siblings.push_back(&button->state_);
  }
  return siblings;
}

void TExplorerButton::SetGroupIndex(int groupIndex) {
  if (state_.SetGroupIndex(groupIndex)) Repaint();
}

// Buttons released by this one belong to the same container, which repaints them all.
void TExplorerButton::SetDown(bool down) {
  if (!state_.SetDown(down, GroupSiblings())) return;
  InvalidateRect(Site().Container(), nullptr, TRUE);
  UpdateWindow(Site().Container());
}

void TExplorerButton::SetAllowAllUp(bool allowAllUp) { state_.SetAllowAllUp(allowAllUp, GroupSiblings()); }

// Scaled above 96 dpi, a bitmap face can fall well short of the height
// asked for (its largest size stays small); then a scalable sans-serif face
// writes the caption at the scaled height instead.
void TExplorerButton::SetFont(std::string_view face, int height, Color color) {
  const int scaled = Site().Scaled(height);
  win::UniqueFont font = CaptionFont(std::string(face).c_str(), scaled);
  if (scaled > height && font && CharHeightOf(font.Get()) * 5 < scaled * 4) {
    if (win::UniqueFont scalable = CaptionFont("Tahoma", scaled)) font = std::move(scalable);
  }
  font_ = std::move(font);
  fontColor_ = color;
  Repaint();
}

void TExplorerButton::SetText(std::string_view text) {
  PaintedControl::SetText(text);  // repaints
  if (options_.iconOnly) {
    hint_ = WithoutAccelerators(text);
    showHint_ = true;
  }
}

void TExplorerButton::SetEnabled(bool enabled) {
  if (state_.SetEnabled(enabled)) PaintedControl::SetEnabled(enabled);
}

bool TExplorerButton::HitTest(POINT point) const {
  const RECT bounds = Site().Bounds();
  return PointerInside({bounds.left, bounds.top, bounds.right, bounds.bottom}, point.x, point.y);
}

bool TExplorerButton::PointerIsInside() const {
  POINT pointer{};
  if (!GetCursorPos(&pointer) || !ScreenToClient(Site().Container(), &pointer)) return false;
  return HitTest(pointer);
}

void TExplorerButton::PointerEnter() {
  if (state_.PointerEnter()) Repaint();
}

void TExplorerButton::PointerLeave() {
  if (state_.PointerLeave()) Repaint();
}

// The menu shows below the bottom-left corner and returns when it closes;
// what the pointer did meanwhile belongs to the menu, not to the toolbar.
void TExplorerButton::DropDown() {
  Site().RaiseClick();
  MSG stale;
  while (PeekMessageA(&stale, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
  }
  if (const HWND captured = GetCapture()) SendMessageA(captured, WM_CANCELMODE, 0, 0);
  state_.EndPressWithoutClick(PointerIsInside());
  Repaint();
}

void TExplorerButton::PointerDown(POINT) {
  const HWND form = GetAncestor(Site().Container(), GA_ROOT);
  if (GetActiveWindow() != form) SetForegroundWindow(form);
  if (!state_.Press()) return;
  Repaint();
  if (HasDropDown()) DropDown();
}

// A drop-down button's menu takes the pointer while the button is down; that
// press ends when the menu closes.
void TExplorerButton::PointerLost() {
  if (HasDropDown()) return;
  state_.EndPressWithoutClick(PointerIsInside());
  Repaint();
}

void TExplorerButton::PointerUp(POINT point) {
  const bool click = state_.Release(HitTest(point), HasDropDown(), GroupSiblings());
  InvalidateRect(Site().Container(), nullptr, TRUE);
  if (click) Site().RaiseClick();
}

// Alt and the caption's letter: lit, pressed and released as by the pointer,
// the sunken look shown long enough to be seen.
void TExplorerButton::Press() {
  if (!state_.Enabled() || state_.Pressed()) return;
  state_.PointerEnter();
  Repaint();
  state_.Press();
  if (HasDropDown()) {
    DropDown();
    return;
  }
  Repaint();
  ShowPressed();
  const bool click = state_.Release(true, false, GroupSiblings());
  state_.Accelerated(PointerIsInside());
  Repaint();
  if (click) Site().RaiseClick();
}

// Only painting runs meanwhile: a key or click handled inside the press could
// press the button again or close its window under it; they wait their turn.
void TExplorerButton::ShowPressed() const {
  const DWORD start = GetTickCount();
  for (DWORD waited = 0; waited < kPressShownMs; waited = GetTickCount() - start) {
    MSG paint;
    while (PeekMessageA(&paint, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT)) DispatchMessageA(&paint);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, kPressShownMs - waited, QS_PAINT);
  }
}

void TExplorerButton::Paint(HDC dc) {
  const RECT bounds = Site().Bounds();
  const int w = bounds.right - bounds.left;
  const int h = bounds.bottom - bounds.top;
  Canvas canvas(dc, w, h);
  if (!canvas.Ready()) return;
  const HDC mem = canvas.Dc();
  // The parent's own background, as the parent erases it.
  const auto classBrush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(Site().Container(), GCLP_HBRBACKGROUND));
  RECT whole{0, 0, w, h};
  FillRect(mem, &whole, classBrush ? classBrush : GetSysColorBrush(COLOR_BTNFACE));
  win::SelectedObject selectFont(mem, font_ ? font_.Get() : Site().FormFont());
  SetBkMode(mem, TRANSPARENT);

  const bool arrow = options_.popupMark && HasDropDown();
  const bool drawText = !options_.iconOnly && !Text().empty();
  std::string text = Text() + " ";
  const UINT flags = AlignmentFlag(alignment_) | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
  RECT measured{0, 0, w - 4, 0};
  if (drawText) DrawTextA(mem, text.c_str(), -1, &measured, flags | DT_CALCRECT);
  const Placement place = PlaceGlyphAndText({.width = w,
                                             .height = h,
                                             .glyphWidth = bitmap_.width,
                                             .glyphHeight = bitmap_.height,
                                             .textWidth = drawText ? std::min<int>(measured.right, w - 4) : 0,
                                             .textHeight = drawText ? measured.bottom : 0,
                                             .hasText = drawText,
                                             .arrow = arrow,
                                             .wordWrap = wordWrap_,
                                             .alignment = alignment_,
                                             .layout = layout_});

  const bool enabled = state_.Enabled();
  const bool sunkenState = enabled && ((state_.Pressed() && state_.Hot()) || state_.Down());
  const bool hot = enabled && state_.Hot();
  const bool raised = bevel_ == BevelStyle::Raised;
  // How far the caption, glyph and arrow move in this state.
  const int shift = sunkenState ? (raised ? 1 : 0) : (raised ? 0 : 1);
  const int glyphShift = sunkenState ? 1 : 0;

  Image surface = canvas.Pixels();
  if (state_.Down() && showDownPattern_) {
    Tile(surface, DownPattern(SystemRgb(COLOR_BTNFACE), SystemRgb(COLOR_BTNHIGHLIGHT)));
  }
  if (!enabled) {
    if (state_.Down()) DrawFrame(surface, !raised);
  } else if (sunkenState) {
    DrawFrame(surface, !raised);
  } else if (hot) {
    DrawFrame(surface, raised);
  }
  const Color textColor = !enabled ? clBtnShadow : (hot || sunkenState) ? fontColor_ : unselectedFontColor_;
  if (!bitmap_.Empty()) {
    const int gx = place.glyphX + glyphShift;
    const int gy = place.glyphY + glyphShift;
    if (!enabled) {
      if (!disabledBitmap_.Empty()) {
        DrawTransparent(surface, disabledBitmap_, place.glyphX, place.glyphY);
      } else {
        DrawEmbossed(surface, bitmap_, place.glyphX, place.glyphY, SystemRgb(COLOR_BTNHIGHLIGHT),
                     SystemRgb(COLOR_BTNSHADOW));
      }
    } else {
      DrawTransparent(surface, (hot || sunkenState) ? bitmap_ : UnhoveredGlyph(), gx, gy);
    }
    if (arrow && enabled) {
      const int extra = sunkenState ? 1 : 0;
      DrawArrow(surface, place.glyphX + bitmap_.width + 3 + extra, place.glyphY + bitmap_.height / 2 + extra,
                ToRgb(textColor, SystemRgb));
    }
  } else if (arrow && enabled) {
    const int extra = sunkenState ? 1 : 0;
    DrawArrow(surface, place.text.right + 3 + extra, place.text.top + place.text.Height() / 2 + extra,
              ToRgb(textColor, SystemRgb));
  }
  canvas.SetPixels(surface);

  if (drawText) {
    UINT drawFlags = AlignmentFlag(alignment_) | (wordWrap_ ? DT_WORDBREAK : DT_SINGLELINE);
    if (family95_) drawFlags |= DT_END_ELLIPSIS;
    RECT rect{place.text.left, place.text.top, place.text.right, place.text.bottom};
    if (!enabled) {
      RECT light = rect;
      OffsetRect(&light, 1, 1);
      SetTextColor(mem, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextA(mem, text.c_str(), -1, &light, drawFlags);
      SetTextColor(mem, GetSysColor(COLOR_BTNSHADOW));
    } else {
      OffsetRect(&rect, shift, shift);
      SetTextColor(mem, ToColorRef(textColor));
    }
    DrawTextA(mem, text.c_str(), -1, &rect, drawFlags);
  }
  BitBlt(dc, bounds.left, bounds.top, w, h, mem, 0, 0, SRCCOPY);
}

}  // namespace pavane::widgets
