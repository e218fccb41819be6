#pragma once

#include <vector>

namespace pavane::widgets {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

struct BorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;
  bool help = false;
};

// The system metrics the caption is laid out with.
struct CaptionMetrics {
  int frameX = 0, frameY = 0;              // SM_CXFRAME, SM_CYFRAME
  int dialogFrameX = 0, dialogFrameY = 0;  // SM_CXDLGFRAME, SM_CYDLGFRAME
  int captionHeight = 0;                   // SM_CYCAPTION
  int smallCaptionHeight = 0;              // SM_CYSMCAPTION
  int smallIcon = 0;                       // SM_CXSMICON
  int smallButton = 0;                     // SM_CXSMSIZE
};

bool IsToolWindow(BorderStyle style);

// The caption bar in window coordinates: the window shrunk by its border on
// each side, as high as the caption; empty without a border.
Rect CaptionRect(int windowWidth, int windowHeight, BorderStyle style, const CaptionMetrics& metrics);

enum class CaptionButton { Close, Maximize, Restore, Minimize, Help };

struct CaptionButtonPlace {
  CaptionButton button;
  Rect bounds;
  bool disabled = false;
};

// Where the parts of a caption `width` x `height` go, in its own coordinates:
// the small icon (when there is one), the buttons from the right, and the
// rectangle left between them (the text starts 2 pixels into it).
struct CaptionParts {
  bool hasIcon = false;
  int iconLeft = 0;
  int iconTop = 0;
  std::vector<CaptionButtonPlace> buttons;
  Rect text;
};
CaptionParts LayoutCaption(int width, int height, BorderStyle style, BorderIcons icons, bool maximized,
                           const CaptionMetrics& metrics);

}  // namespace pavane::widgets
