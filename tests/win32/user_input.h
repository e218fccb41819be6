#pragma once

// The keyboard and the mouse as the user works them: through the system's
// input queue (SendInput), so the system keeps the modifier state, makes
// WM_SYSKEYDOWN of the keys held with Alt (and of F10) and WM_SYSCHAR of
// Alt+letters, and sends the pointer to whichever window holds the capture.
// Each call handles what it put into the queue before it returns.

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "win32/form_window.h"
#include "win32/handles.h"

namespace pavane::testing::user {

// A menu opened by the keys runs a loop of its own that waits for more keys;
// this ends it, so that the test fails instead of hanging.
inline bool& MenuWasOpen() {
  static bool open = false;
  return open;
}
inline void CALLBACK EndOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
    MenuWasOpen() = true;
    EndMenu();
  }
}

// Runs what is queued, and waits a moment for what the system still delivers
// (input, the screen's copy of what was painted).
inline void Settle(DWORD milliseconds = 25) {
  const UINT_PTR watch = SetTimer(nullptr, 0, 200, &EndOpenMenu);
  const DWORD start = GetTickCount();
  do {
    win::PumpMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  } while (GetTickCount() - start < milliseconds);
  win::PumpMessages();
  KillTimer(nullptr, watch);
  if (std::exchange(MenuWasOpen(), false)) ADD_FAILURE() << "a menu opened and took the keys that followed";
}

inline INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, 0));
  const bool extended = key == VK_RIGHT || key == VK_LEFT || key == VK_UP || key == VK_DOWN || key == VK_INSERT ||
                        key == VK_DELETE || key == VK_HOME || key == VK_END || key == VK_PRIOR || key == VK_NEXT;
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

// A key going down or coming up alone.
inline void KeyDown(WORD key) {
  INPUT input = KeyInput(key, false);
  SendInput(1, &input, sizeof input);
  Settle();
}
inline void KeyUp(WORD key) {
  INPUT input = KeyInput(key, true);
  SendInput(1, &input, sizeof input);
  Settle();
}

// Keys pressed together: each goes down in order, then all come up in the
// reverse order ({VK_MENU, 'T'} is Alt+T; {VK_SHIFT} a Shift pressed alone).
inline void Press(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) inputs.push_back(KeyInput(key, false));
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) inputs.push_back(KeyInput(*key, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Settle();
}

// The pointer moved to `point` of `window`'s client area, and the left
// button going down or coming up there.
inline void MoveTo(HWND window, POINT point) {
  ClientToScreen(window, &point);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(point.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(point.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
  Settle();
}
inline void LeftButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  Settle();
}
inline void Click(HWND window, POINT point) {
  MoveTo(window, point);
  LeftButton(true);
  LeftButton(false);
}
// A click in the middle of a control that has a window.
inline void Click(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  Click(control, POINT{client.right / 2, client.bottom / 2});
}

// A part of the screen as the user sees it, copied at once.
class ScreenArea {
 public:
  explicit ScreenArea(RECT area) : area_(area), pixels_(Count()) {
    const win::WindowDC screen(nullptr);
    const win::UniqueMemoryDC memory(CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = area.right - area.left;
    info.bmiHeader.biHeight = -(area.bottom - area.top);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const win::UniqueBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, info.bmiHeader.biWidth, -info.bmiHeader.biHeight, screen.Get(), area.left, area.top,
           SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
      pixels_[i] = RGB(GetBValue(pixels[i]), GetGValue(pixels[i]), GetRValue(pixels[i]));
    }
  }
  // The colour at (x, y) of the screen.
  COLORREF At(int x, int y) const {
    return pixels_[static_cast<std::size_t>((y - area_.top) * (area_.right - area_.left) + (x - area_.left))];
  }
  bool Holds(COLORREF colour) const {
    for (const COLORREF pixel : pixels_) {
      if (pixel == colour) return true;
    }
    return false;
  }

 private:
  std::size_t Count() const {
    return static_cast<std::size_t>((area_.right - area_.left) * (area_.bottom - area_.top));
  }
  RECT area_;
  std::vector<COLORREF> pixels_;
};

}  // namespace pavane::testing::user
