#include "widgets/caption_layout.h"

namespace pavane::widgets {
namespace {

bool HasIconAndSizeButtons(BorderStyle style) { return style == BorderStyle::Single || style == BorderStyle::Sizeable; }

Rect Shrunk(Rect rect, int by) { return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by}; }

}  // namespace

bool IsToolWindow(BorderStyle style) { return style == BorderStyle::ToolWindow || style == BorderStyle::SizeToolWin; }

Rect CaptionRect(int windowWidth, int windowHeight, BorderStyle style, const CaptionMetrics& metrics) {
  if (style == BorderStyle::None) return {};
  const bool sizing = style == BorderStyle::Sizeable || style == BorderStyle::SizeToolWin;
  const int borderX = sizing ? metrics.frameX : metrics.dialogFrameX;
  const int borderY = sizing ? metrics.frameY : metrics.dialogFrameY;
  Rect caption{borderX, borderY, windowWidth - borderX, windowHeight - borderY};
  caption.bottom = caption.top + (IsToolWindow(style) ? metrics.smallCaptionHeight : metrics.captionHeight) - 1;
  return caption;
}

CaptionParts LayoutCaption(int width, int height, BorderStyle style, BorderIcons icons, bool maximized,
                           const CaptionMetrics& metrics) {
  CaptionParts parts;
  Rect r{0, 0, width, height};
  r.left += 1;
  if (icons.systemMenu && HasIconAndSizeButtons(style)) {
    parts.hasIcon = true;
    parts.iconLeft = r.left + 1;
    parts.iconTop = r.top + 1;
    r.left += metrics.smallIcon + 1;
  }

  Rect b = Shrunk(r, 2);
  if (IsToolWindow(style)) {
    b.left = b.right - metrics.smallButton + 2;
    parts.buttons.push_back({CaptionButton::Close, b});
    r.right = b.left - 5;
  } else {
    int w = metrics.smallIcon - 2;
    if ((w % 2) != (height % 2)) w += 1;  // both odd or both even
    b.left = b.right - w - 2;
    auto place = [&](CaptionButton button, bool disabled, int step) {
      parts.buttons.push_back({button, b, disabled});
      b.left -= step;
      b.right -= step;
      r.right -= step;
    };
    if (icons.systemMenu) place(CaptionButton::Close, false, w + 4);
    if (HasIconAndSizeButtons(style) && (icons.minimize || icons.maximize)) {
      place(maximized ? CaptionButton::Restore : CaptionButton::Maximize, !icons.maximize, w + 2);
      place(CaptionButton::Minimize, !icons.minimize, w + 2);
    }
    const bool helpFits =
        style == BorderStyle::Dialog || (HasIconAndSizeButtons(style) && !icons.minimize && !icons.maximize);
    if (icons.help && helpFits) place(CaptionButton::Help, false, w + 2);
    r.right -= 3;
  }
  parts.text = r;
  return parts;
}

}  // namespace pavane::widgets
