// The engine's events by name and its run-time items, on a small form of its
// own: focus entry, key-down before the form's own keys, typed characters,
// list selection changes, entries and menu items added at run time, painted
// controls with their pointer events, and the hook of a form that handles
// messages itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/form_spec.h"
#include "tests/win32/form_test_support.h"
#include "win32/form_window.h"
#include "win32/handles.h"
#include "win32/painted_control.h"

namespace pavane {
namespace {

using forms::Kind;

constexpr std::array<std::string_view, 4> kEntries{"zero", "one", "two", "three"};

constexpr auto kControls = std::to_array<forms::Control>({
    {.kind = Kind::Edit,
     .name = "KeyEdit",
     .bounds = {8, 8, 100, 21},
     .tabOrder = 0,
     .tag = 4,
     .onEnter = "KeyEnter",
     .onKeyDown = "KeyDown",
     .onKeyPress = "KeyPress",
     .readOnly = true},
    {.kind = Kind::Edit, .name = "OtherEdit", .bounds = {8, 36, 100, 21}, .tabOrder = 1, .onEnter = "OtherEnter"},
    {.kind = Kind::ListBox,
     .name = "List",
     .bounds = {120, 8, 100, 80},
     .tabOrder = 2,
     .items = kEntries,
     .onClick = "ListClick",
     .multiSelect = true,
     .itemHeight = 13},
    {.kind = Kind::Button,
     .name = "OKBtn",
     .caption = "OK",
     .bounds = {8, 100, 75, 25},
     .tabOrder = 3,
     .onClick = "OKClick",
     .modalResult = forms::kModalOk,
     .isDefault = true},
    {.kind = Kind::Painted,
     .name = "Spot",
     .caption = "&Spot",
     .bounds = {120, 100, 40, 30},
     .tag = 9,
     .onClick = "SpotClick",
     .onMouseEnter = "SpotEnter",
     .onMouseLeave = "SpotLeave",
     .onMouseDown = "SpotDown",
     .onMouseUp = "SpotUp",
     .widget = "TestSpot"},
    {.kind = Kind::Bevel, .name = "FreeLine", .bounds = {0, 134, 240, 2}},
    {.kind = Kind::Bevel, .name = "FrameOverList", .bounds = {116, 4, 108, 88}},
});

constexpr auto kMenu = std::to_array<forms::MenuItem>({
    {0, "ListMenu", "&List"},
    {1, "Fixed", "Fixed", {}, "FixedClick"},
});

constexpr forms::Form kForm{.className = "TEventsForm",
                            .name = "EventsForm",
                            .caption = "Events",
                            .clientWidth = 240,
                            .clientHeight = 140,
                            .frame = forms::Frame::Single,
                            .controls = kControls,
                            .menu = kMenu};

// A windowless control that fills its place red and clicks when the button
// comes up over it.
class TestSpot : public win::PaintedControl {
 public:
  explicit TestSpot(win::PaintedSite& site) : PaintedControl(site) {}
  void Paint(HDC dc) override {
    const RECT bounds = Site().Bounds();
    win::UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &bounds, static_cast<HBRUSH>(red.Get()));
  }
  void PointerUp(POINT point) override {
    if (HitTest(point)) Site().RaiseClick();
  }
};

class FormEventsTest : public ::testing::Test {
 protected:
  FormEventsTest() {
    win::RegisterWidget("TestSpot", [](win::PaintedSite& site) { return std::make_unique<TestSpot>(site); });
    for (const auto name : {"KeyEnter", "KeyDown", "KeyPress", "OtherEnter", "ListClick", "OKClick", "SpotClick",
                            "SpotEnter", "SpotLeave", "SpotDown", "SpotUp", "FixedClick", "ItemClick"}) {
      form.Bind(name, [this, name](const forms::Event& event) {
        std::string call =
            std::string(name) + "(" + std::string(event.sender.name) + ":" + std::to_string(event.sender.tag) + ")";
        if (event.key) call += "#" + std::to_string(event.key);
        if (event.character) call += "'" + std::string(1, event.character);
        calls.push_back(call);
      });
    }
    form.Create();
    form.Show();
    win::PumpMessages();
    calls.clear();
  }
  ~FormEventsTest() override { testing::SetModifiers(0); }

  HWND Focus() const { return GetFocus(); }
  // The pointer really goes there first: the system tracks where it leaves.
  void Mouse(UINT message, int x, int y) {
    POINT screen{x, y};
    ClientToScreen(form.Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(form.Handle(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
    win::PumpMessages();
  }

  win::FormWindow form{kForm};
  std::vector<std::string> calls;
};

TEST_F(FormEventsTest, FocusEntryIsRaisedWhenTheFocusArrives) {
  form.Focus("OtherEdit");
  win::PumpMessages();
  testing::PressKey(VK_TAB, testing::kShift);
  EXPECT_EQ(form.FocusedControl(), "KeyEdit");
  form.Focus("KeyEdit");  // already there: no second entry
  win::PumpMessages();
  EXPECT_EQ(calls, (std::vector<std::string>{"OtherEnter(OtherEdit:0)", "KeyEnter(KeyEdit:4)"}));
}

TEST_F(FormEventsTest, KeyDownHearsEnterAndEscBeforeTheFormAndTabStillMoves) {
  form.Focus("KeyEdit");
  win::PumpMessages();
  calls.clear();
  testing::PressKey(VK_RETURN);
  testing::PressKey(VK_ESCAPE);
  testing::PressKey(VK_F11);
  // The keys go on to the field, which hears Enter and Esc as characters too.
  EXPECT_EQ(calls, (std::vector<std::string>{"KeyDown(KeyEdit:4)#13", "KeyPress(KeyEdit:4)'\r", "KeyDown(KeyEdit:4)#27",
                                             "KeyPress(KeyEdit:4)'\x1B", "KeyDown(KeyEdit:4)#122"}));
  EXPECT_TRUE(IsWindow(form.Handle())) << "neither key reached the default button or closed the form";
  calls.clear();
  testing::PressKey('A');
  EXPECT_EQ(calls, (std::vector<std::string>{"KeyDown(KeyEdit:4)#65", "KeyPress(KeyEdit:4)'a"}));
  EXPECT_EQ(form.Text("KeyEdit"), "") << "the field is read-only";
  calls.clear();
  testing::PressKey(VK_TAB);
  EXPECT_EQ(form.FocusedControl(), "OtherEdit");
  EXPECT_EQ(calls, (std::vector<std::string>{"OtherEnter(OtherEdit:0)"}));
}

TEST_F(FormEventsTest, ListEntriesChangeAtRunTimeWithSeveralSelected) {
  form.AddItem("List", "four");
  EXPECT_EQ(form.ItemCount("List"), 5);
  form.SetItemSelected("List", 1, true);
  form.SetItemSelected("List", 3, true);
  form.SetFocusedItem("List", 3);
  EXPECT_EQ(form.FocusedItem("List"), 3);
  form.MoveItem("List", 3, 2);
  EXPECT_EQ(form.ItemText("List", 2), "three");
  EXPECT_TRUE(form.ItemSelected("List", 2));
  EXPECT_TRUE(form.ItemSelected("List", 1));
  EXPECT_FALSE(form.ItemSelected("List", 3));
  form.RemoveItem("List", 1);
  EXPECT_EQ(form.ItemText("List", 1), "three");
  EXPECT_EQ(form.ItemCount("List"), 4);
  EXPECT_THROW(form.ItemText("List", 4), std::out_of_range);
  EXPECT_TRUE(calls.empty()) << "changes from code raise no selection change";

  // A click on the first entry selects it alone and is reported.
  const HWND list = form.Control("List");
  SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  SendMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
  win::PumpMessages();
  EXPECT_EQ(calls, (std::vector<std::string>{"ListClick(List:0)"}));
  EXPECT_TRUE(form.ItemSelected("List", 0));
  EXPECT_FALSE(form.ItemSelected("List", 1));
  EXPECT_EQ(form.FocusedItem("List"), 0);
  form.ClearItems("List");
  EXPECT_EQ(form.FocusedItem("List"), -1);
}

TEST_F(FormEventsTest, RunTimeMenuItemsShowTheirCaptionsLiterallyAndRaiseTheirHandler) {
  const HMENU menu = form.Menu("ListMenu");
  ASSERT_NE(menu, nullptr);
  form.AddMenuItem("ListMenu", {.name = "Item0", .caption = "C:\\R&D\\A.SMC", .tag = 0, .handler = "ItemClick"});
  form.AddMenuItem("ListMenu",
                   {.name = "Item1", .caption = "B.SMC", .tag = 1, .handler = "ItemClick", .breakColumn = true});
  ASSERT_EQ(GetMenuItemCount(menu), 3);
  EXPECT_EQ(testing::MenuText(menu, 1), "C:\\R&&D\\A.SMC");
  EXPECT_FALSE(GetMenuState(menu, 1, MF_BYPOSITION) & MF_MENUBARBREAK);
  EXPECT_TRUE(GetMenuState(menu, 2, MF_BYPOSITION) & MF_MENUBARBREAK);

  SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, 2), 0), 0);
  SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu, 0), 0), 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"ItemClick(Item1:1)", "FixedClick(Fixed:0)"}));

  form.RemoveMenuItem("ListMenu", "Item0");
  form.RemoveMenuItem("ListMenu", "Nothing");
  ASSERT_EQ(GetMenuItemCount(menu), 2);
  EXPECT_EQ(testing::MenuText(menu, 1), "B.SMC");
  EXPECT_THROW(form.AddMenuItem("NoMenu", {.name = "X", .caption = "X"}), std::logic_error);
  EXPECT_THROW(form.AddMenuItem("ListMenu", {.name = "X", .caption = "X", .handler = "Unbound"}), std::logic_error);
}

// An etched line over nothing is painted by its window, in the colours of the
// system's etched edge; one over another control keeps a window of its own.
TEST_F(FormEventsTest, ABevelOverNothingIsPaintedByItsWindow) {
  EXPECT_EQ(form.Control("FreeLine"), nullptr);
  EXPECT_NE(form.Control("FrameOverList"), nullptr);
  InvalidateRect(form.Handle(), nullptr, TRUE);
  UpdateWindow(form.Handle());
  win::WindowDC dc(form.Handle());
  EXPECT_EQ(GetPixel(dc.Get(), 10, 133), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(dc.Get(), 10, 134), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(GetPixel(dc.Get(), 10, 135), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(GetPixel(dc.Get(), 10, 136), GetSysColor(COLOR_BTNFACE));
}

TEST_F(FormEventsTest, PaintedControlsArePaintedAndFollowThePointer) {
  InvalidateRect(form.Handle(), nullptr, TRUE);
  UpdateWindow(form.Handle());
  {
    win::WindowDC dc(form.Handle());
    EXPECT_EQ(GetPixel(dc.Get(), 140, 115), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc.Get(), 100, 115), RGB(255, 0, 0));
  }
  Mouse(WM_MOUSEMOVE, 130, 110);
  Mouse(WM_MOUSEMOVE, 135, 112);  // still over it: nothing new
  Mouse(WM_LBUTTONDOWN, 135, 112);
  Mouse(WM_LBUTTONUP, 135, 112);
  Mouse(WM_LBUTTONDOWN, 135, 112);
  Mouse(WM_MOUSEMOVE, 60, 20);
  Mouse(WM_LBUTTONUP, 60, 20);  // released outside: no click
  EXPECT_EQ(calls,
            (std::vector<std::string>{"SpotEnter(Spot:9)", "SpotDown(Spot:9)", "SpotClick(Spot:9)", "SpotUp(Spot:9)",
                                      "SpotDown(Spot:9)", "SpotLeave(Spot:9)", "SpotUp(Spot:9)"}));
  calls.clear();
  EXPECT_EQ(form.Text("Spot"), "&Spot");
  testing::SetModifiers(0);
  PostMessageA(form.Handle(), WM_SYSCHAR, 's', 0x20000001);
  win::PumpMessages();
  EXPECT_EQ(calls, (std::vector<std::string>{"SpotClick(Spot:9)"}));
  form.SetEnabled("Spot", false);
  EXPECT_FALSE(form.Enabled("Spot"));
  Mouse(WM_MOUSEMOVE, 130, 110);
  EXPECT_EQ(calls.size(), 1u) << "a disabled painted control takes no pointer";
}

TEST_F(FormEventsTest, AFormThatHandlesAMessageItselfAnswersIt) {
  form.SetMessageHook([](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (message != WM_USER + 7) return std::nullopt;
    return static_cast<LRESULT>(wParam * 2);
  });
  EXPECT_EQ(SendMessageA(form.Handle(), WM_USER + 7, 21, 0), 42);
  EXPECT_EQ(form.Caption(), "Events") << "every other message still has its handling";
}

TEST_F(FormEventsTest, AMisspeltControlNameFailsLoudly) {
  EXPECT_THROW(form.Text("KeyEdt"), std::logic_error);
  EXPECT_THROW(form.Checked("KeyEdit"), std::logic_error);  // an edit has no check state
  EXPECT_THROW(form.ItemCount("OKBtn"), std::logic_error);
}

}  // namespace
}  // namespace pavane
