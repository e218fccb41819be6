#pragma once

#include <windows.h>

#include <string>

#include "launch/emulator_process_win.h"
#include "win32/form_window.h"

namespace pavane::win {

// The small dialog that watches a running emulator: it polls the process every
// 500 ms, says "ZSNES is running", offers to terminate it, and closes by itself
// when the emulator ends.
class TRunDialog {
 public:
  // Creates the dialog hidden, owned by `owner`, with the ROM's file name and
  // title filled in; the ROM is read here, before the emulator starts.
  TRunDialog(HWND owner, const std::string& currentRom);

  // Shows the dialog modally while polling `emulator`, and returns its modal
  // result. Terminate (result 1) ends the emulator; every other way of closing
  // leaves it running unwatched.
  int Watch(const EmulatorProcess& emulator);

  // The dialog's window and controls.
  FormWindow& Form() { return form_; }

 private:
  void FormCreate(const std::string& currentRom);
  void TimerTimer();

  FormWindow form_;
  const EmulatorProcess* emulator_ = nullptr;
};

}  // namespace pavane::win
