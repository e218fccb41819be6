#include "launch/run_dialog.h"

#include <string_view>

#include "launch/rom_title.h"
#include "launch/run_dialog_layout.h"

namespace pavane {

namespace {

namespace ui = run_dialog;

constexpr std::string_view kNoRom = "No ROM specified";
constexpr std::string_view kRunning = "ZSNES is running";

}  // namespace

TRunDialog::TRunDialog(forms::FormHost& host, forms::FormView* owner, const std::string& currentRom)
    : window_(host.CreateForm(RunDialogLayout(), {}, owner)) {
  FormCreate(currentRom);
}

void TRunDialog::FormCreate(const std::string& currentRom) {
  if (currentRom.empty()) {
    window_->SetText(ui::RomFileLabel, kNoRom);
    window_->SetText(ui::RomTitleLabel, kNoRom);
  } else {
    window_->SetText(ui::RomFileLabel, currentRom);
    window_->SetText(ui::RomTitleLabel, GetRomTitle(currentRom));
  }
}

int TRunDialog::Watch(Emulator& emulator) {
  emulator_ = &emulator;
  window_->StartTimer(kPollTimer, kPollMilliseconds, [this] { TimerTimer(); });
  const int result = window_->ShowModal();
  // After Close or Esc nobody watches the emulator any more.
  window_->StopTimer(kPollTimer);
  emulator_ = nullptr;
  if (result == forms::kModalOk) emulator.Terminate();
  return result;
}

void TRunDialog::TimerTimer() {
  if (!emulator_->HasEnded()) {
    window_->SetText(ui::StatusLabel, kRunning);
    window_->SetEnabled(ui::TerminateBtn, true);
    return;
  }
  window_->SetText(ui::StatusLabel, "");
  window_->StopTimer(kPollTimer);
  window_->SetEnabled(ui::TerminateBtn, false);
  window_->EndModal(forms::kModalCancel);
}

}  // namespace pavane
