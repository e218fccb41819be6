// Up-downs, pictures, bevels, shapes, panels, pages and the page control.
#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "forms/form_tree.h"
#include "win32/control_kind.h"

namespace pavane::win {
namespace {

class UpDown : public ControlKind {
 public:
  WindowParams Params(const forms::Control&) const override {
    return {.windowClass = UPDOWN_CLASSA, .style = UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS};
  }
  void Link(FormWindow::Impl& form, ControlWindow& control) const override {
    const auto& spec = *control.spec;
    SendMessageA(control.hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(form.At(spec.buddy).hwnd), 0);
    SendMessageA(control.hwnd, UDM_SETRANGE32, spec.rangeMin, spec.rangeMax);
    SendMessageA(control.hwnd, UDM_SETPOS32, 0, spec.position);
    // The up-down takes a default width of its own; the table's size wins.
    const RECT& place = control.bounds;
    SetWindowPos(control.hwnd, nullptr, 0, 0, place.right - place.left, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Before the position moves.
  bool OnNotify(FormWindow::Impl& form, std::size_t index, const NMHDR& header) const override {
    if (header.code != static_cast<UINT>(UDN_DELTAPOS)) return false;
    form.Raise(form.controls[index].spec->onChanging, index);
    return true;
  }
  // After the position has moved: the up-down reports every arrow click this way.
  bool OnScroll(FormWindow::Impl& form, std::size_t index, int request) const override {
    if (request == SB_THUMBPOSITION) form.Raise(form.controls[index].spec->onClick, index);
    return true;
  }
};

class Picture : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    const bool icon = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(spec.resource),
                                    MAKEINTRESOURCEA(14)) != nullptr;  // RT_GROUP_ICON
    // Shapes lie on pictures, and a frame may lie around one: a picture never
    // paints over the siblings above it (a frame declared after it lies below).
    return {.style = static_cast<DWORD>((icon ? SS_ICON : SS_BITMAP) | SS_REALSIZECONTROL | WS_CLIPSIBLINGS)};
  }
  void Setup(FormWindow::Impl& form, ControlWindow& control) const override { form.LoadPicture(control); }
};

// A bevel two pixels thin or less is a line; a larger one is a frame.
bool IsLine(const forms::Bounds& bounds) { return bounds.height <= 2 || bounds.width <= 2; }

// A bevel that lies over no other control is painted by its container as the
// static control would paint it: a line as the sunken border the control
// gives it, a frame as an etched edge.
class BevelPainting : public PaintedControl {
 public:
  explicit BevelPainting(PaintedSite& site) : PaintedControl(site) {}
  void Paint(HDC dc) override {
    RECT place = Site().Bounds();
    DrawEdge(dc, &place, IsLine(Site().Spec().bounds) ? BDR_SUNKENOUTER : EDGE_ETCHED, BF_RECT);
  }
  bool HitTest(POINT) const override { return false; }
};

class Bevel : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    const auto& b = spec.bounds;
    const DWORD line = b.height <= 2 ? SS_ETCHEDHORZ : SS_ETCHEDVERT;
    return {.style = IsLine(b) ? line : static_cast<DWORD>(SS_ETCHEDFRAME)};
  }
  std::unique_ptr<PaintedControl> Painting(const FormWindow::Impl& form, std::size_t index,
                                           PaintedSite& site) const override {
    if (forms::OverlapsAnother(form.form, index)) return nullptr;
    return std::make_unique<BevelPainting>(site);
  }
  // The static control widens an etched line by its border; the table's size wins.
  void Setup(FormWindow::Impl&, ControlWindow& control) const override {
    const RECT& place = control.bounds;
    SetWindowPos(control.hwnd, nullptr, 0, 0, place.right - place.left, place.bottom - place.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

// A filled rectangle in the table's colour, above every sibling it lies on.
class Shape : public ControlKind {
 public:
  WindowParams Params(const forms::Control&) const override { return {.style = SS_OWNERDRAW}; }
  void Setup(FormWindow::Impl&, ControlWindow& control) const override {
    SetWindowPos(control.hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  bool Draw(FormWindow::Impl&, const ControlWindow& control, const DRAWITEMSTRUCT& item) const override {
    const unsigned color = control.spec->color;
    const UniqueBrush brush(CreateSolidBrush(RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF)));
    FillRect(item.hDC, &item.rcItem, brush.Get());
    return true;
  }
};

// Pages and panels: windows of the engine's own class, whose controls report
// to the form's router. No WS_CLIPCHILDREN on them or on the form: group
// boxes do not paint their inside, so their container must erase under them.
class Panel : public ControlKind {
 public:
  WindowParams Params(const forms::Control&) const override {
    return {.windowClass = kContainerClass, .exStyle = WS_EX_CONTROLPARENT};
  }
  void CreateContents(FormWindow::Impl& form, std::size_t index, POINT) const override {
    const auto& control = form.controls[index];
    form.CreateChildren(control.spec->name, control.hwnd, POINT{0, 0});
  }
  HWND FocusTarget(const FormWindow::Impl& form, std::size_t index) const override {
    return GroupBoxKind().FocusTarget(form, index);
  }
};

class Page : public Panel {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    WindowParams params = Panel::Params(spec);
    params.hidden = true;  // a page shows when its tab is chosen
    return params;
  }
  // Made when the page first shows or one of its controls is looked up.
  void CreateContents(FormWindow::Impl& form, std::size_t index, POINT) const override { form.DeferContents(index); }
};

class PageControl : public ControlKind {
 public:
  WindowParams Params(const forms::Control&) const override {
    return {.windowClass = WC_TABCONTROLA, .style = WS_CLIPSIBLINGS};
  }
  void Setup(FormWindow::Impl& form, ControlWindow& control) const override {
    int tab = 0;
    for (const auto page : forms::PagesOf(form.form, static_cast<std::size_t>(&control - form.controls.data()))) {
      std::string text(form.form.controls[page].caption);
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageA(control.hwnd, TCM_INSERTITEMA, tab++, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(control.hwnd, TCM_SETCURSEL, 0, 0);
  }
  // The pages are siblings of the tab control directly after it, so Tab goes
  // from the tabs into the visible page.
  void CreateContents(FormWindow::Impl& form, std::size_t index, POINT inner) const override {
    const auto& control = form.controls[index];
    const auto pages = forms::PagesOf(form.form, index);
    for (const auto page : pages) {
      form.CreateControl(page, control.container, inner);
      form.controls[page].kind->CreateContents(form, page, inner);
    }
    // The tab control must never paint over its pages: its window region
    // leaves out the page area.
    if (!pages.empty()) {
      const RECT& tabs = control.bounds;
      const RECT& page = form.controls[pages.front()].bounds;
      UniqueRegion whole(CreateRectRgn(0, 0, tabs.right - tabs.left, tabs.bottom - tabs.top));
      UniqueRegion hole(
          CreateRectRgn(page.left - tabs.left, page.top - tabs.top, page.right - tabs.left, page.bottom - tabs.top));
      UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
      CombineRgn(region.Get(), whole.Get(), hole.Get(), RGN_DIFF);
      // The window owns the region once it takes it.
      if (SetWindowRgn(control.hwnd, region.Get(), FALSE)) region.Release();
    }
    form.ShowSelectedPage(index);
  }
  bool OnNotify(FormWindow::Impl& form, std::size_t index, const NMHDR& header) const override {
    if (header.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    form.ShowSelectedPage(index);
    return true;
  }
};

}  // namespace

const ControlKind& UpDownKind() {
  static const UpDown kind;
  return kind;
}
const ControlKind& PictureKind() {
  static const Picture kind;
  return kind;
}
const ControlKind& BevelKind() {
  static const Bevel kind;
  return kind;
}
const ControlKind& ShapeKind() {
  static const Shape kind;
  return kind;
}
const ControlKind& PanelKind() {
  static const Panel kind;
  return kind;
}
const ControlKind& PageKind() {
  static const Page kind;
  return kind;
}
const ControlKind& PageControlKind() {
  static const PageControl kind;
  return kind;
}

}  // namespace pavane::win
