#pragma once

#include <memory>
#include <string>

#include "forms/form_view.h"
#include "launch/emulator.h"

namespace pavane {

// The small dialog that watches a running emulator: it polls it every 500 ms,
// says "ZSNES is running", offers to terminate it, and closes by itself when
// the emulator ends.
class TRunDialog {
 public:
  static constexpr unsigned kPollTimer = 1;
  static constexpr unsigned kPollMilliseconds = 500;

  // Creates the dialog hidden, owned by `owner`, with the ROM's file name and
  // title filled in; the ROM is read here, before the emulator starts.
  TRunDialog(forms::FormHost& host, forms::FormView* owner, const std::string& currentRom);

  // Shows the dialog modally while polling `emulator`, and returns its modal
  // result. Terminate (OK) ends the emulator; every other way of closing
  // leaves it running unwatched.
  int Watch(Emulator& emulator);

  forms::FormView& Window() { return *window_; }

 private:
  void FormCreate(const std::string& currentRom);
  void TimerTimer();

  Emulator* emulator_ = nullptr;
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
