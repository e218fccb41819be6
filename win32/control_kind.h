#pragma once

// What each kind of control is in the real windows: how it is made, what its
// value is, which events it raises and how it answers the keyboard. Each kind
// is described once, by one of these; the engine asks them and switches over
// no kinds of its own.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/form_spec.h"
#include "win32/form_impl.h"

namespace pavane::win {

struct WindowParams {
  const char* windowClass = "STATIC";
  DWORD style = 0;
  DWORD exStyle = 0;
  int extraHeight = 0;  // added to the declared height (a drop-down list's list)
  bool hidden = false;  // shown later by the form (pages)
};

// The messages that reach the entries of a list box or of a drop-down list.
struct ListMessages {
  UINT count, text, textLength, add, insert, remove, reset, getCurrent, setCurrent;
  int error;  // LB_ERR / CB_ERR
};

// What Alt and the control's accelerator letter do.
enum class MnemonicRole {
  None,
  FocusTarget,  // labels and group boxes focus the control they name or hold
  Press,        // buttons are clicked
  Toggle,       // check boxes and radio buttons are clicked as the user clicks them
};

class ControlKind {
 public:
  virtual ~ControlKind() = default;

  // Making the window. `Setup` runs once it exists and has the form's font.
  virtual WindowParams Params(const forms::Control& spec) const = 0;
  // The size its window is made at; its scaled place in the table by default.
  virtual SIZE WindowSize(const FormWindow::Impl&, const ControlWindow& control) const {
    return {control.bounds.right - control.bounds.left, control.bounds.bottom - control.bounds.top};
  }
  // A control without a window of its own is painted on its container by
  // what this makes; null (the default) gives it a window.
  virtual std::unique_ptr<PaintedControl> Painting(const FormWindow::Impl&, std::size_t /*index*/, PaintedSite&) const {
    return nullptr;
  }
  virtual void Setup(FormWindow::Impl&, ControlWindow&) const {}
  // Makes the controls declared inside it; `inner` is its own top-left
  // corner in the window it lies in. Nothing lies inside by default.
  virtual void CreateContents(FormWindow::Impl&, std::size_t /*index*/, POINT /*inner*/) const {}
  // Runs once every control of the form exists (an up-down finds its buddy).
  virtual void Link(FormWindow::Impl&, ControlWindow&) const {}

  // A WM_COMMAND notification from the control (or, `item` >= 0, from one of its radio buttons).
  virtual void Notify(FormWindow::Impl&, std::size_t, int /*code*/, int /*item*/) const {}
  // WM_NOTIFY, WM_VSCROLL and WM_HSCROLL from the control; true when handled.
  virtual bool OnNotify(FormWindow::Impl&, std::size_t, const NMHDR&) const { return false; }
  virtual bool OnScroll(FormWindow::Impl&, std::size_t, int /*request*/) const { return false; }
  // Owner-drawn parts; true when drawn.
  virtual bool Measure(const FormWindow::Impl&, const ControlWindow&, MEASUREITEMSTRUCT&) const { return false; }
  virtual bool Draw(FormWindow::Impl&, const ControlWindow&, const DRAWITEMSTRUCT&) const { return false; }
  // WM_CTLCOLORSTATIC: a brush of its own, with the colours set on `dc`.
  virtual std::optional<LRESULT> StaticColors(const ControlWindow&, HDC) const { return std::nullopt; }

  // The keyboard.
  virtual MnemonicRole Mnemonic(const forms::Control&) const { return MnemonicRole::None; }
  // What its accelerator letter, or Enter while it has the focus, does to a
  // push button: a click.
  virtual void Press(FormWindow::Impl& form, std::size_t index) const { form.Click(index); }

  // Values. The defaults are the text (for the kinds that have one) and
  // enabled state of the window or of the painting, and for the rest: this
  // kind has none.
  virtual std::string Text(const ControlWindow& control) const;
  virtual void SetText(ControlWindow& control, std::string_view text) const;
  virtual bool Checked(const ControlWindow& control) const;
  virtual void SetChecked(ControlWindow& control, bool checked) const;
  virtual int ItemIndex(const ControlWindow& control) const;
  virtual void SetItemIndex(FormWindow::Impl& form, ControlWindow& control, int index) const;
  virtual const ListMessages* List() const { return nullptr; }
  virtual bool Enabled(const ControlWindow& control) const;
  virtual void SetEnabled(ControlWindow& control, bool enabled) const;
  // The window that takes the focus for it.
  virtual HWND FocusTarget(const FormWindow::Impl&, std::size_t index) const;
};

const ControlKind& KindOf(forms::Kind kind);

// Fails: `control` has no `what` (a check state, items, ...).
[[noreturn]] void NoSuchValue(const ControlWindow& control, const char* what);

// The single kinds, each in the file that describes it.
const ControlKind& LabelKind();
const ControlKind& EditKind();
const ControlKind& ReadOnlyEditKind();
const ControlKind& ButtonKind();
const ControlKind& CheckBoxKind();
const ControlKind& GroupBoxKind();
const ControlKind& RadioGroupKind();
const ControlKind& DropDownListKind();
const ControlKind& OwnerDrawListKind();
const ControlKind& DrivePickerKind();
const ControlKind& ListBoxKind();
const ControlKind& UpDownKind();
const ControlKind& PictureKind();
const ControlKind& PanelKind();
const ControlKind& BevelKind();
const ControlKind& ShapeKind();
const ControlKind& PageControlKind();
const ControlKind& PageKind();
const ControlKind& PaintedKind();

}  // namespace pavane::win
