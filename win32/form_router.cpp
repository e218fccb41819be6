// The window procedures of forms and of their pages and panels, and the one
// router that turns what their controls report into events by name.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "forms/form_tree.h"
#include "win32/control_kind.h"
#include "win32/error_display.h"
#include "win32/form_impl.h"

namespace pavane::win {
namespace {

std::vector<FormWindow::Impl*>& LiveForms() {
  static std::vector<FormWindow::Impl*> forms;
  return forms;
}

bool IsPointerMessage(UINT message) {
  return message == WM_MOUSEMOVE || message == WM_MOUSELEAVE || message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
         message == WM_CAPTURECHANGED;
}

bool HoldsPainted(const FormWindow::Impl& form, HWND window) {
  return std::any_of(form.controls.begin(), form.controls.end(),
                     [window](const ControlWindow& control) { return control.painted && control.container == window; });
}

// Both window procedures find their form at WM_NCCREATE; a form's own also
// registers it while its window lives.
FormWindow::Impl* Attach(HWND hwnd, UINT message, LPARAM lParam) {
  auto* form = reinterpret_cast<FormWindow::Impl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<FormWindow::Impl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  return form;
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* form = Attach(hwnd, message, lParam);
  if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCCREATE) {
    form->hwnd = hwnd;
    LiveForms().push_back(form);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    std::erase(LiveForms(), form);
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
  if (auto* form = Attach(hwnd, message, lParam)) {
    try {
      LRESULT result = 0;
      if (form->Route(hwnd, message, wParam, lParam, result)) return result;
    } catch (...) {
      ShowCurrentException();
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

FormWindow::Impl* FormOfWindow(HWND window) {
  if (!window) return nullptr;
  const HWND root = GetAncestor(window, GA_ROOT);
  for (auto* form : LiveForms()) {
    if (form->hwnd == root) return form;
  }
  return nullptr;
}

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

std::size_t FormWindow::Impl::IndexOf(std::string_view name) const { return forms::ControlIndex(form, name); }

ControlWindow& FormWindow::Impl::Made(std::size_t index) {
  if (const auto page = controls[index].page) MakeContents(*page);
  return controls[index];
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

std::optional<std::size_t> FormWindow::Impl::IndexOfWindow(HWND window) const {
  if (!window) return std::nullopt;
  const auto index = IndexOfId(GetDlgCtrlID(window));
  if (!index) return std::nullopt;
  const auto& control = controls[*index];
  if (control.hwnd == window || std::find(control.items.begin(), control.items.end(), window) != control.items.end()) {
    return index;
  }
  return std::nullopt;
}

void FormWindow::Impl::Raise(std::string_view handler, std::size_t index, int key, char character) {
  const auto& spec = *controls[index].spec;
  handlers.Raise(handler, {.sender = {spec.name, spec.tag}, .key = key, .character = character});
}

void FormWindow::Impl::Click(std::size_t index) {
  const auto& spec = *controls[index].spec;
  if (!spec.dropDownMenu.empty()) {
    DropDown(index);
    return;
  }
  Raise(spec.onClick, index);
  if (spec.modalResult != 0 && modal && hwnd) EndWith(spec.modalResult);
}

void FormWindow::Impl::EndWith(int result) {
  modalResult = result;
  modalEnded = true;
  if (hwnd) PostMessageA(hwnd, WM_NULL, 0, 0);
}

// While a push button has the focus it wears the default frame, since Enter
// presses it; otherwise the form's default button does.
void FormWindow::Impl::MoveDefaultFrame(std::optional<std::size_t> focused) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& control = controls[i];
    if (control.spec->kind != forms::Kind::Button || !control.hwnd) continue;
    const LONG_PTR style = GetWindowLongPtrA(control.hwnd, GWL_STYLE);
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) {  // draws its own frame
      InvalidateRect(control.hwnd, nullptr, FALSE);
      continue;
    }
    const bool framed = focused ? i == *focused : defaultButton == i;
    if (((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) == framed) continue;
    SendMessageA(control.hwnd, BM_SETSTYLE,
                 (style & ~BS_TYPEMASK & 0xFFFF) | (framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
  }
}

void FormWindow::Impl::OnCommand(int id, int code, HWND from) {
  if (id == IDOK || id == IDCANCEL) {
    // The system's dialog handling asks for the default or cancel button this way.
    for (std::size_t i = 0; i < controls.size(); ++i) {
      if ((id == IDOK && defaultButton == i) || (id == IDCANCEL && controls[i].spec->isCancel)) {
        Click(i);
        return;
      }
    }
    if (id == IDCANCEL && modal) EndWith(IDCANCEL);
    return;
  }
  if (!from) {
    RunMenuCommand(id);
    return;
  }
  const auto index = IndexOfWindow(from);
  if (!index || *index != IndexOfId(id)) return;
  const int item = id >= kRadioIdBase ? (id - kRadioIdBase) % kMaxRadioItems : -1;
  controls[*index].kind->Notify(*this, *index, code, item);
}

bool FormWindow::Impl::Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return true;
    case WM_INITMENUPOPUP:
      MenuOpening(reinterpret_cast<HMENU>(wParam));
      return false;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.code == TTN_GETDISPINFOA && header.hwndFrom == tooltips) {
        // The tip of a label that shows a path: the label's whole text.
        tooltipText = WindowText(reinterpret_cast<HWND>(header.idFrom));
        reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = tooltipText.data();
        return true;
      }
      const auto index = IndexOfWindow(header.hwndFrom);
      return index && controls[*index].kind->OnNotify(*this, *index, header);
    }
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const auto index = IndexOfWindow(reinterpret_cast<HWND>(lParam));
      return index && controls[*index].kind->OnScroll(*this, *index, LOWORD(wParam));
    }
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      const auto index = IndexOfId(static_cast<int>(measure.CtlID));
      if (!index || !controls[*index].kind->Measure(*this, controls[*index], measure)) return false;
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const auto index = IndexOfWindow(item.hwndItem);
      if (!index || !controls[*index].kind->Draw(*this, controls[*index], item)) return false;
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC: {
      const auto index = IndexOfWindow(reinterpret_cast<HWND>(lParam));
      if (!index) return false;
      const auto brush = controls[*index].kind->StaticColors(controls[*index], reinterpret_cast<HDC>(wParam));
      if (!brush) return false;
      result = *brush;
      return true;
    }
    case WM_CANCELMODE:
      // The system sends it to the active window when a dialog or message box
      // comes up; the capture a painted control's press holds is given up too.
      if (pressedPainted && GetCapture() == controls[*pressedPainted].container) ReleaseCapture();
      return false;
    case WM_PAINT: {
      if (!HoldsPainted(*this, window)) return false;
      const PaintDC paint(window);
      PaintPainted(window, paint.Get());
      return true;
    }
    default:
      if (IsPointerMessage(message) && HoldsPainted(*this, window)) return PointerMessage(window, message, lParam);
      return false;
  }
}

LRESULT FormWindow::Impl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (messageHook) {
    if (const auto handled = messageHook(message, wParam, lParam)) return *handled;
  }
  LRESULT result = 0;
  if (Route(hwnd, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CLOSE:
      if (modal) {
        EndWith(IDCANCEL);
      } else {
        DestroyWindow(hwnd);
      }
      return 0;
    case WM_DESTROY:
      handlers.Raise(form.onDestroy, {.sender = {form.name}});
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) savedFocus = focus;
        return 0;
      }
      [[fallthrough]];
    case WM_SETFOCUS:
      if (savedFocus && IsWindow(savedFocus) && IsWindowVisible(savedFocus) && IsChild(hwnd, savedFocus)) {
        SetFocus(savedFocus);
        return 0;
      }
      break;
    case WM_DROPFILES:
      DropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_TIMER:
      if (const auto timer = timers.find(static_cast<unsigned>(wParam)); timer != timers.end()) {
        const auto tick = timer->second;  // a copy: the tick may stop its own timer
        if (tick) tick();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace pavane::win
