#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <utility>

#include "tests/win/modal_observer.h"
#include "win32/form_window.h"

namespace pavane::test {

// Plays the user's part while a dialog runs modally: `action` runs once the
// modal loop is pumping messages. A dialog still open ten seconds later is a
// failure and is closed with result 0.
class ModalScript {
 public:
  ModalScript(win::FormWindow& window, std::function<void()> action)
      : window_(window), action_(std::move(action)), observer_([this] { return Step(); }) {}
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

 private:
  bool Step() {
    if (action_) {
      std::function<void()> action = std::move(action_);
      action_ = nullptr;
      deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      action();
      return false;
    }
    if (std::chrono::steady_clock::now() < deadline_) return false;
    ADD_FAILURE() << "the dialog did not close";
    window_.EndModal(0);
    return true;
  }

  win::FormWindow& window_;
  std::function<void()> action_;
  std::chrono::steady_clock::time_point deadline_;
  testing::ModalObserver observer_;
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
