// Push buttons, toolbar buttons, check boxes, group boxes and radio groups.
#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "forms/radio_layout.h"
#include "win32/control_kind.h"
#include "win32/late_bound_win.h"

namespace pavane::win {
namespace {

DWORD NotifyIfEntered(const forms::Control& spec) { return spec.onEnter.empty() ? 0 : BS_NOTIFY; }

bool BoxChecked(HWND box) { return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A push button with its picture left of its caption, both centred; the
// picture's bottom-left pixel is its transparent colour. The default button,
// or the focused one, wears the black default frame.
void DrawGlyphButton(const FormWindow::Impl& form, std::size_t index, const DRAWITEMSTRUCT& item) {
  const ControlWindow& control = form.controls[index];
  const HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  if (form.defaultButton == index || focused) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  const std::string caption = WindowText(item.hwndItem);
  SelectedObject selectFont(dc, form.font.Get());
  RECT textSize{};
  DrawTextA(dc, caption.c_str(), -1, &textSize, DT_CALCRECT | DT_SINGLELINE);
  BITMAP picture{};
  if (control.glyph) GetObjectA(control.glyph.Get(), sizeof picture, &picture);
  constexpr int kSpacing = 4;
  const int shift = pressed ? 1 : 0;
  const int width = picture.bmWidth + (picture.bmWidth ? kSpacing : 0) + textSize.right;
  int x = (rect.left + rect.right - width) / 2 + shift;
  if (control.glyph) {
    UniqueMemoryDC memory(CreateCompatibleDC(dc));
    SelectedObject selectPicture(memory.Get(), control.glyph.Get());
    const COLORREF transparent = GetPixel(memory.Get(), 0, picture.bmHeight - 1);
    late::TransparentBlt(dc, x, (rect.top + rect.bottom - picture.bmHeight) / 2 + shift, picture.bmWidth,
                         picture.bmHeight, memory.Get(), 0, 0, picture.bmWidth, picture.bmHeight, transparent);
    x += picture.bmWidth + kSpacing;
  }
  RECT text{x, rect.top + shift, x + textSize.right, rect.bottom + shift};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (focused) {
    InflateRect(&rect, -3, -3);
    DrawFocusRect(dc, &rect);
  }
}

class PushButton : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    // BS_NOTIFY: focus changes move the default frame. A button with a
    // picture beside its caption draws itself.
    if (spec.resource) return {.windowClass = "BUTTON", .style = BS_OWNERDRAW | BS_NOTIFY};
    return {.windowClass = "BUTTON",
            .style = static_cast<DWORD>((spec.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY)};
  }
  void Setup(FormWindow::Impl&, ControlWindow& control) const override {
    if (!control.spec->resource) return;
    control.glyph.Reset(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(control.spec->resource), IMAGE_BITMAP, 0, 0, 0)));
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int) const override {
    switch (code) {
      case BN_CLICKED:
        form.Click(index);
        break;
      case BN_SETFOCUS:
        form.MoveDefaultFrame(index);
        form.Raise(form.controls[index].spec->onEnter, index);
        break;
      case BN_KILLFOCUS:
        form.MoveDefaultFrame(std::nullopt);
        break;
      default:
        break;
    }
  }
  bool Draw(FormWindow::Impl& form, const ControlWindow& control, const DRAWITEMSTRUCT& item) const override {
    if (item.CtlType != ODT_BUTTON) return false;
    DrawGlyphButton(form, static_cast<std::size_t>(&control - form.controls.data()), item);
    return true;
  }
  MnemonicRole Mnemonic(const forms::Control&) const override { return MnemonicRole::Press; }
};

class CheckBox : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    return {.windowClass = "BUTTON", .style = BS_AUTOCHECKBOX | NotifyIfEntered(spec)};
  }
  void Setup(FormWindow::Impl&, ControlWindow& control) const override {
    if (control.spec->checked) SendMessageA(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int) const override {
    if (code == BN_CLICKED) form.Click(index);
    if (code == BN_SETFOCUS) form.Raise(form.controls[index].spec->onEnter, index);
  }
  MnemonicRole Mnemonic(const forms::Control&) const override { return MnemonicRole::Toggle; }
  bool Checked(const ControlWindow& control) const override { return BoxChecked(control.hwnd); }
  void SetChecked(ControlWindow& control, bool checked) const override {
    SendMessageA(control.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
};

// Its controls are its siblings, placed relative to it; Alt and its letter
// focus the first of them.
class GroupBox : public ControlKind {
 public:
  WindowParams Params(const forms::Control&) const override { return {.windowClass = "BUTTON", .style = BS_GROUPBOX}; }
  // Its controls are siblings of it, in the same window.
  void CreateContents(FormWindow::Impl& form, std::size_t index, POINT inner) const override {
    const auto& control = form.controls[index];
    form.CreateChildren(control.spec->name, control.container, inner);
  }
  MnemonicRole Mnemonic(const forms::Control&) const override { return MnemonicRole::FocusTarget; }
  HWND FocusTarget(const FormWindow::Impl& form, std::size_t index) const override {
    const auto& name = form.controls[index].spec->name;
    for (const auto child : form.creationOrder) {
      if (form.controls[child].spec->parent != name) continue;
      const HWND target = form.controls[child].kind->FocusTarget(form, child);
      if (target && (GetWindowLongPtrA(target, GWL_STYLE) & WS_TABSTOP)) return target;
    }
    return form.controls[index].hwnd;
  }
};

// A group box holding one radio button per item, laid out by the radio rule.
class RadioGroup : public GroupBox {
 public:
  void Setup(FormWindow::Impl& form, ControlWindow& control) const override {
    const auto& spec = *control.spec;
    const auto index = static_cast<std::size_t>(&control - form.controls.data());
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control.hwnd, WM_GETFONT, 0, 0));
    for (std::size_t item = 0; item < spec.items.size(); ++item) {
      const auto box = forms::RadioItemBounds(spec.bounds, static_cast<int>(spec.items.size()), spec.columns,
                                              kFontCharHeight, static_cast<int>(item));
      const auto place = form.scale(forms::Bounds{.left = control.layout.left + box.left,
                                                  .top = control.layout.top + box.top,
                                                  .width = box.width,
                                                  .height = box.height});
      DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
      if (item == 0) style |= WS_GROUP | WS_TABSTOP;
      if (!spec.enabled) style |= WS_DISABLED;
      HWND button =
          CreateWindowExA(0, "BUTTON", std::string(spec.items[item]).c_str(), style, place.left, place.top, place.width,
                          place.height, control.container,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRadioIdBase + index * kMaxRadioItems + item)),
                          GetModuleHandleA(nullptr), nullptr);
      if (!button) throw std::runtime_error("could not create the items of " + std::string(spec.name));
      SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
      control.items.push_back(button);
    }
    if (spec.selected >= 0 && spec.selected < static_cast<int>(control.items.size())) {
      SendMessageA(control.items[spec.selected], BM_SETCHECK, BST_CHECKED, 0);
    }
    form.MoveRadioTabStop(index);
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int item) const override {
    if (item < 0 || code != BN_CLICKED) return;
    form.MoveRadioTabStop(index);
    form.Raise(form.controls[index].spec->onClick, index);
  }
  int ItemIndex(const ControlWindow& control) const override {
    for (std::size_t i = 0; i < control.items.size(); ++i) {
      if (BoxChecked(control.items[i])) return static_cast<int>(i);
    }
    return -1;
  }
  // Like the class library's, it holds the index to its items (past the last
  // selects the last).
  void SetItemIndex(FormWindow::Impl& form, ControlWindow& control, int index) const override {
    const int count = static_cast<int>(control.items.size());
    index = std::clamp(index, -1, count - 1);
    for (int i = 0; i < count; ++i) {
      SendMessageA(control.items[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    form.MoveRadioTabStop(static_cast<std::size_t>(&control - form.controls.data()));
  }
  // The checked button, the only one that is a tab stop.
  HWND FocusTarget(const FormWindow::Impl& form, std::size_t index) const override {
    const auto& control = form.controls[index];
    for (const HWND item : control.items) {
      if (GetWindowLongPtrA(item, GWL_STYLE) & WS_TABSTOP) return item;
    }
    return control.items.empty() ? control.hwnd : control.items.front();
  }
};

}  // namespace

const ControlKind& ButtonKind() {
  static const PushButton kind;
  return kind;
}
const ControlKind& CheckBoxKind() {
  static const CheckBox kind;
  return kind;
}
const ControlKind& GroupBoxKind() {
  static const GroupBox kind;
  return kind;
}
const ControlKind& RadioGroupKind() {
  static const RadioGroup kind;
  return kind;
}

}  // namespace pavane::win
