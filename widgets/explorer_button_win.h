#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "widgets/colors.h"
#include "widgets/explorer_button_state.h"
#include "widgets/explorer_geometry.h"
#include "widgets/glyph_image.h"
#include "win32/handles.h"
#include "win32/painted_control.h"

namespace pavane::widgets {

// The flat toolbar button: no frame until the pointer is over it, then a thin
// raised frame and the coloured glyph instead of the grey one; it sinks while
// pressed, can latch down in a group, and can drop its pop-up menu down from
// its bottom edge instead of firing a click. Painted on its parent, it has no
// window. Its caption, glyph (`resource`), enabled state and drop-down menu
// come from its table entry; everything else starts at its default.
class TExplorerButton : public win::PaintedControl {
 public:
  // The name painted controls give in their table's `widget`.
  static constexpr std::string_view kWidget = "TExplorerButton";
  static void Register();

  enum class BevelStyle { Lowered, Raised };
  struct Options {
    bool monoDisplay = true;  // the grey glyph while the pointer is elsewhere
    bool iconOnly = false;    // the glyph alone, the caption as hint
    bool popupMark = true;    // the arrow beside a drop-down button's glyph
  };

  explicit TExplorerButton(win::PaintedSite& site);

  void SetAlignment(Alignment alignment);
  void SetBevelStyle(BevelStyle style);
  void SetLayout(GlyphLayout layout);
  void SetShowDownPattern(bool show);
  void SetUnselectedFontColor(Color color);
  void SetWordWrap(bool wordWrap);
  void SetBitmap(Image bitmap);
  void SetNoFocusBitmap(Image bitmap);
  void SetDisabledBitmap(Image bitmap);
  void SetOptions(Options options);
  void SetShadingType(ShadingType shading);
  void SetGroupIndex(int groupIndex);
  void SetDown(bool down);
  void SetAllowAllUp(bool allowAllUp);
  // The caption's font: face, character height in pixels at 96 dots per inch, and colour.
  void SetFont(std::string_view face, int height, Color color);
  HFONT Font() const { return static_cast<HFONT>(font_.Get()); }  // none: the form's font

  const ExplorerButtonState& State() const { return state_; }
  const std::string& Hint() const { return hint_; }
  bool ShowHint() const { return showHint_; }
  // The glyph shown while the pointer is elsewhere (with the grey option).
  const Image& UnhoveredGlyph() const;

  // win::PaintedControl
  void Paint(HDC dc) override;
  bool HitTest(POINT point) const override;
  void PointerEnter() override;
  void PointerLeave() override;
  void PointerDown(POINT point) override;
  void PointerUp(POINT point) override;
  void PointerLost() override;
  void Press() override;
  void SetText(std::string_view text) override;
  void SetEnabled(bool enabled) override;

 private:
  bool HasDropDown() const { return !Site().Spec().dropDownMenu.empty(); }
  bool PointerIsInside() const;
  ExplorerButtonState::Siblings GroupSiblings() const;
  void RegenerateGrey();
  void UpdateHint();
  void DropDown();
  // Keeps the sunken look on the screen for a moment.
  void ShowPressed() const;

  ExplorerButtonState state_;
  Alignment alignment_ = Alignment::Center;
  BevelStyle bevel_ = BevelStyle::Raised;
  GlyphLayout layout_ = GlyphLayout::BitmapTop;
  Options options_;
  ShadingType shading_ = ShadingType::Medium;
  bool showDownPattern_ = true;
  bool wordWrap_ = false;
  Color unselectedFontColor_ = clWindowText;
  Color fontColor_ = clWindowText;
  win::UniqueFont font_;  // none: the form's font
  Image bitmap_;
  Image noFocusBitmap_;
  Image disabledBitmap_;
  Image greyGlyph_;
  std::string hint_;
  bool showHint_ = false;
  bool family95_ = false;
};

// A bitmap resource of the program as an image in memory; empty when there is none.
Image LoadBitmapImage(int resource);

}  // namespace pavane::widgets
