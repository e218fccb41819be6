#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace pavane::testing {

// Runs `step` every 50 ms from the thread's message loop (such as a modal
// dialog's) until it returns true; lets a test look at and click a window
// while the code under test is inside its modal loop. One at a time: thread
// timers carry no pointer of ours.
class ModalObserver {
 public:
  explicit ModalObserver(std::function<bool()> step) {
    step_ = std::move(step);
    timer_ = SetTimer(nullptr, 0, 50, &Tick);
  }
  ~ModalObserver() {
    KillTimer(nullptr, timer_);
    step_ = nullptr;
  }
  ModalObserver(const ModalObserver&) = delete;
  ModalObserver& operator=(const ModalObserver&) = delete;

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (!step_) return;
    // A copy: the step may start a nested modal loop that ticks again.
    const std::function<bool()> step = step_;
    if (step()) step_ = nullptr;
  }

  static inline std::function<bool()> step_;
  UINT_PTR timer_;
};

}  // namespace pavane::testing
