#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "launch/emulator_process_win.h"
#include "launch/run_dialog.h"
#include "launch/run_dialog_layout.h"
#include "tests/win32/launch/launch_test_support.h"
#include "win32/form_window.h"

namespace pavane::win {
namespace {

using testing::ModalObserver;
using testing::RomImage;
using testing::ScopedEnvironment;
using testing::StandInFolder;
using testing::WaitForExit;
using Clock = std::chrono::steady_clock;

constexpr std::string_view kRunning = "ZSNES is running";

int Width(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect.right - rect.left;
}

// Finds the tooltips owned by the window `found` holds, in its place.
BOOL CALLBACK FindTooltips(HWND window, LPARAM found) {
  HWND& owner = *reinterpret_cast<HWND*>(found);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string_view(name) != TOOLTIPS_CLASSA || GetWindow(window, GW_OWNER) != owner) return TRUE;
  owner = window;
  return FALSE;
}

// The text the form's tooltips show over `control`, asked for as they ask for it.
std::string TipOf(FormWindow& form, HWND control) {
  HWND tips = form.Handle();
  EnumThreadWindows(GetCurrentThreadId(), FindTooltips, reinterpret_cast<LPARAM>(&tips));
  if (tips == form.Handle()) return "(no tooltips)";
  NMTTDISPINFOA info{};
  info.hdr = {tips, reinterpret_cast<UINT_PTR>(control), TTN_GETDISPINFOA};
  SendMessageA(GetParent(control), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
  return info.lpszText ? info.lpszText : "(no text)";
}

EmulatorProcess& ProcessOf(const EmulatorStart& started) { return static_cast<EmulatorProcess&>(*started.emulator); }

FormWindow& Form(TRunDialog& dialog) { return static_cast<FormWindow&>(dialog.Window()); }

// Presses a button the way a click does: the dialog gets its BN_CLICKED.
void Click(FormWindow& form, std::string_view button) {
  const HWND control = form.Control(button);
  SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
               reinterpret_cast<LPARAM>(control));
}

// What a test saw of the dialog on each observer tick.
struct Seen {
  std::vector<std::string> statuses;
  bool terminateEnabled = false;
  bool ownerDisabled = false;

  // Notes the status and the Terminate button on each tick, never ending the watch.
  bool Record(TRunDialog& dialog) {
    statuses.push_back(Form(dialog).Text("StatusLabel"));
    terminateEnabled |= IsWindowEnabled(Form(dialog).Control("TerminateBtn")) != FALSE;
    return false;
  }
};

class RunDialogTest : public ::testing::Test {
 protected:
  EmulatorStart Start() { return StartEmulator(standIn_.Directory() + "ZSNES.EXE", ""); }

  StandInFolder standIn_;
  ScopedEnvironment record_{"PAVANE_STANDIN_RECORD", standIn_.RecordPath()};
  Win32FormHost host_;
};

TEST_F(RunDialogTest, FormCreateShowsRomFileAndTitle) {
  const std::string rom = standIn_.Temp().Write("Star & Moon.smc", RomImage("STAR & MOON"));
  TRunDialog dialog(host_, nullptr, rom);
  FormWindow& form = Form(dialog);
  EXPECT_EQ(form.Text("RomFileLabel"), rom);
  EXPECT_EQ(form.Text("RomTitleLabel"), "STAR & MOON          ");
  EXPECT_EQ(form.Text("StatusLabel"), "");
  EXPECT_FALSE(IsWindowEnabled(form.Control("TerminateBtn")));
  EXPECT_FALSE(IsWindowVisible(form.Handle()));

  TRunDialog noRom(host_, nullptr, "");
  EXPECT_EQ(Form(noRom).Text("RomFileLabel"), "No ROM specified");
  EXPECT_EQ(Form(noRom).Text("RomTitleLabel"), "No ROM specified");
  // The title takes the width of its text; the path keeps the label's width
  // inside the dialog, its middle left out, "&" shown as it is, and the
  // whole of it in the label's tip.
  EXPECT_GT(Width(form.Control("RomTitleLabel")), Width(Form(noRom).Control("RomTitleLabel")) / 2);
  const HWND path = form.Control("RomFileLabel");
  EXPECT_EQ(Width(path), Width(Form(noRom).Control("RomFileLabel")));
  RECT label{}, client{};
  GetWindowRect(path, &label);
  GetClientRect(form.Handle(), &client);
  MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&label), 2);
  EXPECT_LE(label.right, client.right);
  EXPECT_EQ(GetWindowLongA(path, GWL_STYLE) & (SS_PATHELLIPSIS | SS_NOPREFIX), SS_PATHELLIPSIS | SS_NOPREFIX);
  EXPECT_EQ(TipOf(form, path), rom);
}

TEST_F(RunDialogTest, ShowsRunningThenClosesItselfWhenTheEmulatorEnds) {
  ScopedEnvironment runFor("PAVANE_STANDIN_RUN_MS", "1500");
  EmulatorStart started = Start();
  ASSERT_TRUE(started.emulator);
  TRunDialog dialog(host_, nullptr, "");
  Seen seen;
  ModalObserver observer([&] { return seen.Record(dialog); });
  EXPECT_EQ(dialog.Watch(*started.emulator), 2);
  EXPECT_TRUE(started.emulator->HasEnded());
  ASSERT_FALSE(seen.statuses.empty());
  EXPECT_EQ(seen.statuses.front(), "") << "nothing is shown before the first tick";
  EXPECT_NE(std::find(seen.statuses.begin(), seen.statuses.end(), kRunning), seen.statuses.end());
  EXPECT_TRUE(seen.terminateEnabled);
}

TEST_F(RunDialogTest, EmulatorGoneBeforeTheFirstTickClosesWithoutRunning) {
  ScopedEnvironment runFor("PAVANE_STANDIN_RUN_MS", "0");
  EmulatorStart started = Start();
  ASSERT_TRUE(started.emulator);
  ASSERT_TRUE(WaitForExit(ProcessOf(started).Handle()));
  TRunDialog dialog(host_, nullptr, "");
  Seen seen;
  ModalObserver observer([&] { return seen.Record(dialog); });
  const auto begin = Clock::now();
  EXPECT_EQ(dialog.Watch(*started.emulator), 2);
  const auto elapsed = Clock::now() - begin;
  EXPECT_GE(elapsed, std::chrono::milliseconds(400)) << "the first tick comes after 500 ms";
  EXPECT_LT(elapsed, std::chrono::milliseconds(2500)) << "and it closes the dialog";
  EXPECT_EQ(std::find(seen.statuses.begin(), seen.statuses.end(), kRunning), seen.statuses.end());
  EXPECT_FALSE(seen.terminateEnabled);
}

TEST_F(RunDialogTest, TerminateEndsTheEmulatorWithExitCodeZero) {
  ScopedEnvironment forever("PAVANE_STANDIN_RUN_MS", "forever");
  ScopedEnvironment exitCode("PAVANE_STANDIN_EXIT_CODE", "5");
  EmulatorStart started = Start();
  ASSERT_TRUE(started.emulator);
  TRunDialog dialog(host_, nullptr, "");
  ModalObserver observer([&] {
    if (!IsWindowEnabled(Form(dialog).Control("TerminateBtn"))) return false;
    Click(Form(dialog), "TerminateBtn");
    return true;
  });
  EXPECT_EQ(dialog.Watch(*started.emulator), 1);
  ASSERT_TRUE(WaitForExit(ProcessOf(started).Handle()));
  EXPECT_EQ(ProcessOf(started).ExitCode(), 0u);
}

TEST_F(RunDialogTest, CloseLeavesTheEmulatorRunningAndTheOwnerUsable) {
  ScopedEnvironment forever("PAVANE_STANDIN_RUN_MS", "forever");
  EmulatorStart started = Start();
  ASSERT_TRUE(started.emulator);
  FormWindow owner(RunDialogLayout());
  owner.Create();
  owner.Show();
  TRunDialog dialog(host_, &owner, "");
  Seen seen;
  ModalObserver observer([&] {
    seen.ownerDisabled |= !IsWindowEnabled(owner.Handle());
    if (Form(dialog).Text("StatusLabel") != kRunning) return false;
    Click(Form(dialog), "CancelBtn");
    return true;
  });
  EXPECT_EQ(dialog.Watch(*started.emulator), 2);
  EXPECT_TRUE(seen.ownerDisabled);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(WaitForExit(ProcessOf(started).Handle(), std::chrono::milliseconds(1200)))
      << "closing the dialog must not end the emulator";
  EXPECT_EQ(ProcessOf(started).ExitCode(), static_cast<DWORD>(STILL_ACTIVE));
  started.emulator->Terminate();
  EXPECT_TRUE(WaitForExit(ProcessOf(started).Handle()));
}

}  // namespace
}  // namespace pavane::win
