// Static texts and edits.
#include <windows.h>

#include <string>

#include "base/handle_win.h"
#include "win32/control_kind.h"

namespace pavane::win {
namespace {

// The size of `text` on one line in `font` as a label draws it ("&" marks an
// accelerator), measured on `window`'s screen.
SIZE OneLineSize(HWND window, HGDIOBJ font, std::string_view text) {
  WindowDC dc(window);
  if (!dc.Get()) return {};
  SelectedObject selected(dc.Get(), font ? font : GetStockObject(SYSTEM_FONT));
  RECT bounds{};
  DrawTextA(dc.Get(), text.data(), static_cast<int>(text.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
  return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// A one-line label is as large as its text, so no text is ever cut off; a
// word-wrapped one keeps its declared size.
class Label : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    return {.style = static_cast<DWORD>(spec.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP)};
  }
  // Made at the size of its text: resizing it afterwards costs as much as making it.
  SIZE WindowSize(const FormWindow::Impl& form, const ControlWindow& control) const override {
    const auto& spec = *control.spec;
    if (spec.wordWrap) return ControlKind::WindowSize(form, control);
    return OneLineSize(control.container, form.FontOf(spec), spec.caption);
  }
  bool StartsGroup() const override { return false; }
  void SetText(ControlWindow& control, std::string_view text) const override {
    ControlKind::SetText(control, text);
    if (control.spec->wordWrap) return;
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(control.hwnd, WM_GETFONT, 0, 0));
    const SIZE size = OneLineSize(control.hwnd, font, text);
    SetWindowPos(control.hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A label that names no control to focus takes no accelerator letter.
  MnemonicRole Mnemonic(const forms::Control& spec) const override {
    return spec.focuses.empty() ? MnemonicRole::None : MnemonicRole::FocusTarget;
  }
  HWND FocusTarget(const FormWindow::Impl& form, std::size_t index) const override {
    const auto& spec = *form.controls[index].spec;
    if (spec.focuses.empty()) return form.controls[index].hwnd;
    const std::size_t target = form.IndexOf(spec.focuses);
    return form.controls[target].kind->FocusTarget(form, target);
  }
};

// A read-only edit shows a text the user changes some other way (a key
// pressed into it): made wide enough for every text it shows, it never
// scrolls part of one out of sight, and its highlight shows where the next
// key goes.
class Edit : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    return {.windowClass = "EDIT",
            .style = static_cast<DWORD>(spec.readOnly ? ES_CENTER | ES_READONLY : ES_LEFT | ES_AUTOHSCROLL),
            .exStyle = WS_EX_CLIENTEDGE};
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int) const override {
    const ControlWindow& control = form.controls[index];
    if (code == EN_SETFOCUS) form.Raise(control.spec->onEnter, index);
    if ((code == EN_SETFOCUS || code == EN_KILLFOCUS) && control.spec->readOnly) {
      InvalidateRect(control.hwnd, nullptr, TRUE);
    }
  }
  std::optional<LRESULT> StaticColors(const ControlWindow& control, HDC dc) const override {
    if (!control.spec->readOnly || GetFocus() != control.hwnd) return std::nullopt;
    SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_HIGHLIGHT));
  }
};

// The About box's link: borderless, selectable, blue on the dialog's colour.
class ReadOnlyEdit : public Edit {
 public:
  WindowParams Params(const forms::Control&) const override {
    return {.windowClass = "EDIT", .style = ES_LEFT | ES_AUTOHSCROLL | ES_READONLY};
  }
  std::optional<LRESULT> StaticColors(const ControlWindow&, HDC dc) const override {
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
};

}  // namespace

const ControlKind& LabelKind() {
  static const Label kind;
  return kind;
}
const ControlKind& EditKind() {
  static const Edit kind;
  return kind;
}
const ControlKind& ReadOnlyEditKind() {
  static const ReadOnlyEdit kind;
  return kind;
}

}  // namespace pavane::win
