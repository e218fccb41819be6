// The controller picture as both dialogs show it: every red bar lies above
// the picture and ends on its button, read back from the screen. With
// PAVANE_SHOT_PAUSE_MS set each dialog stays up that long for a screenshot.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string_view>

#include "forms/form_tree.h"
#include "input/joy_map_dialog.h"
#include "input/key_translator_win.h"
#include "input/scan_key_dialog.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/window_script.h"
#include "win32/handles.h"

namespace pavane {
namespace {

win::Win32FormHost host;

// The colours of the picture's parts.
constexpr COLORREF kPad = RGB(52, 52, 60);
constexpr COLORREF kBarButton = RGB(84, 84, 94);
constexpr COLORREF kShoulder = RGB(150, 150, 162);
constexpr COLORREF kBlue = RGB(40, 70, 200);
constexpr COLORREF kRed = RGB(206, 36, 36);
constexpr COLORREF kYellow = RGB(228, 196, 30);
constexpr COLORREF kGreen = RGB(34, 146, 62);
constexpr COLORREF kMarker = RGB(255, 0, 0);

// The colour of the button each bar ends on; both dialogs name their bars alike.
const std::map<std::string_view, COLORREF> kButtonOfBar{
    {"Shape1", kPad},       {"Shape2", kBlue},     {"Shape3", kPad},      {"Shape4", kPad},
    {"Shape5", kPad},       {"Shape6", kShoulder}, {"Shape7", kShoulder}, {"Shape8", kBarButton},
    {"Shape9", kBarButton}, {"Shape10", kGreen},   {"Shape11", kRed},     {"Shape12", kYellow},
};

bool Near(COLORREF a, COLORREF b) {
  auto close = [](int x, int y) { return std::abs(x - y) <= 8; };
  return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) && close(GetBValue(a), GetBValue(b));
}

// The pixel just past the end of the bar that lies away from the field it
// meets (touching it, or up to a pixel short of it).
POINT BeyondFarEnd(const forms::Form& form, const forms::Bounds& bar) {
  for (const auto& control : form.controls) {
    if (control.kind != forms::Kind::Edit) continue;
    const auto& f = control.bounds;
    const bool meets = bar.left <= f.left + f.width + 1 && f.left - 1 <= bar.left + bar.width &&
                       bar.top <= f.top + f.height + 1 && f.top - 1 <= bar.top + bar.height;
    if (!meets) continue;
    if (bar.width > bar.height) {
      const bool fieldLeft = f.left + f.width / 2 < bar.left + bar.width / 2;
      return {fieldLeft ? bar.left + bar.width : bar.left - 1, bar.top + bar.height / 2};
    }
    const bool fieldAbove = f.top + f.height / 2 < bar.top + bar.height / 2;
    return {bar.left + bar.width / 2, fieldAbove ? bar.top + bar.height : bar.top - 1};
  }
  ADD_FAILURE() << "the bar meets no field";
  return {0, 0};
}

void CheckBars(win::FormWindow& window) {
  const forms::Form& form = window.Layout();
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  win::PumpMessages();
  const win::WindowDC shown(window.Handle());
  const HDC dc = shown.Get();
  for (const auto& control : form.controls) {
    if (control.kind != forms::Kind::Shape) continue;
    SCOPED_TRACE(std::string(control.name));
    const auto& bar = control.bounds;
    EXPECT_TRUE(Near(GetPixel(dc, bar.left + bar.width / 2, bar.top + bar.height / 2), kMarker)) << "above the picture";
    const POINT beyond = BeyondFarEnd(form, bar);
    const COLORREF seen = GetPixel(dc, beyond.x, beyond.y);
    EXPECT_TRUE(Near(seen, kButtonOfBar.at(control.name)))
        << "at " << beyond.x << ", " << beyond.y << " the colour is " << std::hex << seen;
  }
  if (const char* pause = std::getenv("PAVANE_SHOT_PAUSE_MS")) {
    const DWORD until = GetTickCount() + static_cast<DWORD>(std::atoi(pause));
    while (GetTickCount() < until) {
      win::PumpMessages();
      Sleep(20);
    }
  }
}

TEST(ControllerPicture, EveryBarOfTheKeyboardDialogEndsOnItsButton) {
  testing::ScriptedPrompter prompter;
  const SystemKeyTranslator keyboard;
  TScanKeyDialog dialog(host, nullptr, prompter, keyboard, "Pavane");
  win::FormWindow& window = testing::AsWindow(dialog.Window());
  Settings settings;
  testing::ModalScript script(window, [&] {
    CheckBars(window);
    PostMessageA(window.Control("CancelButton"), BM_CLICK, 0, 0);
  });
  dialog.Execute(settings, 0);
}

TEST(ControllerPicture, EveryBarOfTheJoystickDialogEndsOnItsButton) {
  TJoyMapDialog dialog(host, nullptr);
  win::FormWindow& window = testing::AsWindow(dialog.Window());
  std::string joyMap;
  testing::ModalScript script(window, [&] {
    CheckBars(window);
    PostMessageA(window.Control("CancelButton"), BM_CLICK, 0, 0);
  });
  dialog.Execute(joyMap);
}

}  // namespace
}  // namespace pavane
