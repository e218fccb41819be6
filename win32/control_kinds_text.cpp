// Static texts and edits.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win32/control_kind.h"
#include "win32/handles.h"

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

// The form's tooltips, made with its first label that shows a path. Each
// tip asks for its text when it shows (TTN_GETDISPINFO), so it is always
// the label's whole text.
void AddTooltip(FormWindow::Impl& form, const ControlWindow& control) {
  if (!form.tooltips) {
    form.tooltips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, form.hwnd, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    if (!form.tooltips) return;
  }
  TTTOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = control.container;
  tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd);
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  SendMessageA(form.tooltips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

// A one-line label is as large as its text, so no text is ever cut off; a
// word-wrapped one, and one that shows a path, keep their declared size. A
// path shows every "&" as it is.
class Label : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    if (spec.path) return {.style = SS_LEFTNOWORDWRAP | SS_PATHELLIPSIS | SS_NOPREFIX | SS_NOTIFY};
    return {.style = static_cast<DWORD>(spec.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP)};
  }
  // Made at the size of its text: resizing it afterwards costs as much as making it.
  SIZE WindowSize(const FormWindow::Impl& form, const ControlWindow& control) const override {
    const auto& spec = *control.spec;
    if (!FitsItsText(spec)) return ControlKind::WindowSize(form, control);
    return OneLineSize(control.container, form.FontOf(spec), spec.caption);
  }
  void Setup(FormWindow::Impl& form, ControlWindow& control) const override {
    if (control.spec->path) AddTooltip(form, control);
  }
  void SetText(ControlWindow& control, std::string_view text) const override {
    ControlKind::SetText(control, text);
    if (!FitsItsText(*control.spec)) return;
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

 private:
  static bool FitsItsText(const forms::Control& spec) { return !spec.wordWrap && !spec.path; }
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
