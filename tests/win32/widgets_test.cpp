// The gradient caption and the flat toolbar buttons of the real main window,
// read back from its pixels: the caption's gradient, text and states, the
// stored caption, the grey and coloured glyphs, and presses that fire no click.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "app/main_form_layout.h"
#include "app/program_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"
#include "tests/win32/user_input.h"
#include "tests/win32/window_script.h"
#include "widgets/explorer_button_win.h"
#include "widgets/gradient_form_win.h"
#include "win32/handles.h"

namespace pavane {
namespace {

// Close enough: the last band is stretched over by the one before it.
bool Near(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= 8 && std::abs(GetGValue(a) - GetGValue(b)) <= 8 &&
         std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

class GradientCaptionTest : public testing::ProgramFixture {
 protected:
  GradientCaptionTest() {
    Window().Show();
    SetForegroundWindow(Window().Handle());
    SetActiveWindow(Window().Handle());
    win::PumpMessages();
  }

  // The caption bar in window coordinates.
  RECT Caption() {
    RECT window;
    GetWindowRect(Window().Handle(), &window);
    const int frameX = GetSystemMetrics(SM_CXDLGFRAME);
    const int frameY = GetSystemMetrics(SM_CYDLGFRAME);
    return {frameX, frameY, window.right - window.left - frameX, frameY + GetSystemMetrics(SM_CYCAPTION) - 1};
  }
  // The caption's two ends and whether white text shows, as the screen
  // shows them: nothing asks for a repaint first.
  struct Ends {
    COLORREF left, right;
    bool whiteText;
  };
  Ends Read() {
    testing::user::Settle(150);
    RECT window;
    GetWindowRect(Window().Handle(), &window);
    RECT c = Caption();
    OffsetRect(&c, window.left, window.top);
    const testing::user::ScreenArea caption(c);
    const int middle = (c.top + c.bottom) / 2;
    const testing::user::ScreenArea text({c.left + 22, c.top + 2, c.left + 80, c.bottom - 2});
    return {caption.At(c.left, middle), caption.At(c.right - 1, c.top), text.Holds(RGB(255, 255, 255))};
  }

  // Gives `other` the activation, below the main window where it hides none of its caption.
  void ActivateAway(testing::RecordingForm& other) {
    RECT window;
    GetWindowRect(Window().Handle(), &window);
    SetWindowPos(other.window.Handle(), nullptr, window.left, window.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetActiveWindow(other.window.Handle());
    win::PumpMessages();
  }
};

TEST_F(GradientCaptionTest, RunsFromBlackToTheCaptionColourOfItsStateWithWhiteText) {
  const Ends active = Read();
  EXPECT_EQ(active.left, RGB(0, 0, 0));
  EXPECT_TRUE(Near(active.right, GetSysColor(COLOR_ACTIVECAPTION))) << std::hex << active.right;
  EXPECT_TRUE(active.whiteText);

  // Another window takes the activation.
  testing::RecordingForm other(MainFormLayout());
  ActivateAway(other);
  const Ends inactive = Read();
  EXPECT_EQ(inactive.left, RGB(0, 0, 0));
  EXPECT_TRUE(Near(inactive.right, GetSysColor(COLOR_INACTIVECAPTION))) << std::hex << inactive.right;
  EXPECT_TRUE(inactive.whiteText);
}

TEST_F(GradientCaptionTest, NeverMeansASolidFillOfTheState) {
  widgets::TGradientForm& caption = program->Caption();
  caption.SetPaintGradient(widgets::TGradientForm::PaintWhen::Never);
  const Ends solid = Read();
  EXPECT_EQ(solid.left, GetSysColor(COLOR_ACTIVECAPTION));
  caption.SetGradientStartColor(0x0000FF);  // red
  caption.SetPaintGradient(widgets::TGradientForm::PaintWhen::Always);
  EXPECT_EQ(Read().left, RGB(255, 0, 0));
}

// The same ROM chosen twice sets the caption to the text it has; neither
// that, nor a message box over the window, nor the activation going and
// coming back may leave the system's own caption on the screen.
TEST_F(GradientCaptionTest, StaysOnTheScreenWhenTheSameRomIsChosenTwiceAndUnderAMessageBox) {
  auto expectGradient = [this](const char* when, bool active) {
    const Ends seen = Read();
    EXPECT_EQ(seen.left, RGB(0, 0, 0)) << when;
    EXPECT_TRUE(Near(seen.right, GetSysColor(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION)))
        << when << ": " << std::hex << seen.right;
    EXPECT_TRUE(seen.whiteText) << when;
  };
  prompter.OpenAnswer("C:\\ROMS\\GAME.SMC").OpenAnswer("C:\\ROMS\\GAME.SMC");
  testing::user::Press({VK_CONTROL, 'O'});
  ASSERT_EQ(Window().Caption(), "C:\\ROMS\\GAME.SMC - Pavane");
  expectGradient("a ROM chosen", true);
  testing::user::Press({VK_CONTROL, 'O'});
  EXPECT_EQ(prompter.Requests().size(), 2u);
  expectGradient("the same ROM chosen again", true);

  {
    testing::WindowScript user("A question", [&](HWND box) {
      expectGradient("under a message box", false);
      testing::ClickButton(box, "OK");
    });
    MessageBoxA(Window().Handle(), "Over the main window", "A question", MB_OK);
  }
  expectGradient("after the message box", true);

  testing::RecordingForm other(MainFormLayout());
  ActivateAway(other);
  expectGradient("another window active", false);
  SetActiveWindow(Window().Handle());
  expectGradient("active again", true);
}

TEST_F(GradientCaptionTest, WindowTextQueriesAreAnsweredFromTheStoredCaption) {
  Window().SetCaption("C:\\ROMS\\GAME.SMC - Pavane");
  EXPECT_EQ(Window().Caption(), "C:\\ROMS\\GAME.SMC - Pavane");
  EXPECT_EQ(program->Caption().Caption(), "C:\\ROMS\\GAME.SMC - Pavane");
  char small[5] = "xxxx";
  EXPECT_EQ(SendMessageA(Window().Handle(), WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 4);
  EXPECT_STREQ(small, "C:\\R");
  EXPECT_EQ(SendMessageA(Window().Handle(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(small)), 0);
  EXPECT_EQ(SendMessageA(Window().Handle(), WM_GETTEXTLENGTH, 0, 0), 25);
}

// Whether any pixel of the button's place on the toolbar has this colour.
bool ButtonShows(win::FormWindow& window, std::string_view name, COLORREF colour) {
  const HWND toolbar = window.Control("ToolBar");
  UpdateWindow(toolbar);

  const auto& b = window.Spec(name).bounds;
  const win::WindowDC dc(toolbar);
  bool found = false;
  for (int y = b.top; y < b.top + b.height && !found; ++y) {
    for (int x = b.left; x < b.left + b.width && !found; ++x) found = GetPixel(dc.Get(), x, y) == colour;
  }
  return found;
}

TEST_F(GradientCaptionTest, TheToolbarGlyphIsGreyUntilThePointerIsOverItsButton) {
  win::FormWindow& window = Window();
  const HWND toolbar = window.Control("ToolBar");
  const COLORREF darkBlue = RGB(0, 0, 128);  // the play triangle
  testing::PointerAt(toolbar, WM_MOUSEMOVE, 2, 2);
  EXPECT_FALSE(ButtonShows(window, "RunButton", darkBlue));
  EXPECT_TRUE(ButtonShows(window, "RunButton", GetSysColor(COLOR_BTNSHADOW)));
  const POINT middle = testing::MiddleOf(window, "RunButton");
  testing::PointerAt(toolbar, WM_MOUSEMOVE, middle.x, middle.y);
  EXPECT_TRUE(ButtonShows(window, "RunButton", darkBlue));
  EXPECT_TRUE(ButtonShows(window, "RunButton", GetSysColor(COLOR_BTNHIGHLIGHT))) << "the raised frame";
  if (const char* shot = std::getenv("PAVANE_HOVER_PAUSE_MS")) Sleep(static_cast<DWORD>(std::atoi(shot)));
  testing::PointerAt(toolbar, WM_MOUSEMOVE, 2, 2);
  EXPECT_FALSE(ButtonShows(window, "RunButton", darkBlue));
}

TEST(ExplorerButtonPress, AReleaseOutsideTheButtonFiresNoClickAndOneInsideDoes) {
  testing::RecordingForm form(MainFormLayout());
  const HWND toolbar = form.window.Control("ToolBar");
  const POINT middle = testing::MiddleOf(form.window, "RunButton");
  testing::PointerAt(toolbar, WM_MOUSEMOVE, middle.x, middle.y);
  testing::PointerAt(toolbar, WM_LBUTTONDOWN, middle.x, middle.y);
  testing::PointerAt(toolbar, WM_MOUSEMOVE, 300, 20);
  testing::PointerAt(toolbar, WM_LBUTTONUP, 300, 20);
  EXPECT_TRUE(form.calls.empty());
  testing::ClickPainted(form.window, "RunButton");
  EXPECT_EQ(form.calls, std::vector<std::string>{"RunClick"});
  form.window.SetEnabled("RunButton", false);
  testing::ClickPainted(form.window, "RunButton");
  form.window.ShowPage("SwitchesTab");  // where no other control, tab or menu has the letter R
  form.PressAlt('r');
  EXPECT_EQ(form.calls.size(), 1u) << "a disabled button takes neither pointer nor accelerator";
}

enum class Look { Flat, Raised, Sunken };

// How a toolbar button looks on the screen: its top-left corner is light in
// the raised frame and dark in the sunken one.
Look LookOf(const win::FormWindow& window, std::string_view name) {
  const auto& b = window.Spec(name).bounds;
  POINT corner{b.left, b.top};
  ClientToScreen(window.Control("ToolBar"), &corner);
  const COLORREF seen =
      testing::user::ScreenArea({corner.x, corner.y, corner.x + 1, corner.y + 1}).At(corner.x, corner.y);
  if (seen == GetSysColor(COLOR_BTNSHADOW)) return Look::Sunken;
  if (seen == GetSysColor(COLOR_BTNHIGHLIGHT)) return Look::Raised;
  return Look::Flat;
}

// The pointer is taken away from a button held down on it: by another
// window's capture, by the system's cancel (a dialog coming up) or by a
// message box. Each time the button stands up again, lit while the pointer
// is over it, and the release fires nothing.
TEST(ExplorerButtonPress, ItStandsUpAgainAndFiresNothingWhenThePointerIsTakenAway) {
  testing::RecordingForm other(MainFormLayout());
  testing::RecordingForm form(MainFormLayout());
  RECT below;
  GetWindowRect(form.window.Handle(), &below);
  SetWindowPos(other.window.Handle(), nullptr, below.left, below.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetForegroundWindow(form.window.Handle());
  const HWND toolbar = form.window.Control("ToolBar");
  testing::user::MoveTo(toolbar, testing::MiddleOf(form.window, "RunButton"));
  auto takeAway = [&](const char* how, const std::function<void()>& take) {
    SetForegroundWindow(form.window.Handle());
    testing::user::LeftButton(true);
    EXPECT_EQ(LookOf(form.window, "RunButton"), Look::Sunken) << how;
    take();
    testing::user::Settle();
    EXPECT_EQ(LookOf(form.window, "RunButton"), Look::Raised) << how;
    testing::user::LeftButton(false);
    ReleaseCapture();
    EXPECT_TRUE(form.calls.empty()) << how;
  };
  takeAway("another window's capture", [&] { SetCapture(other.window.Handle()); });
  takeAway("the system's cancel", [&] { SendMessageA(form.window.Handle(), WM_CANCELMODE, 0, 0); });
  takeAway("a message box", [&] {
    testing::WindowScript user("A question", [&](HWND box) {
      EXPECT_NE(LookOf(form.window, "RunButton"), Look::Sunken) << "under the message box";
      testing::ClickButton(box, "OK");
    });
    MessageBoxA(form.window.Handle(), "Over the main window", "A question", MB_OK);
  });
  testing::user::Click(toolbar, testing::MiddleOf(form.window, "RunButton"));
  EXPECT_EQ(form.calls, std::vector<std::string>{"RunClick"}) << "a press that keeps the pointer clicks";
}

// Alt and the marked letter press the button as the pointer would: the user
// sees it sunk before it comes up and fires, and flat again afterwards.
TEST(ExplorerButtonPress, ItsAcceleratorShowsItSunkenBeforeTheClick) {
  testing::RecordingForm form(MainFormLayout());
  form.window.ShowPage("SwitchesTab");  // where no other control, tab or menu has the letter R
  SetForegroundWindow(form.window.Handle());
  testing::user::MoveTo(form.window.Handle(), {2, 300});
  std::atomic<bool> done = false;
  std::atomic<bool> sunkenSeen = false;
  std::thread watcher([&] {
    while (!done) {
      if (LookOf(form.window, "RunButton") == Look::Sunken) sunkenSeen = true;
      Sleep(2);
    }
  });
  testing::user::Press({VK_MENU, 'R'});
  done = true;
  watcher.join();
  EXPECT_TRUE(sunkenSeen);
  EXPECT_EQ(form.calls, std::vector<std::string>{"RunClick"});
  EXPECT_EQ(LookOf(form.window, "RunButton"), Look::Flat);
}

}  // namespace
}  // namespace pavane
