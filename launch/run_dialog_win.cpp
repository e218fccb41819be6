#include "launch/run_dialog_win.h"

#include <optional>

#include "launch/rom_title.h"
#include "launch/run_dialog_layout.h"
#include "win32/handle.h"

namespace pavane::win {

namespace {

constexpr unsigned kPollTimer = 1;
constexpr unsigned kPollMilliseconds = 500;
constexpr int kTerminateResult = 1;
constexpr int kEndedResult = 2;
constexpr std::string_view kNoRom = "No ROM specified";
constexpr std::string_view kRunning = "ZSNES is running";

// Labels of this dialog grow and shrink with their text, measured in the
// label's own font the way the label draws it ("&" marks an accelerator).
void SizeLabelToText(HWND label) {
  const int length = GetWindowTextLengthA(label);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(label, text.data(), length + 1)));
  WindowDC dc(label);
  if (!dc.Get()) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(label, WM_GETFONT, 0, 0));
  std::optional<SelectedObject> selected;
  if (font) selected.emplace(dc.Get(), font);
  RECT bounds{};
  DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &bounds, DT_CALCRECT | DT_SINGLELINE);
  SetWindowPos(label, nullptr, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

TRunDialog::TRunDialog(HWND owner, const std::string& currentRom) : form_(RunDialogLayout()) {
  form_.Create(owner);
  FormCreate(currentRom);
}

void TRunDialog::FormCreate(const std::string& currentRom) {
  for (std::string_view name : {"Label1", "Label2", "Label3", "StatusLabel"}) SizeLabelToText(form_.Control(name));
  if (currentRom.empty()) {
    SetLabel("RomFileLabel", kNoRom);
    SetLabel("RomTitleLabel", kNoRom);
  } else {
    SetLabel("RomFileLabel", currentRom);
    SetLabel("RomTitleLabel", GetRomTitle(currentRom));
  }
}

void TRunDialog::SetLabel(std::string_view name, std::string_view text) {
  form_.SetText(name, text);
  SizeLabelToText(form_.Control(name));
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
    SetLabel("StatusLabel", kRunning);
    form_.SetEnabled("TerminateBtn", true);
    return;
  }
  SetLabel("StatusLabel", "");
  form_.StopTimer(kPollTimer);
  form_.SetEnabled("TerminateBtn", false);
  form_.EndModal(kEndedResult);
}

}  // namespace pavane::win
