#include "widgets/gradient_form_win.h"

#include <algorithm>

#include "win32/late_bound_win.h"

namespace pavane::widgets {
namespace {

Rgb SystemRgb(int index) {
  const COLORREF color = GetSysColor(index);
  return {GetRValue(color), GetGValue(color), GetBValue(color)};
}

COLORREF ToColorRef(Rgb rgb) { return RGB(rgb.r, rgb.g, rgb.b); }

CaptionMetrics SystemCaptionMetrics() {
  return {.frameX = GetSystemMetrics(SM_CXFRAME),
          .frameY = GetSystemMetrics(SM_CYFRAME),
          .dialogFrameX = GetSystemMetrics(SM_CXDLGFRAME),
          .dialogFrameY = GetSystemMetrics(SM_CYDLGFRAME),
          .captionHeight = GetSystemMetrics(SM_CYCAPTION),
          .smallCaptionHeight = GetSystemMetrics(SM_CYSMCAPTION),
          .smallIcon = GetSystemMetrics(SM_CXSMICON),
          .smallButton = GetSystemMetrics(SM_CXSMSIZE)};
}

UINT FrameControlOf(CaptionButton button) {
  switch (button) {
    case CaptionButton::Close:
      return DFCS_CAPTIONCLOSE;
    case CaptionButton::Maximize:
      return DFCS_CAPTIONMAX;
    case CaptionButton::Restore:
      return DFCS_CAPTIONRESTORE;
    case CaptionButton::Minimize:
      return DFCS_CAPTIONMIN;
    case CaptionButton::Help:
      return DFCS_CAPTIONHELP;
  }
  return DFCS_CAPTIONCLOSE;
}

}  // namespace

void TurnOffSystemFrameDrawing(HWND window) {
  // With visual styles the frame would be drawn themed around the classic
  // caption buttons this form paints; an empty theme keeps it classic. The
  // controls inside keep their themes: each window has its own.
  using SetTheme = HRESULT WINAPI(HWND, LPCWSTR, LPCWSTR);
  if (auto* set = win::late::Optional<SetTheme>("uxtheme.dll", "SetWindowTheme")) set(window, L"", L"");
  // Without the desktop window manager (before Vista) there is nothing to turn off.
  using SetAttribute = HRESULT WINAPI(HWND, DWORD, LPCVOID, DWORD);
  auto* set = win::late::Optional<SetAttribute>("dwmapi.dll", "DwmSetWindowAttribute");
  if (!set) return;
  constexpr DWORD kNonClientRenderingPolicy = 2;  // DWMWA_NCRENDERING_POLICY
  const int disabled = 1;                         // DWMNCRP_DISABLED
  set(window, kNonClientRenderingPolicy, &disabled, sizeof disabled);
}

TGradientForm::TGradientForm(win::FormWindow& form) : form_(form), hwnd_(form.Handle()) {
  // The caption the window has now becomes the stored one.
  const int length = static_cast<int>(DefWindowProcA(hwnd_, WM_GETTEXTLENGTH, 0, 0));
  std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
  DefWindowProcA(hwnd_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  caption_ = std::move(text);
  RebuildGradient();
  MakeCaptionFont();
  TurnOffSystemFrameDrawing(hwnd_);
  form_.SetMessageHook([this](UINT message, WPARAM wParam, LPARAM lParam) { return Handle(message, wParam, lParam); });
  FrameChanged();
}

TGradientForm::~TGradientForm() { form_.SetMessageHook({}); }

LRESULT TGradientForm::Default(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void TGradientForm::FrameChanged() const {
  SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TGradientForm::SetGradientColors(int count) {
  const auto accepted = AcceptedGradientColors(gradientColors_, count);
  if (!accepted) return;
  gradientColors_ = *accepted;
  RebuildGradient();
  FrameChanged();
}

void TGradientForm::SetCaptionTextColor(Color color) {
  if (color == captionTextColor_) return;
  captionTextColor_ = color;
  FrameChanged();
}

void TGradientForm::SetGradientStartColor(Color color) {
  gradientStartColor_ = color;
  RebuildGradient();
  FrameChanged();
}

void TGradientForm::SetGradientStopColor(Color color) {
  gradientStopColor_ = color;
  stopFollowsSystem_ = color == clActiveCaption;
  RebuildGradient();
  FrameChanged();
}

void TGradientForm::SetPaintGradient(PaintWhen when) {
  if (when == paintGradient_) return;
  paintGradient_ = when;
  FrameChanged();
}

void TGradientForm::RebuildGradient() {
  bands_[0] = GradientBands({0, 0, 0}, SystemRgb(COLOR_INACTIVECAPTION), gradientColors_);
  bands_[1] =
      GradientBands(ToRgb(gradientStartColor_, SystemRgb), ToRgb(gradientStopColor_, SystemRgb), gradientColors_);
}

void TGradientForm::MakeCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    captionFont_.Reset();
    return;
  }
  captionFont_.Reset(CreateFontIndirectA(IsToolWindow(Style()) ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont));
}

BorderStyle TGradientForm::Style() const {
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(hwnd_, GWL_EXSTYLE);
  if (!(style & WS_CAPTION)) return BorderStyle::None;
  const bool sizing = (style & WS_THICKFRAME) != 0;
  if (exStyle & WS_EX_TOOLWINDOW) return sizing ? BorderStyle::SizeToolWin : BorderStyle::ToolWindow;
  if (sizing) return BorderStyle::Sizeable;
  return (exStyle & WS_EX_DLGMODALFRAME) ? BorderStyle::Dialog : BorderStyle::Single;
}

BorderIcons TGradientForm::Icons() const {
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  return {.systemMenu = (style & WS_SYSMENU) != 0,
          .minimize = (style & WS_MINIMIZEBOX) != 0,
          .maximize = (style & WS_MAXIMIZEBOX) != 0,
          .help = (GetWindowLongPtrA(hwnd_, GWL_EXSTYLE) & WS_EX_CONTEXTHELP) != 0};
}

bool TGradientForm::IsActive() const { return GetActiveWindow() == hwnd_; }

// The form's own icon, else the program's, else the system's.
HICON TGradientForm::SmallIcon() const {
  if (auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd_, WM_GETICON, ICON_SMALL, 0))) return icon;
  if (auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd_, WM_GETICON, ICON_BIG, 0))) return icon;
  if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrA(hwnd_, GCLP_HICONSM))) return icon;
  if (auto icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1))) return icon;
  return LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
}

void TGradientForm::PaintBackground(HDC dc, int width, int height, bool active) const {
  const RECT whole{0, 0, width, height};
  const bool gradient = paintGradient_ == PaintWhen::Always || (paintGradient_ == PaintWhen::Active && active);
  if (!gradient) {
    FillRect(dc, &whole, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    return;
  }
  const std::vector<Rgb>& bands = Bands(active);
  const int count = static_cast<int>(bands.size());
  if (GetDeviceCaps(dc, SIZEPALETTE) > 0) {
    for (int band = 0; band < count; ++band) {
      const BandColumns columns = ColumnsOfBand(band, width, count);
      const RECT strip{columns.left, 0, columns.right, height};
      const win::UniqueBrush brush(CreateSolidBrush(ToColorRef(bands[static_cast<std::size_t>(band)])));
      FillRect(dc, &strip, brush.Get());
    }
    return;
  }
  // A one-pixel strip of the bands, its first n - 1 pixels stretched over the caption.
  const win::UniqueMemoryDC stripDc(CreateCompatibleDC(dc));
  const win::UniqueBitmap strip(CreateCompatibleBitmap(dc, count, 1));
  if (!stripDc || !strip) return;
  const win::SelectedObject selected(stripDc.Get(), strip.Get());
  for (int band = 0; band < count; ++band) {
    SetPixel(stripDc.Get(), band, 0, ToColorRef(bands[static_cast<std::size_t>(band)]));
  }
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, 0, 0, width, height, stripDc.Get(), 0, 0, count - 1, 1, SRCCOPY);
}

void TGradientForm::PaintIconAndButtons(HDC dc, const CaptionParts& parts) const {
  const int small = GetSystemMetrics(SM_CXSMICON);
  if (parts.hasIcon) DrawIconEx(dc, parts.iconLeft, parts.iconTop, SmallIcon(), small, small, 0, nullptr, DI_NORMAL);
  for (const CaptionButtonPlace& place : parts.buttons) {
    RECT bounds{place.bounds.left, place.bounds.top, place.bounds.right, place.bounds.bottom};
    DrawFrameControl(dc, &bounds, DFC_CAPTION, FrameControlOf(place.button) | (place.disabled ? DFCS_INACTIVE : 0));
  }
}

RECT TGradientForm::PaintCaption(bool active) {
  RECT window;
  GetWindowRect(hwnd_, &window);
  const Rect caption =
      CaptionRect(window.right - window.left, window.bottom - window.top, Style(), SystemCaptionMetrics());
  const RECT placed{caption.left, caption.top, caption.right, caption.bottom};
  const int width = caption.Width();
  const int height = caption.Height();
  if (width <= 0 || height <= 0) return placed;

  const win::WholeWindowDC target(hwnd_);
  if (!target.Get()) return placed;
  const win::UniqueMemoryDC dc(CreateCompatibleDC(target.Get()));
  const win::UniqueBitmap bitmap(CreateCompatibleBitmap(target.Get(), width, height));
  if (!dc || !bitmap) return placed;
  const win::SelectedObject selectBitmap(dc.Get(), bitmap.Get());

  PaintBackground(dc.Get(), width, height, active);
  const CaptionParts parts =
      LayoutCaption(width, height, Style(), Icons(), IsZoomed(hwnd_) != FALSE, SystemCaptionMetrics());
  PaintIconAndButtons(dc.Get(), parts);

  const HGDIOBJ font = captionFont_ ? captionFont_.Get() : GetCurrentObject(dc.Get(), OBJ_FONT);
  const win::SelectedObject selectFont(dc.Get(), font);
  RECT text{parts.text.left, parts.text.top, parts.text.right, parts.text.bottom};
  if (onCaptionPaint_) onCaptionPaint_(dc.Get(), text);
  text.left += 2;
  SetTextColor(dc.Get(), ToColorRef(ToRgb(captionTextColor_, SystemRgb)));
  SetBkMode(dc.Get(), TRANSPARENT);
  DrawTextA(dc.Get(), caption_.c_str(), static_cast<int>(caption_.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
  BitBlt(target.Get(), caption.left, caption.top, width, height, dc.Get(), 0, 0, SRCCOPY);
  return placed;
}

// The window's own text follows, for the taskbar and the system menu; its
// WM_SETTEXT takes the caption.
void TGradientForm::SetCaption(std::string_view caption) { SetWindowTextA(hwnd_, std::string(caption).c_str()); }

// The default procedure stores the text and paints the system's own caption
// with it, also when the text is the one the window has: without WS_VISIBLE
// meanwhile it paints nothing, and nothing but this form ever paints the
// caption. The style bit is taken off by itself: WM_SETREDRAW would also
// throw away the paint the window's controls still owe, so that a page made
// just before (a start with a ROM) stayed blank.
LRESULT TGradientForm::StoreWindowText(LPARAM text) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  const bool visible = (style & WS_VISIBLE) != 0;
  if (visible) SetWindowLongPtrA(hwnd_, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
  const LRESULT result = Default(WM_SETTEXT, 0, text);
  if (visible) SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) | WS_VISIBLE);
  return result;
}

void TGradientForm::TakeCaption(std::string text) {
  if (text == caption_) return;
  caption_ = std::move(text);
  PaintCaption(IsActive());
}

std::optional<LRESULT> TGradientForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCPAINT: {
      // The caption is ours; the default procedure paints the rest of the frame.
      RECT window;
      GetWindowRect(hwnd_, &window);
      const RECT caption = PaintCaption(IsActive());
      win::UniqueRegion rest(CreateRectRgn(0, 0, 0, 0));
      const HRGN update = reinterpret_cast<HRGN>(wParam);
      if (wParam > 1) {  // 1 stands for the whole window
        CombineRgn(rest.Get(), update, nullptr, RGN_COPY);
      } else {
        SetRectRgn(rest.Get(), window.left, window.top, window.right, window.bottom);
      }
      const win::UniqueRegion captionRegion(CreateRectRgn(window.left + caption.left, window.top + caption.top,
                                                          window.left + caption.right, window.top + caption.bottom));
      CombineRgn(rest.Get(), rest.Get(), captionRegion.Get(), RGN_DIFF);
      return Default(WM_NCPAINT, reinterpret_cast<WPARAM>(rest.Get()), lParam);
    }
    case WM_NCACTIVATE: {
      const LRESULT result = Default(message, wParam, lParam);
      PaintCaption(wParam != 0);
      return result;
    }
    case WM_SETTEXT: {
      const LRESULT result = StoreWindowText(lParam);
      TakeCaption(lParam ? reinterpret_cast<const char*>(lParam) : "");
      return result;
    }
    case WM_GETTEXT: {
      if (wParam == 0 || !lParam) return 0;
      const std::size_t copied = std::min(caption_.size(), static_cast<std::size_t>(wParam) - 1);
      char* buffer = reinterpret_cast<char*>(lParam);
      std::copy_n(caption_.data(), copied, buffer);
      buffer[copied] = '\0';
      return static_cast<LRESULT>(copied);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(caption_.size());
    case WM_SIZE: {
      const LRESULT result = Default(message, wParam, lParam);
      if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED) PaintCaption(IsActive());
      return result;
    }
    case WM_SETCURSOR: {
      LPCSTR cursor = nullptr;
      switch (LOWORD(lParam)) {
        case HTLEFT:
        case HTRIGHT:
          cursor = MAKEINTRESOURCEA(32644);  // IDC_SIZEWE
          break;
        case HTTOP:
        case HTBOTTOM:
          cursor = MAKEINTRESOURCEA(32645);  // IDC_SIZENS
          break;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
          cursor = MAKEINTRESOURCEA(32642);  // IDC_SIZENWSE
          break;
        case HTTOPRIGHT:
        case HTBOTTOMLEFT:
          cursor = MAKEINTRESOURCEA(32643);  // IDC_SIZENESW
          break;
        default:
          return std::nullopt;
      }
      SetCursor(LoadCursorA(nullptr, cursor));
      return 1;
    }
    case WM_NCLBUTTONDOWN: {
      const LRESULT result = Default(message, wParam, lParam);
      PaintCaption(IsActive());
      return result;
    }
    case WM_SYSCOMMAND: {
      PaintCaption(IsActive());
      const LRESULT result = Default(message, wParam, lParam);
      if (IsWindow(hwnd_)) PaintCaption(IsActive());
      return result;
    }
    case WM_ENTERIDLE:
      PaintCaption(IsActive());
      return Default(message, wParam, lParam);
    case WM_SYSCOLORCHANGE:
      if (stopFollowsSystem_) gradientStopColor_ = clActiveCaption;
      RebuildGradient();
      return std::nullopt;
    case WM_WININICHANGE:
      if (wParam == SPI_SETNONCLIENTMETRICS) MakeCaptionFont();
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace pavane::widgets
