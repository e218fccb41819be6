// Drop-down lists, owner-drawn device lists, the drive picker and list boxes.
#include <windows.h>

#include <algorithm>
#include <string>

#include "win32/control_kind.h"

namespace pavane::win {
namespace {

constexpr ListMessages kComboMessages{CB_GETCOUNT,     CB_GETLBTEXT,    CB_GETLBTEXTLEN, CB_ADDSTRING, CB_INSERTSTRING,
                                      CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL,    CB_SETCURSEL, CB_ERR};
constexpr ListMessages kListBoxMessages{LB_GETCOUNT,     LB_GETTEXT,      LB_GETTEXTLEN, LB_ADDSTRING, LB_INSERTSTRING,
                                        LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL,  LB_SETCURSEL, LB_ERR};

void AddItems(const ControlWindow& control, const ListMessages& list) {
  for (const auto item : control.spec->items) {
    SendMessageA(control.hwnd, list.add, 0, reinterpret_cast<LPARAM>(std::string(item).c_str()));
  }
}

// An index outside the items leaves the list with no selection.
void SelectOrClear(const ControlWindow& control, const ListMessages& list, int index) {
  const int count = static_cast<int>(SendMessageA(control.hwnd, list.count, 0, 0));
  if (index < 0 || index >= count) index = -1;
  SendMessageA(control.hwnd, list.setCurrent, static_cast<WPARAM>(index), 0);
}

class DropDownList : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    // The height given at creation is the dropped-down height: room for up
    // to eight rows and the borders; the list shrinks to fewer rows itself.
    const int rows = std::clamp(static_cast<int>(spec.items.size()), 1, 8);
    return {.windowClass = "COMBOBOX",
            .style = CBS_DROPDOWNLIST | WS_VSCROLL | ExtraStyle(),
            .extraHeight = (rows + 1) * (spec.itemHeight > 0 ? spec.itemHeight : 13) + 4};
  }
  void Setup(FormWindow::Impl&, ControlWindow& control) const override {
    AddItems(control, kComboMessages);
    SendMessageA(control.hwnd, CB_SETCURSEL, static_cast<WPARAM>(control.spec->selected), 0);
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int) const override {
    if (code == CBN_SELCHANGE) form.Raise(form.controls[index].spec->onClick, index);
    if (code == CBN_SETFOCUS) form.Raise(form.controls[index].spec->onEnter, index);
  }
  const ListMessages* List() const override { return &kComboMessages; }
  int ItemIndex(const ControlWindow& control) const override {
    return static_cast<int>(SendMessageA(control.hwnd, CB_GETCURSEL, 0, 0));
  }
  void SetItemIndex(FormWindow::Impl&, ControlWindow& control, int index) const override {
    SelectOrClear(control, kComboMessages, index);
  }

 protected:
  virtual DWORD ExtraStyle() const { return 0; }
};

// Rows of a fixed height drawn by the form: background (or highlight), the
// text 2 pixels in at the row's top in the list's font, a focus rectangle on
// the focused row.
class OwnerDrawList : public DropDownList {
 public:
  void Setup(FormWindow::Impl& form, ControlWindow& control) const override {
    DropDownList::Setup(form, control);
    // A plain list's rows follow its font; only owner-drawn rows take the table's height.
    if (control.spec->itemHeight > 0) {
      const int height = form.scale(control.spec->itemHeight);
      SendMessageA(control.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
      SendMessageA(control.hwnd, CB_SETITEMHEIGHT, 0, height);
    }
  }
  bool Measure(const FormWindow::Impl& form, const ControlWindow& control, MEASUREITEMSTRUCT& measure) const override {
    if (measure.CtlType != ODT_COMBOBOX || control.spec->itemHeight <= 0) return false;
    measure.itemHeight = static_cast<UINT>(form.scale(control.spec->itemHeight));
    return true;
  }
  bool Draw(FormWindow::Impl& form, const ControlWindow& control, const DRAWITEMSTRUCT& item) const override {
    if (item.CtlType != ODT_COMBOBOX) return false;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const HDC dc = item.hDC;
    RECT row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID != static_cast<UINT>(-1)) {
      const int length = static_cast<int>(SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0));
      std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
      if (length > 0) SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
      text.resize(static_cast<std::size_t>(std::max(length, 0)));
      const int textLeft = DrawBeforeText(*control.spec, dc, row, text);
      HFONT listFont = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
      SelectedObject selectFont(dc, listFont ? static_cast<HGDIOBJ>(listFont) : form.font.Get());
      const int textColor =
          (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
      SetTextColor(dc, GetSysColor(textColor));
      SetBkMode(dc, TRANSPARENT);
      TextOutA(dc, textLeft, row.top + TextTop(dc, row), text.c_str(), static_cast<int>(text.size()));
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
    return true;
  }

 protected:
  DWORD ExtraStyle() const override { return CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; }
  // Draws what stands before a row's text; where the text begins.
  virtual int DrawBeforeText(const forms::Control&, HDC, const RECT& row, const std::string&) const {
    return row.left + 2;
  }
  // The text's offset from the row's top.
  virtual int TextTop(HDC, const RECT&) const { return 0; }
};

// The drives, each row the icon of its drive's type and then its text, which
// begins with the drive letter; the text sits in the middle of the row.
class DrivePicker : public OwnerDrawList {
 protected:
  int DrawBeforeText(const forms::Control& spec, HDC dc, const RECT& row, const std::string& text) const override {
    if (text.empty()) return row.left + 2;
    const char root[] = {text[0], ':', '\\', '\0'};
    const int size = std::min(16, static_cast<int>(row.bottom - row.top));
    if (const HICON icon = DriveIcon(spec, GetDriveTypeA(root))) {
      DrawIconEx(dc, row.left + 2, row.top + (row.bottom - row.top - size) / 2, icon, size, size, 0, nullptr,
                 DI_NORMAL);
    }
    return row.left + 2 + size + 4;
  }
  int TextTop(HDC dc, const RECT& row) const override {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    return std::max(0, static_cast<int>(row.bottom - row.top - metrics.tmHeight) / 2);
  }

 private:
  // The table's pictures, one per drive type from its first (fixed drives),
  // loaded once and shared.
  static HICON DriveIcon(const forms::Control& spec, UINT driveType) {
    int offset = 0;
    switch (driveType) {
      case DRIVE_REMOVABLE:
        offset = 1;
        break;
      case DRIVE_REMOTE:
        offset = 2;
        break;
      case DRIVE_CDROM:
        offset = 3;
        break;
      case DRIVE_RAMDISK:
        offset = 4;
        break;
    }
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(spec.resource + offset), IMAGE_ICON, 16, 16, LR_SHARED));
  }
};

// With `multiSelect`, Shift and Ctrl extend the selection and the focused
// entry (the caret) is the one ItemIndex names.
class ListBox : public ControlKind {
 public:
  WindowParams Params(const forms::Control& spec) const override {
    return {.windowClass = "LISTBOX",
            .style = static_cast<DWORD>(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL |
                                        (spec.multiSelect ? LBS_EXTENDEDSEL : 0)),
            .exStyle = WS_EX_CLIENTEDGE};
  }
  void Setup(FormWindow::Impl& form, ControlWindow& control) const override {
    AddItems(control, kListBoxMessages);
    if (control.spec->itemHeight > 0) {
      SendMessageA(control.hwnd, LB_SETITEMHEIGHT, 0, form.scale(control.spec->itemHeight));
    }
    if (control.spec->selected >= 0) SetItemIndex(form, control, control.spec->selected);
  }
  void Notify(FormWindow::Impl& form, std::size_t index, int code, int) const override {
    if (code == LBN_SELCHANGE) form.Raise(form.controls[index].spec->onClick, index);
    if (code == LBN_DBLCLK) form.Raise(form.controls[index].spec->onDoubleClick, index);
    if (code == LBN_SETFOCUS) form.Raise(form.controls[index].spec->onEnter, index);
  }
  const ListMessages* List() const override { return &kListBoxMessages; }
  int ItemIndex(const ControlWindow& control) const override {
    if (!control.spec->multiSelect) return static_cast<int>(SendMessageA(control.hwnd, LB_GETCURSEL, 0, 0));
    if (SendMessageA(control.hwnd, LB_GETCOUNT, 0, 0) <= 0) return -1;
    return static_cast<int>(SendMessageA(control.hwnd, LB_GETCARETINDEX, 0, 0));
  }
  void SetItemIndex(FormWindow::Impl&, ControlWindow& control, int index) const override {
    if (!control.spec->multiSelect) {
      SelectOrClear(control, kListBoxMessages, index);
      return;
    }
    SendMessageA(control.hwnd, LB_SETSEL, FALSE, -1);
    const int count = static_cast<int>(SendMessageA(control.hwnd, LB_GETCOUNT, 0, 0));
    if (index < 0 || index >= count) return;
    SendMessageA(control.hwnd, LB_SETSEL, TRUE, index);
    SendMessageA(control.hwnd, LB_SETCARETINDEX, index, FALSE);
  }
};

}  // namespace

const ControlKind& DropDownListKind() {
  static const DropDownList kind;
  return kind;
}
const ControlKind& OwnerDrawListKind() {
  static const OwnerDrawList kind;
  return kind;
}
const ControlKind& DrivePickerKind() {
  static const DrivePicker kind;
  return kind;
}
const ControlKind& ListBoxKind() {
  static const ListBox kind;
  return kind;
}

}  // namespace pavane::win
