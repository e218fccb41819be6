#include "launch/run_dialog_win.h"

#include <string_view>

#include "launch/rom_title.h"
#include "launch/run_dialog_layout.h"

namespace pavane::win {

namespace {

constexpr unsigned kPollTimer = 1;
constexpr unsigned kPollMilliseconds = 500;
constexpr int kTerminateResult = 1;
constexpr int kEndedResult = 2;
constexpr std::string_view kNoRom = "No ROM specified";
constexpr std::string_view kRunning = "ZSNES is running";

}  // namespace

TRunDialog::TRunDialog(HWND owner, const std::string& currentRom) : form_(RunDialogLayout()) {
  form_.Create(owner);
  FormCreate(currentRom);
}

void TRunDialog::FormCreate(const std::string& currentRom) {
  if (currentRom.empty()) {
    form_.SetText("RomFileLabel", kNoRom);
    form_.SetText("RomTitleLabel", kNoRom);
  } else {
    form_.SetText("RomFileLabel", currentRom);
    form_.SetText("RomTitleLabel", GetRomTitle(currentRom));
  }
}

int TRunDialog::Watch(const EmulatorProcess& emulator) {
  emulator_ = &emulator;
  form_.StartTimer(kPollTimer, kPollMilliseconds, [this] { TimerTimer(); });
  const int result = form_.ShowModal();
  // After Close or Esc nobody watches the emulator any more.
  form_.StopTimer(kPollTimer);
  emulator_ = nullptr;
  if (result == kTerminateResult) emulator.Terminate();
  return result;
}

void TRunDialog::TimerTimer() {
  if (!emulator_->HasEnded()) {
    form_.SetText("StatusLabel", kRunning);
    form_.SetEnabled("TerminateBtn", true);
    return;
  }
  form_.SetText("StatusLabel", "");
  form_.StopTimer(kPollTimer);
  form_.SetEnabled("TerminateBtn", false);
  form_.EndModal(kEndedResult);
}

}  // namespace pavane::win
