// Windowless controls: the widgets that draw them, their painting on their
// container and the pointer handed to them.
#include "win32/painted_control.h"

#include <windowsx.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

#include "win32/control_kind.h"

namespace pavane::win {
namespace {

std::map<std::string, PaintedFactory, std::less<>>& Widgets() {
  static std::map<std::string, PaintedFactory, std::less<>> widgets;
  return widgets;
}

class Site : public PaintedSite {
 public:
  Site(FormWindow::Impl& form, std::size_t index) : form_(form), index_(index) {}
  const forms::Control& Spec() const override { return *form_.controls[index_].spec; }
  HWND Container() const override { return form_.controls[index_].container; }
  RECT Bounds() const override { return form_.controls[index_].bounds; }
  void Invalidate() override {
    const RECT bounds = Bounds();
    InvalidateRect(Container(), &bounds, TRUE);
  }
  void RaiseClick() override { form_.Click(index_); }
  HFONT FormFont() const override { return form_.font.Get(); }
  int Scaled(int pixels) const override { return form_.scale(pixels); }
  std::vector<PaintedControl*> Siblings() const override {
    std::vector<PaintedControl*> siblings;
    for (const auto& control : form_.controls) {
      if (control.painted && &control != &form_.controls[index_] && control.container == Container()) {
        siblings.push_back(control.painted.get());
      }
    }
    return siblings;
  }

 private:
  FormWindow::Impl& form_;
  std::size_t index_;
};

class Painted : public ControlKind {
 public:
  WindowParams Params(const forms::Control&) const override { return {}; }
  std::unique_ptr<PaintedControl> Painting(const FormWindow::Impl&, std::size_t, PaintedSite& site) const override {
    return MakeWidget(site.Spec().widget, site);
  }
  MnemonicRole Mnemonic(const forms::Control&) const override { return MnemonicRole::Press; }
  void Press(FormWindow::Impl& form, std::size_t index) const override { form.controls[index].painted->Press(); }
};

}  // namespace

bool PaintedControl::HitTest(POINT point) const {
  const RECT bounds = site_.Bounds();
  return PtInRect(&bounds, point) != FALSE;
}

void PaintedControl::Press() { site_.RaiseClick(); }

void PaintedControl::Repaint() const {
  site_.Invalidate();
  UpdateWindow(site_.Container());
}

void PaintedControl::SetText(std::string_view text) {
  text_ = text;
  site_.Invalidate();
}

void PaintedControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  site_.Invalidate();
}

void RegisterWidget(std::string_view name, PaintedFactory factory) {
  Widgets().insert_or_assign(std::string(name), std::move(factory));
}

bool IsWidgetRegistered(std::string_view name) { return Widgets().find(name) != Widgets().end(); }

std::unique_ptr<PaintedControl> MakeWidget(std::string_view name, PaintedSite& site) {
  const auto widget = Widgets().find(name);
  if (widget == Widgets().end()) throw std::logic_error("no widget \"" + std::string(name) + "\" is registered");
  return widget->second(site);
}

const ControlKind& PaintedKind() {
  static const Painted kind;
  return kind;
}

bool FormWindow::Impl::MakePainted(std::size_t index) {
  auto& control = controls[index];
  auto site = std::make_unique<Site>(*this, index);
  control.painted = control.kind->Painting(*this, index, *site);
  if (control.painted) control.site = std::move(site);
  return control.painted != nullptr;
}

void FormWindow::Impl::PaintPainted(HWND container, HDC dc) {
  for (const auto index : creationOrder) {
    auto& control = controls[index];
    if (control.painted && control.container == container) control.painted->Paint(dc);
  }
}

// Pointer messages of a container that holds painted controls; true when one
// of them took the message.
bool FormWindow::Impl::PointerMessage(HWND container, UINT message, LPARAM lParam) {
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  auto hit = [&]() -> std::optional<std::size_t> {
    if (message == WM_MOUSELEAVE) return std::nullopt;
    for (const auto index : creationOrder) {
      const auto& control = controls[index];
      if (control.painted && control.container == container && control.painted->Enabled() &&
          control.painted->HitTest(point)) {
        return index;
      }
    }
    return std::nullopt;
  };
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE: {
      const auto now = hit();
      if (now == hotPainted) return now.has_value();
      if (const auto left = std::exchange(hotPainted, now)) {
        controls[*left].painted->PointerLeave();
        Raise(controls[*left].spec->onMouseLeave, *left);
      }
      if (now) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, container, 0};
        TrackMouseEvent(&track);
        controls[*now].painted->PointerEnter();
        Raise(controls[*now].spec->onMouseEnter, *now);
      }
      return true;
    }
    case WM_LBUTTONDOWN: {
      const auto down = hit();
      if (!down) return false;
      pressedPainted = down;
      SetCapture(container);
      controls[*down].painted->PointerDown(point);
      Raise(controls[*down].spec->onMouseDown, *down);
      return true;
    }
    case WM_LBUTTONUP: {
      const auto up = std::exchange(pressedPainted, std::nullopt);
      if (!up) return false;
      ReleaseCapture();
      controls[*up].painted->PointerUp(point);
      Raise(controls[*up].spec->onMouseUp, *up);
      return true;
    }
    case WM_CAPTURECHANGED:
      // Capture taken away (a menu, a message box, another window): the press ends without a release.
      if (const auto lost = std::exchange(pressedPainted, std::nullopt)) {
        controls[*lost].painted->PointerLost();
      }
      return false;
    default:
      return false;
  }
}

}  // namespace pavane::win
