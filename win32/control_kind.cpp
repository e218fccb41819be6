#include "win32/control_kind.h"

#include <stdexcept>

#include "forms/control_traits.h"

namespace pavane::win {

void NoSuchValue(const ControlWindow& control, const char* what) {
  throw std::logic_error("control \"" + std::string(control.spec->name) + "\" has no " + what);
}

std::string ControlKind::Text(const ControlWindow& control) const {
  if (!forms::TraitsOf(control.spec->kind).hasText) NoSuchValue(control, "text");
  return control.painted ? control.painted->Text() : WindowText(control.hwnd);
}

void ControlKind::SetText(ControlWindow& control, std::string_view text) const {
  if (!forms::TraitsOf(control.spec->kind).hasText) NoSuchValue(control, "text");
  if (control.painted) {
    control.painted->SetText(text);
  } else {
    SetWindowTextA(control.hwnd, std::string(text).c_str());
  }
}

bool ControlKind::Checked(const ControlWindow& control) const { NoSuchValue(control, "check state"); }
void ControlKind::SetChecked(ControlWindow& control, bool) const { NoSuchValue(control, "check state"); }
int ControlKind::ItemIndex(const ControlWindow& control) const { NoSuchValue(control, "items"); }
void ControlKind::SetItemIndex(FormWindow::Impl&, ControlWindow& control, int) const { NoSuchValue(control, "items"); }

bool ControlKind::Enabled(const ControlWindow& control) const {
  return control.painted ? control.painted->Enabled() : IsWindowEnabled(control.hwnd) != FALSE;
}

void ControlKind::SetEnabled(ControlWindow& control, bool enabled) const {
  if (control.painted) {
    control.painted->SetEnabled(enabled);
    return;
  }
  EnableWindow(control.hwnd, enabled);
  for (const HWND item : control.items) EnableWindow(item, enabled);
}

HWND ControlKind::FocusTarget(const FormWindow::Impl& form, std::size_t index) const {
  return form.controls[index].hwnd;
}

const ControlKind& KindOf(forms::Kind kind) {
  using forms::Kind;
  switch (kind) {
    case Kind::Label:
      return LabelKind();
    case Kind::Edit:
      return EditKind();
    case Kind::ReadOnlyEdit:
      return ReadOnlyEditKind();
    case Kind::Button:
      return ButtonKind();
    case Kind::CheckBox:
      return CheckBoxKind();
    case Kind::GroupBox:
      return GroupBoxKind();
    case Kind::RadioGroup:
      return RadioGroupKind();
    case Kind::DropDownList:
      return DropDownListKind();
    case Kind::OwnerDrawList:
      return OwnerDrawListKind();
    case Kind::DrivePicker:
      return DrivePickerKind();
    case Kind::ListBox:
      return ListBoxKind();
    case Kind::UpDown:
      return UpDownKind();
    case Kind::Picture:
      return PictureKind();
    case Kind::Panel:
      return PanelKind();
    case Kind::Bevel:
      return BevelKind();
    case Kind::PageControl:
      return PageControlKind();
    case Kind::Page:
      return PageKind();
    case Kind::Painted:
      return PaintedKind();
    case Kind::Shape:
      return ShapeKind();
  }
  throw std::logic_error("unknown control kind");
}

}  // namespace pavane::win
