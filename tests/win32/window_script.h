#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "tests/win32/modal_observer.h"
#include "win32/form_window.h"

namespace pavane::testing {

// Plays the user's part in a modal window the code under test opens itself:
// once a visible top-level window with `caption` shows up, `action` runs on it.
// A window that never shows up fails the test.
class WindowScript {
 public:
  WindowScript(std::string caption, std::function<void(HWND)> action)
      : caption_(std::move(caption)), action_(std::move(action)), observer_([this] { return Step(); }) {}
  ~WindowScript() { EXPECT_TRUE(done_) << "no window \"" << caption_ << "\" appeared"; }
  WindowScript(const WindowScript&) = delete;
  WindowScript& operator=(const WindowScript&) = delete;

 private:
  bool Step() {
    // The action pumps messages itself, and a tick inside it must not play
    // the user's part a second time.
    if (done_) return true;
    const HWND window = FindWindowA(nullptr, caption_.c_str());
    if (!window || !IsWindowVisible(window)) return false;
    done_ = true;
    action_(window);
    return true;
  }

  std::string caption_;
  std::function<void(HWND)> action_;
  bool done_ = false;
  ModalObserver observer_;
};

// Plays the user's part while a dialog runs modally: `action` runs once the
// modal loop is pumping messages. A dialog still open ten seconds later is a
// failure and is closed with result 0.
class ModalScript {
 public:
  ModalScript(forms::FormView& window, std::function<void()> action)
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

  forms::FormView& window_;
  std::function<void()> action_;
  std::chrono::steady_clock::time_point deadline_;
  testing::ModalObserver observer_;
};

// A user's click on a button or check box of the dialog.
inline void Click(win::FormWindow& window, std::string_view name) {
  SendMessageA(window.Control(name), BM_CLICK, 0, 0);
}

// The real window behind a form the Win32 host made.
inline win::FormWindow& AsWindow(forms::FormView& form) { return dynamic_cast<win::FormWindow&>(form); }

inline bool BoxChecked(win::FormWindow& window, std::string_view name) {
  return SendMessageA(window.Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

struct ControlSearch {
  const char* className;
  const char* text;
  bool withText;  // only controls whose text is not empty
  HWND found;
};

inline BOOL CALLBACK MatchControl(HWND child, LPARAM parameter) {
  auto& search = *reinterpret_cast<ControlSearch*>(parameter);
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(child)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
  if (lstrcmpiA(name, search.className) == 0 && (!search.text || text == search.text) &&
      (!search.withText || !text.empty())) {
    search.found = child;
    return FALSE;
  }
  return TRUE;
}

// The first control of `className` anywhere inside `window` whose text is
// `text` (any text when null; any but the empty one with `withText`).
inline HWND FindControl(HWND window, const char* className, const char* text = nullptr, bool withText = false) {
  ControlSearch search{className, text, withText, nullptr};
  EnumChildWindows(window, &MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline BOOL CALLBACK MatchOwned(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<std::pair<HWND, HWND>*>(parameter);
  if (GetWindow(window, GW_OWNER) == search.first && IsWindowVisible(window)) {
    search.second = window;
    return FALSE;
  }
  return TRUE;
}

// A visible window of this thread that `owner` owns (a dialog it opened).
inline HWND OwnedWindow(HWND owner) {
  std::pair<HWND, HWND> search{owner, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchOwned, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// A click on the button or check box inside `window` whose caption is `caption`.
inline void ClickButton(HWND window, const char* caption) {
  const HWND button = FindControl(window, "Button", caption);
  ASSERT_NE(button, nullptr) << caption;
  SendMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace pavane::testing
