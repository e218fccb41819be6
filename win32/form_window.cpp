// FormWindow: window procedures, the one router for control events, and the
// public operations on controls found by name.

#include "win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "settings/text_rules.h"
#include "win32/error_display.h"
#include "win32/form_impl.h"

namespace pavane::win {
namespace {

using forms::Kind;

std::vector<FormWindow::Impl*>& LiveForms() {
  static std::vector<FormWindow::Impl*> forms;
  return forms;
}

bool IsList(Kind kind) { return kind == Kind::DropDownList || kind == Kind::OwnerDrawList; }

}  // namespace

void FitLabelToText(HWND label) {
  const std::string text = WindowText(label);
  WindowDC dc(label);
  if (!dc.Get()) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
  SelectedObject selected(dc.Get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
  RECT bounds{};
  DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
  SetWindowPos(label, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

FormWindow::Impl* FormOfWindow(HWND window) {
  if (!window) return nullptr;
  HWND root = GetAncestor(window, GA_ROOT);
  for (auto* form : LiveForms()) {
    if (form->hwnd == root) return form;
  }
  return nullptr;
}

void RegisterForm(FormWindow::Impl* form) { LiveForms().push_back(form); }

void UnregisterForm(FormWindow::Impl* form) { std::erase(LiveForms(), form); }

int LiveMainForms() {
  return static_cast<int>(std::count_if(LiveForms().begin(), LiveForms().end(),
                                        [](const FormWindow::Impl* form) { return form->hwnd && !form->owner; }));
}

void RegisterWindowClasses(std::string_view topLevelClass) {
  static std::set<std::string, std::less<>> registered;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  auto add = [&](const std::string& name, WNDPROC procedure) {
    if (registered.contains(name)) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
      throw std::runtime_error("could not register the window class " + name);
    }
    registered.insert(name);
  };
  add(kContainerClass, ContainerProc);
  add(std::string(topLevelClass), FormProc);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<FormWindow::Impl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<FormWindow::Impl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    RegisterForm(form);
  }
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    UnregisterForm(form);
    form->hwnd = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  // A failed command ends with its error shown; the window stays usable.
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    ShowCurrentException();
  }
  return 0;
}

// Pages and panels: everything their controls report goes to the form's router.
LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = reinterpret_cast<FormWindow::Impl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<FormWindow::Impl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  if (form) {
    try {
      LRESULT result = 0;
      if (form->Route(message, wParam, lParam, result)) return result;
    } catch (...) {
      ShowCurrentException();
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

FormWindow::Impl::~Impl() = default;

std::optional<std::size_t> FormWindow::Impl::FindIndex(std::string_view name) const {
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].name == name) return i;
  }
  return std::nullopt;
}

std::size_t FormWindow::Impl::IndexOf(std::string_view name) const {
  const auto index = FindIndex(name);
  if (!index) throw std::logic_error("form " + std::string(form.name) + " has no control " + std::string(name));
  return *index;
}

std::optional<std::size_t> FormWindow::Impl::IndexOfId(int id) const {
  std::size_t index = 0;
  if (id >= kControlIdBase && id < kRadioIdBase) {
    index = static_cast<std::size_t>(id - kControlIdBase);
  } else if (id >= kRadioIdBase && id < kMenuIdBase) {
    index = static_cast<std::size_t>((id - kRadioIdBase) / kMaxRadioItems);
  } else {
    return std::nullopt;
  }
  if (index >= form.controls.size()) return std::nullopt;
  return index;
}

std::vector<std::size_t> FormWindow::Impl::PagesOf(std::size_t pageControl) const {
  std::vector<std::size_t> pages;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].kind == Kind::Page && form.controls[i].parent == form.controls[pageControl].name) {
      pages.push_back(i);
    }
  }
  std::stable_sort(pages.begin(), pages.end(), [this](std::size_t a, std::size_t b) {
    return form.controls[a].tabOrder < form.controls[b].tabOrder;
  });
  return pages;
}

int FormWindow::Impl::SelectedPage(std::size_t pageControl) const {
  return static_cast<int>(SendMessageA(controls[pageControl].hwnd, TCM_GETCURSEL, 0, 0));
}

void FormWindow::Impl::ShowSelectedPage(std::size_t pageControl) {
  const auto pages = PagesOf(pageControl);
  const int selected = SelectedPage(pageControl);
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (static_cast<int>(i) == selected) ShowWindow(controls[pages[i]].hwnd, SW_SHOWNA);
  }
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const HWND page = controls[pages[i]].hwnd;
    if (static_cast<int>(i) == selected) continue;
    const bool focusInside = focus && IsChild(page, focus);
    ShowWindow(page, SW_HIDE);
    if (focusInside) SetFocus(controls[pageControl].hwnd);
  }
}

void FormWindow::Impl::SelectPage(std::size_t pageControl, int page) {
  SendMessageA(controls[pageControl].hwnd, TCM_SETCURSEL, page, 0);
  ShowSelectedPage(pageControl);
}

// Only the checked button of a radio group is a tab stop, so Tab lands on it.
void FormWindow::Impl::MoveRadioTabStop(std::size_t index) {
  const auto& items = controls[index].items;
  std::size_t checked = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (SendMessageA(items[i], BM_GETCHECK, 0, 0) == BST_CHECKED) checked = i;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    LONG_PTR style = GetWindowLongPtrA(items[i], GWL_STYLE);
    style = (i == checked) ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(items[i], GWL_STYLE, style);
  }
}

// The window that takes the focus for a control: a radio group's checked
// button, a group box's first control.
HWND FormWindow::Impl::FocusTarget(std::size_t index) const {
  const auto& control = controls[index];
  switch (control.spec->kind) {
    case Kind::RadioGroup:
      for (const HWND item : control.items) {
        if (GetWindowLongPtrA(item, GWL_STYLE) & WS_TABSTOP) return item;
      }
      return control.items.empty() ? control.hwnd : control.items.front();
    case Kind::GroupBox:
    case Kind::Page:
    case Kind::Panel:
      for (const auto i : creationOrder) {
        if (form.controls[i].parent == control.spec->name &&
            (GetWindowLongPtrA(FocusTarget(i), GWL_STYLE) & WS_TABSTOP)) {
          return FocusTarget(i);
        }
      }
      return control.hwnd;
    case Kind::Label:
      return control.spec->focuses.empty() ? control.hwnd : FocusTarget(IndexOf(control.spec->focuses));
    default:
      return control.hwnd;
  }
}

void FormWindow::Impl::FocusControl(std::size_t index, bool selectText) {
  const auto& control = controls[index];
  if (control.page) {
    const auto pageControl = IndexOf(form.controls[*control.page].parent);
    const auto pages = PagesOf(pageControl);
    const auto position = std::find(pages.begin(), pages.end(), *control.page) - pages.begin();
    if (SelectedPage(pageControl) != position) SelectPage(pageControl, static_cast<int>(position));
  }
  const HWND target = FocusTarget(index);
  SetFocus(target);
  char className[16] = {};
  GetClassNameA(target, className, sizeof className);
  if (selectText && lstrcmpiA(className, "Edit") == 0) SendMessageA(target, EM_SETSEL, 0, -1);
}

void FormWindow::Impl::RunHandler(std::string_view name, const forms::Control& sender) {
  if (name.empty()) return;
  const auto handler = handlers.find(name);
  if (handler != handlers.end() && handler->second) handler->second(sender);
}

void FormWindow::Impl::RunMenuHandler(std::string_view name) {
  if (name.empty()) return;
  const auto handler = menuHandlers.find(name);
  if (handler != menuHandlers.end() && handler->second) handler->second();
}

void FormWindow::Impl::Click(std::size_t index) {
  const auto& spec = *controls[index].spec;
  if (!spec.dropDownMenu.empty()) {
    DropDown(index);
    return;
  }
  RunHandler(spec.onClick, spec);
  if (spec.modalResult != 0 && modal && hwnd) {
    modalResult = spec.modalResult;
    modalEnded = true;
    PostMessageA(hwnd, WM_NULL, 0, 0);
  }
}

// A drop-down button shows its pop-up menu below itself; the chosen item
// arrives as a menu command.
void FormWindow::Impl::DropDown(std::size_t index) {
  const auto menu = menusByName.find(controls[index].spec->dropDownMenu);
  if (menu == menusByName.end()) return;
  RECT button;
  GetWindowRect(controls[index].hwnd, &button);
  TrackPopupMenu(menu->second, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, button.left, button.bottom, 0, hwnd,
                 nullptr);
}

// Device list rows: background (or highlight), the text 2 pixels in at the
// row's top in the list's font, a focus rectangle on the focused row.
void FormWindow::Impl::DrawListRow(const DRAWITEMSTRUCT& item) {
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const HDC dc = item.hDC;
  RECT row = item.rcItem;
  FillRect(dc, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  if (item.itemID != static_cast<UINT>(-1)) {
    const int length = static_cast<int>(SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0));
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    if (length > 0) SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max(length, 0)));
    HFONT listFont = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    SelectedObject selectFont(dc, listFont ? static_cast<HGDIOBJ>(listFont) : font.Get());
    const int textColor =
        (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : (selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    SetTextColor(dc, GetSysColor(textColor));
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, row.left + 2, row.top, text.c_str(), static_cast<int>(text.size()));
  }
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
}

// A push button with its picture left of its caption, both centred; the
// picture's bottom-left pixel is its transparent colour. The default button,
// or the focused one, wears the black default frame.
void FormWindow::Impl::DrawGlyphButton(const ControlWindow& control, const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  if (control.spec->isDefault || focused) {
    FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&rect, -1, -1);
  }
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));

  const std::string caption = WindowText(item.hwndItem);
  SelectedObject selectFont(dc, font.Get());
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
    TransparentBlt(dc, x, (rect.top + rect.bottom - picture.bmHeight) / 2 + shift, picture.bmWidth,
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

// While a push button has the focus it wears the default frame, since Enter
// presses it; otherwise the form's default button does.
void FormWindow::Impl::MoveDefaultFrame(std::optional<std::size_t> focused) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& spec = *controls[i].spec;
    if (spec.kind != Kind::Button || !controls[i].hwnd) continue;
    if (spec.resource) {  // draws its own frame
      InvalidateRect(controls[i].hwnd, nullptr, FALSE);
      continue;
    }
    const bool framed = focused ? i == *focused : spec.isDefault;
    const LONG_PTR style = GetWindowLongPtrA(controls[i].hwnd, GWL_STYLE);
    if (((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) == framed) continue;
    SendMessageA(controls[i].hwnd, BM_SETSTYLE,
                 (style & ~BS_TYPEMASK & 0xFFFF) | (framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
  }
}

void FormWindow::Impl::OnCommand(int id, int code, HWND from) {
  if (id == IDOK || id == IDCANCEL) {
    // The system's dialog handling asks for the default or cancel button this way.
    for (std::size_t i = 0; i < controls.size(); ++i) {
      const auto& spec = *controls[i].spec;
      if ((id == IDOK && spec.isDefault) || (id == IDCANCEL && spec.isCancel)) {
        Click(i);
        return;
      }
    }
    if (id == IDCANCEL && modal) {
      modalResult = IDCANCEL;
      modalEnded = true;
    }
    return;
  }
  if (!from) {
    if (id >= kMenuIdBase && id < kMenuIdBase + static_cast<int>(form.menu.size())) {
      RunMenuHandler(form.menu[id - kMenuIdBase].handler);
    } else if (id >= kPopupIdBase && id < kPopupIdBase + static_cast<int>(form.popupMenu.size())) {
      RunMenuHandler(form.popupMenu[id - kPopupIdBase].handler);
    } else if (const auto command = dynamicCommands.find(static_cast<UINT>(id)); command != dynamicCommands.end()) {
      const auto handler = command->second;  // a copy: the handler may remove its own command
      if (handler) handler();
    }
    return;
  }
  const auto index = IndexOfId(id);
  if (!index) return;
  const auto& spec = *controls[*index].spec;
  if (id >= kRadioIdBase) {
    if (code == BN_CLICKED) {
      MoveRadioTabStop(*index);
      RunHandler(spec.onClick, spec);
    }
    return;
  }
  if (controls[*index].hwnd != from) return;
  if (spec.kind == Kind::Button && (code == BN_SETFOCUS || code == BN_KILLFOCUS)) {
    MoveDefaultFrame(code == BN_SETFOCUS ? std::optional(*index) : std::nullopt);
    return;
  }
  switch (spec.kind) {
    case Kind::Button:
    case Kind::ToolButton:
    case Kind::CheckBox:
      if (code == BN_CLICKED) Click(*index);
      break;
    case Kind::DropDownList:
    case Kind::OwnerDrawList:
      if (code == CBN_SELCHANGE) RunHandler(spec.onClick, spec);
      break;
    case Kind::ListBox:
      if (code == LBN_SELCHANGE) RunHandler(spec.onClick, spec);
      break;
    default:
      break;
  }
}

bool FormWindow::Impl::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      result = 0;
      return true;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      const auto index = IndexOfId(static_cast<int>(header.idFrom));
      if (!index || controls[*index].hwnd != header.hwndFrom) return false;
      const auto& spec = *controls[*index].spec;
      if (spec.kind == Kind::PageControl && header.code == static_cast<UINT>(TCN_SELCHANGE)) {
        ShowSelectedPage(*index);
      } else if (spec.kind == Kind::UpDown && header.code == static_cast<UINT>(UDN_DELTAPOS)) {
        // Before the position moves.
        RunHandler(spec.onChanging, spec);
      } else {
        return false;
      }
      result = 0;
      return true;
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const HWND from = reinterpret_cast<HWND>(lParam);
      const auto index = from ? IndexOfId(GetDlgCtrlID(from)) : std::nullopt;
      if (!index || controls[*index].hwnd != from || controls[*index].spec->kind != Kind::UpDown) return false;
      // After the position has moved: the up-down reports every arrow click this way.
      if (LOWORD(wParam) == SB_THUMBPOSITION) RunHandler(controls[*index].spec->onClick, *controls[*index].spec);
      result = 0;
      return true;
    }
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      const auto index = IndexOfId(static_cast<int>(measure.CtlID));
      if (!index || measure.CtlType != ODT_COMBOBOX || controls[*index].spec->itemHeight <= 0) return false;
      measure.itemHeight = static_cast<UINT>(controls[*index].spec->itemHeight);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const auto index = IndexOfId(static_cast<int>(item.CtlID));
      if (!index || controls[*index].hwnd != item.hwndItem) return false;
      if (item.CtlType == ODT_BUTTON) {
        DrawGlyphButton(controls[*index], item);
      } else if (item.CtlType == ODT_COMBOBOX) {
        DrawListRow(item);
      } else {
        return false;
      }
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC: {
      // The read-only link edit: blue text on the dialog's background.
      const HWND from = reinterpret_cast<HWND>(lParam);
      const auto index = IndexOfId(GetDlgCtrlID(from));
      if (!index || controls[*index].hwnd != from || controls[*index].spec->kind != Kind::ReadOnlyEdit) return false;
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 255));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    default:
      return false;
  }
}

LRESULT FormWindow::Impl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (Route(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CLOSE:
      if (modal) {
        modalResult = IDCANCEL;
        modalEnded = true;
      } else {
        DestroyWindow(hwnd);
      }
      return 0;
    case WM_DESTROY:
      if (onDestroy) onDestroy();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) savedFocus = focus;
        return 0;
      }
      if (savedFocus && IsWindow(savedFocus) && IsWindowVisible(savedFocus) && IsChild(hwnd, savedFocus)) {
        SetFocus(savedFocus);
        return 0;
      }
      break;
    case WM_SETFOCUS:
      if (savedFocus && IsWindow(savedFocus) && IsWindowVisible(savedFocus) && IsChild(hwnd, savedFocus)) {
        SetFocus(savedFocus);
        return 0;
      }
      break;
    case WM_TIMER:
      if (const auto timer = timers.find(static_cast<unsigned>(wParam)); timer != timers.end()) {
        const auto handler = timer->second;  // a copy: the handler may stop its own timer
        if (handler) handler();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// ---- the public operations ----

FormWindow::FormWindow(const forms::Form& form) : impl_(std::make_unique<Impl>(form)) {}

FormWindow::~FormWindow() {
  if (impl_->hwnd) DestroyWindow(impl_->hwnd);
}

void FormWindow::Bind(std::string_view handlerName, Handler handler) {
  impl_->handlers[std::string(handlerName)] = std::move(handler);
}

void FormWindow::BindMenu(std::string_view handlerName, MenuHandler handler) {
  impl_->menuHandlers[std::string(handlerName)] = std::move(handler);
}

void FormWindow::Create(HWND owner) {
  if (impl_->hwnd) throw std::logic_error("form " + std::string(impl_->form.name) + " is already created");
  impl_->Build(owner);
}

void FormWindow::Show() {
  if (!impl_->hwnd) return;
  ShowWindow(impl_->hwnd, SW_SHOW);
  if (!impl_->shownOnce) {
    impl_->shownOnce = true;
    if (!impl_->form.initialFocus.empty()) {
      impl_->FocusControl(impl_->IndexOf(impl_->form.initialFocus), false);
    } else if (HWND first = GetNextDlgTabItem(impl_->hwnd, nullptr, FALSE)) {
      SetFocus(first);
    }
  }
  UpdateWindow(impl_->hwnd);
}

HWND FormWindow::Handle() const { return impl_->hwnd; }

HWND FormWindow::Control(std::string_view name) const { return impl_->controls.at(impl_->IndexOf(name)).hwnd; }

const forms::Control& FormWindow::Spec(std::string_view name) const {
  return impl_->form.controls[impl_->IndexOf(name)];
}

std::string FormWindow::Text(std::string_view name) const { return WindowText(Control(name)); }

void FormWindow::SetText(std::string_view name, std::string_view text) {
  const HWND control = Control(name);
  SetWindowTextA(control, std::string(text).c_str());
  const forms::Control& spec = Spec(name);
  if (spec.kind == forms::Kind::Label && !spec.wordWrap) FitLabelToText(control);
}

void FormWindow::SetCaption(std::string_view caption) {
  if (impl_->hwnd) SetWindowTextA(impl_->hwnd, std::string(caption).c_str());
}

std::string FormWindow::Caption() const { return impl_->hwnd ? WindowText(impl_->hwnd) : std::string(); }

bool FormWindow::Checked(std::string_view name) const {
  return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void FormWindow::SetChecked(std::string_view name, bool checked) {
  const HWND box = Control(name);
  if ((SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked) return;
  SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  const auto& spec = Spec(name);
  impl_->RunHandler(spec.onClick, spec);
}

int FormWindow::ItemIndex(std::string_view name) const {
  const auto index = impl_->IndexOf(name);
  const auto& control = impl_->controls[index];
  switch (control.spec->kind) {
    case Kind::DropDownList:
    case Kind::OwnerDrawList:
      return static_cast<int>(SendMessageA(control.hwnd, CB_GETCURSEL, 0, 0));
    case Kind::ListBox:
      return static_cast<int>(SendMessageA(control.hwnd, LB_GETCURSEL, 0, 0));
    case Kind::RadioGroup:
      for (std::size_t i = 0; i < control.items.size(); ++i) {
        if (SendMessageA(control.items[i], BM_GETCHECK, 0, 0) == BST_CHECKED) return static_cast<int>(i);
      }
      return -1;
    default:
      throw std::logic_error("control " + std::string(name) + " has no items");
  }
}

// A radio group, like the class library's, clamps the index to its items
// (past the last selects the last); a list shows no selection instead.
void FormWindow::SetItemIndex(std::string_view name, int index) {
  const auto position = impl_->IndexOf(name);
  const auto& control = impl_->controls[position];
  const int count =
      static_cast<int>(control.spec->kind == Kind::RadioGroup ? control.items.size() : control.spec->items.size());
  switch (control.spec->kind) {
    case Kind::DropDownList:
    case Kind::OwnerDrawList:
    case Kind::ListBox: {
      const int listCount =
          static_cast<int>(SendMessageA(control.hwnd, IsList(control.spec->kind) ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
      if (index < 0 || index >= listCount) index = -1;
      SendMessageA(control.hwnd, IsList(control.spec->kind) ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index),
                   0);
      break;
    }
    case Kind::RadioGroup:
      index = std::clamp(index, -1, count - 1);
      for (int i = 0; i < count; ++i) {
        SendMessageA(control.items[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
      }
      impl_->MoveRadioTabStop(position);
      break;
    default:
      throw std::logic_error("control " + std::string(name) + " has no items");
  }
}

// A number typed into the buddy edit counts, held to the range; anything else
// leaves the up-down where it was. The system's own reading differs between
// versions, so the rule is ours.
int FormWindow::Position(std::string_view name) const {
  const forms::Control& spec = Spec(name);
  if (const auto typed = ParseInteger(Text(spec.buddy))) return std::clamp<int>(*typed, spec.rangeMin, spec.rangeMax);
  BOOL failed = FALSE;
  return static_cast<int>(SendMessageA(Control(name), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
}

void FormWindow::SetPosition(std::string_view name, int position) {
  SendMessageA(Control(name), UDM_SETPOS32, 0, position);
}

void FormWindow::SetEnabled(std::string_view name, bool enabled) {
  const auto& control = impl_->controls[impl_->IndexOf(name)];
  EnableWindow(control.hwnd, enabled);
  for (const HWND item : control.items) EnableWindow(item, enabled);
}

void FormWindow::Focus(std::string_view name) { impl_->FocusControl(impl_->IndexOf(name), false); }

void FormWindow::ShowPage(std::string_view pageName) {
  const auto page = impl_->IndexOf(pageName);
  if (impl_->form.controls[page].kind != Kind::Page) throw std::logic_error(std::string(pageName) + " is no page");
  const auto pageControl = impl_->IndexOf(impl_->form.controls[page].parent);
  const auto pages = impl_->PagesOf(pageControl);
  impl_->SelectPage(pageControl, static_cast<int>(std::find(pages.begin(), pages.end(), page) - pages.begin()));
}

void FormWindow::Close() {
  if (impl_->hwnd) PostMessageA(impl_->hwnd, WM_CLOSE, 0, 0);
}

HMENU FormWindow::Menu(std::string_view name) const {
  const auto menu = impl_->menusByName.find(name);
  return menu == impl_->menusByName.end() ? nullptr : menu->second;
}

UINT FormWindow::AddCommand(MenuHandler handler) {
  for (UINT id = kDynamicIdBase; id <= static_cast<UINT>(kDynamicIdEnd); ++id) {
    if (!impl_->dynamicCommands.contains(id)) {
      impl_->dynamicCommands[id] = std::move(handler);
      return id;
    }
  }
  throw std::runtime_error("no command IDs left");
}

void FormWindow::RemoveCommand(UINT id) { impl_->dynamicCommands.erase(id); }

void FormWindow::EndModal(int modalResult) {
  impl_->modalResult = modalResult;
  impl_->modalEnded = true;
  if (impl_->hwnd) PostMessageA(impl_->hwnd, WM_NULL, 0, 0);
}

void FormWindow::OnDestroy(std::function<void()> handler) { impl_->onDestroy = std::move(handler); }

void FormWindow::StartTimer(unsigned id, unsigned milliseconds, std::function<void()> handler) {
  impl_->timers[id] = std::move(handler);
  if (impl_->hwnd) SetTimer(impl_->hwnd, id, milliseconds, nullptr);
}

void FormWindow::StopTimer(unsigned id) {
  if (impl_->hwnd) KillTimer(impl_->hwnd, id);
  impl_->timers.erase(id);
}

}  // namespace pavane::win
