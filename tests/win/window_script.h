#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "tests/win/modal_observer.h"

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
