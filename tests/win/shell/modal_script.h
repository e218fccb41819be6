#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <utility>

#include "win32/form_window.h"

namespace pavane::test {

// Plays the user's part while a dialog runs modally: `action` runs from a
// thread timer once the modal loop is pumping messages. A dialog still open
// ten seconds later is a failure and is closed with result 0.
class ModalScript {
 public:
  ModalScript(win::FormWindow& window, std::function<void()> action) {
    window_ = &window;
    action_ = std::move(action);
    actionTimer_ = SetTimer(nullptr, 0, 50, &Tick);
    guardTimer_ = SetTimer(nullptr, 0, 10000, &Tick);
  }
  ~ModalScript() {
    KillTimer(nullptr, actionTimer_);
    KillTimer(nullptr, guardTimer_);
    window_ = nullptr;
    action_ = nullptr;
  }
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (id == actionTimer_ && action_) {
      std::function<void()> action = std::move(action_);
      action_ = nullptr;
      action();
    } else if (id == guardTimer_ && window_) {
      ADD_FAILURE() << "the dialog did not close";
      window_->EndModal(0);
    }
  }

  static inline win::FormWindow* window_ = nullptr;
  static inline std::function<void()> action_;
  static inline UINT_PTR actionTimer_ = 0;
  static inline UINT_PTR guardTimer_ = 0;
};

// A user's click on a button or check box of the dialog.
inline void Click(win::FormWindow& window, std::string_view name) {
  SendMessageA(window.Control(name), BM_CLICK, 0, 0);
}

// A key pressed and released on the control that has the focus.
inline void PressKey(WPARAM key) {
  const HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
}

inline bool BoxChecked(win::FormWindow& window, std::string_view name) {
  return SendMessageA(window.Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

}  // namespace pavane::test
