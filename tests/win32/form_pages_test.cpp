// The controls of a hidden page are made when the page first shows or one of
// them is looked up; until then the page window is empty, and what the code
// set on them before is there once the page shows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "forms/form_spec.h"
#include "tests/win32/form_test_support.h"
#include "win32/form_window.h"

namespace pavane {
namespace {

using forms::Kind;

constexpr forms::Bounds kPage{4, 24, 192, 112};

constexpr auto kControls = std::to_array<forms::Control>({
    {.kind = Kind::PageControl, .name = "Pages", .bounds = {8, 8, 200, 140}, .tabOrder = 0},
    {.kind = Kind::Page, .name = "First", .parent = "Pages", .caption = "&First", .bounds = kPage, .tabOrder = 0},
    {.kind = Kind::Page, .name = "Second", .parent = "Pages", .caption = "&Second", .bounds = kPage, .tabOrder = 1},
    {.kind = Kind::Edit, .name = "NameEdit", .parent = "First", .bounds = {8, 8, 100, 21}, .tabOrder = 0},
    {.kind = Kind::GroupBox, .name = "Frame", .parent = "Second", .caption = "Frame", .bounds = {8, 4, 170, 60}},
    {.kind = Kind::Label,
     .name = "CountLabel",
     .parent = "Frame",
     .caption = "&Count:",
     .bounds = {8, 20, 40, 13},
     .focuses = "CountEdit"},
    {.kind = Kind::Edit, .name = "CountEdit", .parent = "Frame", .bounds = {56, 16, 40, 21}, .tabOrder = 0},
    {.kind = Kind::UpDown,
     .name = "CountSpin",
     .parent = "Frame",
     .bounds = {96, 16, 15, 21},
     .rangeMin = 0,
     .rangeMax = 9,
     .position = 5,
     .buddy = "CountEdit"},
    {.kind = Kind::CheckBox,
     .name = "LaterCheck",
     .parent = "Second",
     .caption = "&Later",
     .bounds = {8, 72, 100, 17},
     .tabOrder = 0},
});

constexpr forms::Form kForm{.className = "TPagesTest",
                            .name = "PagesTest",
                            .caption = "Pages test",
                            .clientWidth = 216,
                            .clientHeight = 156,
                            .frame = forms::Frame::Single,
                            .controls = kControls};

int ChildCount(HWND window) {
  int count = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

class FormPagesTest : public ::testing::Test {
 protected:
  FormPagesTest() {
    form.Create();
    form.Show();
    win::PumpMessages();
  }

  // The page window itself is there from the start; looking it up makes nothing.
  HWND PageWindow(std::string_view name) { return form.Control(name); }

  void PressAlt(char letter) {
    const HWND focus = GetFocus();
    PostMessageA(focus ? focus : form.Handle(), WM_SYSCHAR, static_cast<unsigned char>(letter), 0x20000001);
    win::PumpMessages();
  }

  win::FormWindow form{kForm};
};

TEST_F(FormPagesTest, AHiddenPageIsMadeWhenItsTabIsChosen) {
  EXPECT_EQ(ChildCount(PageWindow("First")), 1);
  EXPECT_EQ(ChildCount(PageWindow("Second")), 0);

  const HWND tabs = form.Control("Pages");
  SendMessageA(tabs, TCM_SETCURSEL, 1, 0);
  NMHDR change{tabs, static_cast<UINT_PTR>(GetDlgCtrlID(tabs)), static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageA(GetParent(tabs), WM_NOTIFY, change.idFrom, reinterpret_cast<LPARAM>(&change));
  win::PumpMessages();

  EXPECT_TRUE(IsWindowVisible(PageWindow("Second")));
  EXPECT_EQ(ChildCount(PageWindow("Second")), 5);  // the group box's controls are its siblings
  const HWND spin = form.Control("CountSpin");
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(spin, UDM_GETBUDDY, 0, 0)), form.Control("CountEdit"));
  EXPECT_EQ(form.Text("CountEdit"), "5");
  EXPECT_EQ(form.Position("CountSpin"), 5);
  EXPECT_EQ(GetParent(form.Control("LaterCheck")), PageWindow("Second"));
}

TEST_F(FormPagesTest, WhatIsSetOnAHiddenPageIsThereWhenItShows) {
  form.SetChecked("LaterCheck", true);
  form.SetPosition("CountSpin", 7);
  EXPECT_FALSE(IsWindowVisible(PageWindow("Second"))) << "looking a control up does not show its page";
  EXPECT_TRUE(form.Checked("LaterCheck"));

  form.ShowPage("Second");
  EXPECT_TRUE(IsWindowVisible(form.Control("LaterCheck")));
  EXPECT_EQ(SendMessageA(form.Control("LaterCheck"), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(testing::WindowText(form.Control("CountEdit")), "7");
}

TEST_F(FormPagesTest, KeysReachAPageMadeLater) {
  // Alt+S chooses the second page by its caption; its controls then take
  // their own letters and Tab.
  PressAlt('s');
  ASSERT_TRUE(IsWindowVisible(PageWindow("Second")));
  PressAlt('c');
  EXPECT_EQ(GetFocus(), form.Control("CountEdit"));
  testing::PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), form.Control("LaterCheck"));
  PressAlt('l');
  EXPECT_TRUE(form.Checked("LaterCheck"));
}

TEST_F(FormPagesTest, FocusingAControlOnAHiddenPageShowsIt) {
  form.Focus("CountEdit");
  EXPECT_TRUE(IsWindowVisible(PageWindow("Second")));
  EXPECT_FALSE(IsWindowVisible(PageWindow("First")));
  EXPECT_EQ(GetFocus(), form.Control("CountEdit"));
}

}  // namespace
}  // namespace pavane
