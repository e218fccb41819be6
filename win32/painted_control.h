#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_spec.h"

namespace pavane::win {

// What the engine offers a windowless control: where it lies, and the ways to
// be repainted and to raise its events.
class PaintedControl;

class PaintedSite {
 public:
  virtual ~PaintedSite() = default;
  virtual const forms::Control& Spec() const = 0;
  // The window it is painted on, and its place there.
  virtual HWND Container() const = 0;
  virtual RECT Bounds() const = 0;
  virtual void Invalidate() = 0;
  // Raises the control's click (its onClick handler).
  virtual void RaiseClick() = 0;
  // The form's font ("MS Sans Serif", 8 points).
  virtual HFONT FormFont() const = 0;
  // A figure of the table at 96 dots per inch, in the form's pixels.
  virtual int Scaled(int pixels) const = 0;
  // The other painted controls on the same container.
  virtual std::vector<PaintedControl*> Siblings() const = 0;
};

// A control without a window of its own (a flat toolbar button): the engine
// paints it on its container, hands it the pointer, and raises its named
// pointer events after it has handled them. Points are in container coordinates.
class PaintedControl {
 public:
  virtual ~PaintedControl() = default;
  virtual void Paint(HDC dc) = 0;
  // Whether the pointer at `point` is over the control; its bounds by default.
  virtual bool HitTest(POINT point) const;
  virtual void PointerEnter() {}
  virtual void PointerLeave() {}
  virtual void PointerDown(POINT) {}
  virtual void PointerUp(POINT) {}
  // The pointer was taken away (a message box, another window's capture)
  // while the button was down on the control: no release follows.
  virtual void PointerLost() {}
  // Its accelerator letter was pressed; a click by default.
  virtual void Press();
  virtual std::string Text() const { return text_; }
  virtual void SetText(std::string_view text);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);

 protected:
  explicit PaintedControl(PaintedSite& site) : site_(site), text_(site.Spec().caption), enabled_(site.Spec().enabled) {}
  PaintedSite& Site() const { return site_; }
  // Paints the control again at once.
  void Repaint() const;

 private:
  PaintedSite& site_;
  std::string text_;
  bool enabled_;
};

// The widgets that painted controls name in their table (`widget`).
using PaintedFactory = std::function<std::unique_ptr<PaintedControl>(PaintedSite& site)>;
void RegisterWidget(std::string_view name, PaintedFactory factory);
bool IsWidgetRegistered(std::string_view name);
std::unique_ptr<PaintedControl> MakeWidget(std::string_view name, PaintedSite& site);

}  // namespace pavane::win
