// Static texts and edits.
#include <windows.h>

#include "win32/control_kind.h"

namespace pavane::win {
namespace {

class Label : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    return {.style = static_cast<DWORD>(spec.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP)};
  }
  void Setup(FormWindow::Impl&, ControlWindow& control) const override { FitUnlessWrapped(control); }
  bool StartsGroup() const override { return false; }
  void SetText(ControlWindow& control, std::string_view text) const override {
    ControlKind::SetText(control, text);
    FitUnlessWrapped(control);
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
  static void FitUnlessWrapped(ControlWindow& control) {
    if (!control.spec->wordWrap) FitLabelToText(control.hwnd);
  }
};

class Edit : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    return {.windowClass = "EDIT",
            .style = static_cast<DWORD>(ES_LEFT | ES_AUTOHSCROLL | (spec.readOnly ? ES_READONLY : 0)),
            .exStyle = WS_EX_CLIENTEDGE};
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int) const override {
    if (code == EN_SETFOCUS) form.Raise(form.controls[index].spec->onEnter, index);
  }
};

// The About box's link: borderless, selectable, blue on the dialog's colour.
class ReadOnlyEdit : public Edit {
 public:
  WindowParams Params(const forms::Control&) const override {
    return {.windowClass = "EDIT", .style = ES_LEFT | ES_AUTOHSCROLL | ES_READONLY};
  }
  std::optional<LRESULT> StaticColors(HDC dc) const override {
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
