#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/caption_layout.h"
#include "widgets/colors.h"
#include "widgets/gradient_bands.h"
#include "win32/form_window.h"
#include "win32/handles.h"

namespace pavane::widgets {

// A form that paints its own title bar: a gradient from black to the
// caption colour of its state (or a solid fill), its small icon, the caption
// buttons and the caption text, composed off-screen and copied in one block.
// It keeps its own copy of the caption, draws from it and answers the
// window-text queries from it. The borders and the menu bar stay the
// system's. It takes the form's messages for as long as it lives.
class TGradientForm {
 public:
  enum class PaintWhen { Always, Active, Never };
  // Draws on the caption after its background, icon and buttons and before
  // its text; may change the rectangle left for the text.
  using CaptionPainter = std::function<void(HDC dc, RECT& text)>;

  explicit TGradientForm(win::FormWindow& form);
  ~TGradientForm();
  TGradientForm(const TGradientForm&) = delete;
  TGradientForm& operator=(const TGradientForm&) = delete;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string_view caption);
  int GradientColors() const { return gradientColors_; }
  void SetGradientColors(int count);
  void SetCaptionTextColor(Color color);
  void SetGradientStartColor(Color color);
  void SetGradientStopColor(Color color);
  void SetPaintGradient(PaintWhen when);
  void SetOnCaptionPaint(CaptionPainter painter) { onCaptionPaint_ = std::move(painter); }

  // Both band tables anew: the inactive one from black to the inactive-caption
  // colour, the active one from the start to the stop colour.
  void RebuildGradient();
  // Paints the caption in the given state; returns where it lies in window coordinates.
  RECT PaintCaption(bool active);
  bool IsActive() const;
  const std::vector<Rgb>& Bands(bool active) const { return bands_[active ? 1 : 0]; }

 private:
  std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) const;
  LRESULT StoreWindowText(LPARAM text);
  // The caption the window's text now is: painted when it differs from the one shown.
  void TakeCaption(std::string text);
  void FrameChanged() const;
  void MakeCaptionFont();
  BorderStyle Style() const;
  BorderIcons Icons() const;
  void PaintBackground(HDC dc, int width, int height, bool active) const;
  void PaintIconAndButtons(HDC dc, const CaptionParts& parts) const;
  HICON SmallIcon() const;

  win::FormWindow& form_;
  HWND hwnd_;
  std::string caption_;
  int gradientColors_ = kDefaultGradientColors;
  Color captionTextColor_ = clWhite;
  Color gradientStartColor_ = clBlack;
  Color gradientStopColor_ = clActiveCaption;
  bool stopFollowsSystem_ = true;
  PaintWhen paintGradient_ = PaintWhen::Always;
  CaptionPainter onCaptionPaint_;
  std::array<std::vector<Rgb>, 2> bands_;  // inactive, active
  win::UniqueFont captionFont_;
};

// Asks the system not to draw the frame itself (desktop composition), so
// that a caption painted on WM_NCPAINT is what shows. Nothing happens where
// the system has no such drawing.
void TurnOffSystemFrameDrawing(HWND window);

}  // namespace pavane::widgets
