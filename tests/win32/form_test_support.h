#pragma once

// Helpers for tests of real forms: a form whose every handler name records its
// calls, keys sent through the form's own message handling, and read-back
// helpers for window texts and places.

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <cstring>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/program_win.h"
#include "forms/form_spec.h"
#include "forms/form_tree.h"
#include "win32/form_window.h"
#include "win32/handles.h"

inline bool operator==(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline void PrintTo(const RECT& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

namespace pavane::testing {

inline constexpr int kCtrl = 1;
inline constexpr int kShift = 2;

inline std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// An edit's text lies whole inside the part of the edit it is drawn in.
inline bool ShowsWholeText(HWND edit) {
  const std::string text = WindowText(edit);
  RECT drawn;
  SendMessageA(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&drawn));
  const int left = static_cast<short>(LOWORD(SendMessageA(edit, EM_POSFROMCHAR, 0, 0)));
  const win::WindowDC dc(edit);
  const win::SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(edit, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return left >= drawn.left && left + size.cx <= drawn.right;
}

inline std::string TabText(HWND tabs, int index) {
  std::string text(256, '\0');
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  SendMessageA(tabs, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  return text.c_str();
}

inline std::string ComboText(HWND combo, int index) {
  std::string text(static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, index, 0)) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  return text.c_str();
}

inline std::string MenuText(HMENU menu, int position) {
  std::string text(static_cast<std::size_t>(GetMenuStringA(menu, position, nullptr, 0, MF_BYPOSITION)) + 1, '\0');
  GetMenuStringA(menu, position, text.data(), static_cast<int>(text.size()), MF_BYPOSITION);
  return text.c_str();
}

// A window's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Files dropped from the shell at `point` of the window's client area: a real
// HDROP posted as the shell posts it; the window frees it.
inline void DropFiles(HWND window, const std::vector<std::string>& paths, POINT point) {
  std::string names;
  for (const auto& path : paths) names += path + '\0';
  names += '\0';
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->pt = point;
  drop->fNC = FALSE;
  drop->fWide = FALSE;
  std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size());
  GlobalUnlock(memory);
  PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

inline void SetModifiers(int modifiers) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = (modifiers & kCtrl) ? 0x80 : 0;
  keys[VK_SHIFT] = (modifiers & kShift) ? 0x80 : 0;
  keys[VK_MENU] = 0;
  SetKeyboardState(keys);
}

// A key pressed and released where the focus is (else on the active window),
// handled at once by the form's message handling. Inside a modal dialog's
// loop pass `pump` false: that loop handles it (modifiers are then not held).
inline void PressKey(UINT key, int modifiers = 0, bool pump = true) {
  const HWND focus = GetFocus();
  const HWND target = focus ? focus : GetActiveWindow();
  SetModifiers(modifiers);
  PostMessageA(target, WM_KEYDOWN, key, 1);
  PostMessageA(target, WM_KEYUP, key, 0xC0000001);
  if (pump) win::PumpMessages();
  SetModifiers(0);
}

// The pointer moved to (x, y) of `container`, really (the system tracks
// where it leaves), and the message for it sent there.
inline void PointerAt(HWND container, UINT message, int x, int y) {
  POINT screen{x, y};
  ClientToScreen(container, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageA(container, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  win::PumpMessages();
}

// The window a painted control of a form is drawn on, and its middle there.
inline HWND ContainerOf(const win::FormWindow& window, std::string_view name) {
  const auto& spec = window.Spec(name);
  return spec.parent.empty() ? window.Handle() : window.Control(spec.parent);
}
inline POINT MiddleOf(const win::FormWindow& window, std::string_view name) {
  const auto& bounds = window.Spec(name).bounds;
  return {bounds.left + bounds.width / 2, bounds.top + bounds.height / 2};
}

// A click with the mouse on a painted control.
inline void ClickPainted(const win::FormWindow& window, std::string_view name) {
  const HWND container = ContainerOf(window, name);
  const POINT middle = MiddleOf(window, name);
  PointerAt(container, WM_MOUSEMOVE, middle.x, middle.y);
  PointerAt(container, WM_LBUTTONDOWN, middle.x, middle.y);
  PointerAt(container, WM_LBUTTONUP, middle.x, middle.y);
}

// A click on an up-down's upper or lower arrow.
inline void ClickUpDown(const win::FormWindow& window, std::string_view name, bool up) {
  const HWND updown = window.Control(name);
  RECT client;
  GetClientRect(updown, &client);
  const LPARAM point = MAKELPARAM(client.right / 2, up ? 2 : client.bottom - 3);
  SendMessageA(updown, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(updown, WM_LBUTTONUP, 0, point);
  win::PumpMessages();
}

// A real form from a layout, shown, with every handler name the layout uses
// bound to a recorder: "Name", "Name:Tag" for senders with a Tag,
// "Name@Position" for up-downs.
class RecordingForm {
 public:
  explicit RecordingForm(const forms::Form& layout) : layout(layout), window(layout) {
    RegisterWidgets();
    for (const auto& control : layout.controls) {
      for (const auto name : forms::HandlerNamesOf(control)) Record(name);
    }
    for (const auto menu : {layout.menu, layout.popupMenu}) {
      for (const auto& item : menu) Record(item.handler);
    }
    if (!layout.onDestroy.empty()) window.Bind(layout.onDestroy, [](const forms::Event&) {});
    Record(layout.onDropFiles);
    window.Create();
    window.Show();
    win::PumpMessages();
  }
  ~RecordingForm() { SetModifiers(0); }

  // The control name of a window ("Group:2" for a radio button).
  std::string NameOf(HWND hwnd) const {
    for (const auto& control : layout.controls) {
      if (window.Control(control.name) == hwnd) return std::string(control.name);
      if (control.kind != forms::Kind::RadioGroup) continue;
      const auto items = RadioItems(control.name);
      for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == hwnd) return std::string(control.name) + ":" + std::to_string(i);
      }
    }
    return "?";
  }

  // A radio group's buttons: the radio buttons right after its group box.
  std::vector<HWND> RadioItems(std::string_view group) const {
    std::vector<HWND> items;
    for (HWND item = GetWindow(window.Control(group), GW_HWNDNEXT);
         item && (GetWindowLongA(item, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
         item = GetWindow(item, GW_HWNDNEXT)) {
      items.push_back(item);
    }
    return items;
  }

  // Where the table puts a control within the window it lives in: group boxes
  // only shift their contents; pages sit inside their page control.
  RECT ExpectedRect(const forms::Control& control) const {
    int x = control.bounds.left;
    int y = control.bounds.top;
    for (auto parent = control.parent; !parent.empty();) {
      const auto& outer = window.Spec(parent);
      const bool shifts = outer.kind == forms::Kind::GroupBox || outer.kind == forms::Kind::RadioGroup ||
                          (control.kind == forms::Kind::Page && outer.kind == forms::Kind::PageControl);
      if (!shifts) break;
      x += outer.bounds.left;
      y += outer.bounds.top;
      parent = outer.parent;
    }
    return RECT{x, y, x + control.bounds.width, y + control.bounds.height};
  }

  void PressKey(UINT key, int modifiers = 0) { testing::PressKey(key, modifiers); }
  void PressAlt(char letter) {
    const HWND focus = GetFocus();
    PostMessageA(focus ? focus : window.Handle(), WM_SYSCHAR, static_cast<unsigned char>(letter), 0x20000001);
    win::PumpMessages();
  }
  // A menu item chosen with the mouse.
  void Choose(HMENU menu, int position) {
    SendMessageA(window.Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, position), 0), 0);
    win::PumpMessages();
  }
  void ClickUpDown(std::string_view name, bool up) { testing::ClickUpDown(window, name, up); }

  const forms::Form& layout;
  win::FormWindow window;
  std::vector<std::string> calls;

 private:
  // Binds `handler` to a recorder of its calls.
  void Record(std::string_view handler) {
    if (handler.empty()) return;
    window.Bind(handler, [this, handler](const forms::Event& event) {
      std::string call(handler);
      const auto control = forms::FindControl(this->layout, event.sender.name);
      if (control && this->layout.controls[*control].kind == forms::Kind::UpDown) {
        call += "@" + std::to_string(window.Position(event.sender.name));
      } else if (event.sender.tag != 0) {
        call += ":" + std::to_string(event.sender.tag);
      }
      calls.push_back(call);
    });
  }
};

}  // namespace pavane::testing
