#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>

namespace pavane::testing {

// Plays the user's part in a modal window the code under test opens itself:
// once a top-level window with `caption` shows up, `action` runs on it. A
// window that never shows up within ten seconds fails the test.
class WindowScript {
 public:
  WindowScript(std::string caption, std::function<void(HWND)> action) {
    caption_ = std::move(caption);
    action_ = std::move(action);
    deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    timer_ = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~WindowScript() {
    KillTimer(nullptr, timer_);
    EXPECT_FALSE(action_) << "no window \"" << caption_ << "\" appeared";
    action_ = nullptr;
  }
  WindowScript(const WindowScript&) = delete;
  WindowScript& operator=(const WindowScript&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!action_) return;
    const HWND window = FindWindowA(nullptr, caption_.c_str());
    if (window && IsWindowVisible(window)) {
      KillTimer(nullptr, timer_);
      std::function<void(HWND)> action = std::move(action_);
      action_ = nullptr;
      action(window);
    } else if (std::chrono::steady_clock::now() > deadline_) {
      KillTimer(nullptr, timer_);
    }
  }

  static inline std::string caption_;
  static inline std::function<void(HWND)> action_;
  static inline std::chrono::steady_clock::time_point deadline_;
  static inline UINT_PTR timer_ = 0;
};

struct ControlSearch {
  const char* className;
  const char* text;
  HWND found;
};

inline BOOL CALLBACK MatchControl(HWND child, LPARAM parameter) {
  auto& search = *reinterpret_cast<ControlSearch*>(parameter);
  char name[64] = {};
  GetClassNameA(child, name, sizeof name);
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(child)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
  if (lstrcmpiA(name, search.className) == 0 && (!search.text || text == search.text)) {
    search.found = child;
    return FALSE;
  }
  return TRUE;
}

// The first control of `className` anywhere inside `window` whose text is
// `text` (any text when null).
inline HWND FindControl(HWND window, const char* className, const char* text = nullptr) {
  ControlSearch search{className, text, nullptr};
  EnumChildWindows(window, &MatchControl, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// A click on the button or check box inside `window` whose caption is `caption`.
inline void ClickButton(HWND window, const char* caption) {
  const HWND button = FindControl(window, "Button", caption);
  ASSERT_NE(button, nullptr) << caption;
  SendMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace pavane::testing
