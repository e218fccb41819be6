// The real main window, built from its declared layout, read back from the
// windows themselves: places, captions, tab order, values, menus and keys.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/main_form_layout.h"
#include "tests/win32/form_test_support.h"
#include "win32/form_window.h"

namespace pavane {
namespace {

using forms::Kind;
using testing::RecordingForm;
using testing::RectInParent;

class MainFormTest : public ::testing::Test {
 protected:
  RecordingForm form{MainFormLayout()};
  win::FormWindow& window = form.window;

  HWND Page(std::string_view name) { return window.Control(name); }
  // A page's controls as the user meets them: once its tab is chosen.
  std::vector<std::string> TabStopsOnPage(std::string_view name) {
    window.ShowPage(name);
    return TabStopsIn(Page(name));
  }

  std::vector<std::string> TabStopsIn(HWND container) {
    std::vector<std::string> names;
    for (HWND child = GetWindow(container, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) names.push_back(form.NameOf(child));
    }
    return names;
  }
};

TEST_F(MainFormTest, WindowHasTheDeclaredClientAreaFrameAndCaption) {
  RECT client;
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 393);
  EXPECT_EQ(window.Caption(), "Pavane");
  const LONG style = GetWindowLongA(window.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  // Centred on the screen.
  RECT frame;
  GetWindowRect(window.Handle(), &frame);
  EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(MainFormTest, EveryControlSitsWhereTheTableSays) {
  for (const auto& control : MainFormLayout().controls) {
    SCOPED_TRACE(std::string(control.name));
    const HWND hwnd = window.Control(control.name);
    // Painted controls and the etched lines, which lie over nothing, have no
    // window; labels keep theirs, which name the controls after them.
    ASSERT_EQ(hwnd == nullptr, control.kind == Kind::Painted || control.kind == Kind::Bevel);
    if (hwnd) {
      EXPECT_EQ(RectInParent(hwnd), form.ExpectedRect(control));
    }
  }
}

TEST_F(MainFormTest, SpotChecksOfPlacesInPageCoordinates) {
  // Controls in a group box are placed relative to it but live in the page.
  EXPECT_EQ(GetParent(window.Control("FrameSkipEdit")), Page("DisplayTab"));
  EXPECT_EQ(RectInParent(window.Control("FrameSkipEdit")), (RECT{168, 27, 216, 48}));
  EXPECT_EQ(RectInParent(window.Control("SwitchCheck12")), (RECT{176, 232, 345, 249}));
  EXPECT_EQ(RectInParent(window.Control("ApplyButton")), (RECT{224, 360, 305, 384}));
  EXPECT_EQ(RectInParent(Page("GeneralTab")), (RECT{12, 80, 389, 349}));
  EXPECT_EQ(RectInParent(window.Control("Player1DeviceCombo")), (RECT{176, 32, 344, 54}));
}

TEST_F(MainFormTest, RadioGroupsAreLaidOutColumnByColumn) {
  const auto items = form.RadioItems("VideoModeGrp");
  ASSERT_EQ(items.size(), 8u);
  EXPECT_EQ(testing::WindowText(items[0]), "320x240x256");
  EXPECT_EQ(testing::WindowText(items[4]), "640x480x256 VESA2");
  // Group at (16, 64) 345 x 113: columns of 167, rows of 24 from y 12.
  EXPECT_EQ(RectInParent(items[0]), (RECT{24, 76, 191, 100}));
  EXPECT_EQ(RectInParent(items[3]), (RECT{24, 148, 191, 172}));
  EXPECT_EQ(RectInParent(items[4]), (RECT{191, 76, 358, 100}));
  const auto rates = form.RadioItems("SoundRateGrp");
  ASSERT_EQ(rates.size(), 4u);
  EXPECT_EQ(RectInParent(rates[3]), (RECT{80, 166, 215, 196}));
}

TEST_F(MainFormTest, CaptionsAndItemsReadBackFromTheWindows) {
  for (const auto& control : MainFormLayout().controls) {
    SCOPED_TRACE(std::string(control.name));
    switch (control.kind) {
      case Kind::Label:
      case Kind::Button:
      case Kind::Painted:
      case Kind::CheckBox:
      case Kind::GroupBox:
      case Kind::RadioGroup:
      case Kind::Edit:
        EXPECT_EQ(window.Text(control.name), control.caption);
        break;
      default:
        break;
    }
  }
  EXPECT_EQ(window.Text("SoundCheck"), "&Enable Sound Emulation");
  EXPECT_EQ(window.Text("SwitchCheck2"), "No image scale && center image (640x480)");

  const HWND tabs = window.Control("PageControl");
  ASSERT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
  const char* captions[] = {"&General", "&Display", "&Input", "&Sound", "S&witches"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(testing::TabText(tabs, i), captions[i]);

  const HWND devices = window.Control("Player2DeviceCombo");
  ASSERT_EQ(SendMessageA(devices, CB_GETCOUNT, 0, 0), 7);
  EXPECT_EQ(testing::ComboText(devices, 6), "Sidewinder Joypad");
  EXPECT_EQ(testing::ComboText(window.Control("CopyMethodCombo"), 2), "MMX Copy");
}

TEST_F(MainFormTest, StartsOnTheGeneralPageWithTheDeclaredValues) {
  EXPECT_TRUE(IsWindowVisible(Page("GeneralTab")));
  for (const auto page : {"DisplayTab", "TabSheet2", "TabSheet3", "SwitchesTab"}) {
    EXPECT_FALSE(IsWindowVisible(Page(page))) << page;
  }
  EXPECT_EQ(GetFocus(), window.Control("ZSnesDirEdit"));
  EXPECT_TRUE(window.Checked("AutoFrameSkipCheck"));
  EXPECT_FALSE(window.Checked("SoundCheck"));
  EXPECT_EQ(window.ItemIndex("VideoModeGrp"), 1);
  EXPECT_EQ(window.ItemIndex("SoundRateGrp"), 2);
  EXPECT_EQ(window.ItemIndex("CopyMethodCombo"), -1);
  EXPECT_EQ(window.ItemIndex("Player1DeviceCombo"), -1);
  EXPECT_EQ(window.Position("ExecuteSpin"), 100);
  EXPECT_EQ(window.Text("Percent2ExecEdit"), "100");
  EXPECT_EQ(window.Position("GammaSpin"), 0);
}

TEST_F(MainFormTest, UpDownsDriveTheEditBesideThemWithinTheirRange) {
  struct Expected {
    const char* spin;
    const char* edit;
    int low, high;
  };
  for (const auto& [spin, edit, low, high] :
       {Expected{"ExecuteSpin", "Percent2ExecEdit", 0, 150}, Expected{"FrameSkipSpin", "FrameSkipEdit", 0, 9},
        Expected{"GammaSpin", "GammaEdit", 0, 5}}) {
    SCOPED_TRACE(spin);
    const HWND updown = window.Control(spin);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(updown, UDM_GETBUDDY, 0, 0)), window.Control(edit));
    int min = -1, max = -1;
    SendMessageA(updown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(min, low);
    EXPECT_EQ(max, high);
    EXPECT_FALSE(GetWindowLongA(updown, GWL_STYLE) & UDS_WRAP);
    window.SetPosition(spin, high);
    EXPECT_EQ(window.Text(edit), std::to_string(high));
  }
}

TEST_F(MainFormTest, DeviceListsAreOwnerDrawnWithSixteenPixelRows) {
  for (const auto name : {"Player1DeviceCombo", "Player2DeviceCombo"}) {
    SCOPED_TRACE(name);
    const HWND combo = window.Control(name);
    const LONG style = GetWindowLongA(combo, GWL_STYLE);
    EXPECT_EQ(style & 0x3, CBS_DROPDOWNLIST);
    EXPECT_TRUE(style & CBS_OWNERDRAWFIXED);
    EXPECT_TRUE(style & CBS_HASSTRINGS);
    EXPECT_EQ(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0), 16);
    RECT closed;
    GetWindowRect(combo, &closed);
    EXPECT_EQ(closed.bottom - closed.top, 22);
  }
}

TEST_F(MainFormTest, TabOrderFollowsTheTables) {
  EXPECT_EQ(
      TabStopsOnPage("GeneralTab"),
      (std::vector<std::string>{"ZSnesDirEdit", "BrowseButton1", "ReadConfigButton", "SaveDirEdit", "BrowseButton2",
                                "GameDirEdit", "Button1", "Percent2ExecEdit", "DisableGUICheck", "EnterSkipCheck"}));
  EXPECT_EQ(TabStopsOnPage("DisplayTab"),
            (std::vector<std::string>{"FrameSkipEdit", "AutoFrameSkipCheck", "VideoModeGrp:1", "ScanlinesCheck",
                                      "InterpolationCheck", "NewGfxCheck", "CopyMethodCombo"}));
  EXPECT_EQ(TabStopsOnPage("TabSheet2"),
            (std::vector<std::string>{"Player1DeviceCombo", "ScanKey1Button", "Player2DeviceCombo", "ScanKey2Button",
                                      "JoystickButton"}));
  EXPECT_EQ(TabStopsOnPage("TabSheet3"),
            (std::vector<std::string>{"SoundCheck", "SoundRateGrp:2", "StereoCheck", "Force8bitCheck"}));
  const auto switches = TabStopsOnPage("SwitchesTab");
  ASSERT_EQ(switches.size(), 14u);
  EXPECT_EQ(switches.front(), "ZSNESCmdLineEdit");
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(switches[n], "SwitchCheck" + std::to_string(n));
  EXPECT_EQ(switches.back(), "GammaEdit");

  window.ShowPage("GeneralTab");
  window.Focus("ZSnesDirEdit");
  form.PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), window.Control("BrowseButton1"));
  form.PressKey(VK_TAB, testing::kShift);
  EXPECT_EQ(GetFocus(), window.Control("ZSnesDirEdit"));

  // Tab itself: from the tabs into the visible page, then the form's buttons, and round.
  std::vector<std::string> visited;
  HWND at = window.Control("ZSnesDirEdit");
  for (int i = 0; i < 13; ++i) {
    at = GetNextDlgTabItem(window.Handle(), at, FALSE);
    visited.push_back(form.NameOf(at));
  }
  EXPECT_EQ(visited,
            (std::vector<std::string>{"BrowseButton1", "ReadConfigButton", "SaveDirEdit", "BrowseButton2",
                                      "GameDirEdit", "Button1", "Percent2ExecEdit", "DisableGUICheck", "EnterSkipCheck",
                                      "ApplyButton", "CancelButton", "PageControl", "ZSnesDirEdit"}));
}

TEST_F(MainFormTest, EachLabelComesRightBeforeTheControlItFocuses) {
  for (const auto& control : MainFormLayout().controls) {
    if (control.kind != Kind::Label) continue;
    SCOPED_TRACE(std::string(control.name));
    EXPECT_EQ(GetWindow(window.Control(control.name), GW_HWNDNEXT), window.Control(control.focuses));
  }
}

TEST_F(MainFormTest, MenusShowTheirItemsAndShortcuts) {
  const HMENU bar = GetMenu(window.Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  EXPECT_EQ(testing::MenuText(bar, 0), "&File");
  EXPECT_EQ(testing::MenuText(bar, 1), "Fa&vorites");
  EXPECT_EQ(testing::MenuText(bar, 2), "&Options");
  EXPECT_EQ(testing::MenuText(bar, 3), "?");
  const HMENU file = GetSubMenu(bar, 0);
  EXPECT_EQ(testing::MenuText(file, 0), "&Open ROM...\tCtrl+O");
  EXPECT_EQ(testing::MenuText(file, 1), "&Run...\tF9");
  EXPECT_EQ(GetMenuState(file, 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(testing::MenuText(file, 4), "Save ROM settings");
  EXPECT_EQ(testing::MenuText(GetSubMenu(bar, 2), 1), "&Save Template...\tF2");
  EXPECT_EQ(window.Menu("FavoritesMenu"), GetSubMenu(bar, 1));
  EXPECT_EQ(GetMenuItemCount(window.Menu("FavoritesMenu")), 3);

  const HMENU popup = window.Menu("FavoritesPopupMenu");
  ASSERT_TRUE(popup);
  ASSERT_EQ(GetMenuItemCount(popup), 3);
  EXPECT_EQ(testing::MenuText(popup, 0), "&Add to Favorites\tCtrl+A");
  EXPECT_EQ(testing::MenuText(popup, 1), "&Configure...");
}

TEST_F(MainFormTest, MenuItemsRunTheirHandlers) {
  const HMENU bar = GetMenu(window.Handle());
  form.Choose(GetSubMenu(bar, 0), 4);
  form.Choose(GetSubMenu(bar, 3), 0);
  form.Choose(window.Menu("FavoritesPopupMenu"), 1);
  EXPECT_EQ(form.calls,
            (std::vector<std::string>{"SaveROMSettingsMenuClick", "AboutMenuClick", "ConfigPopupMenuClick"}));
}

TEST_F(MainFormTest, ShortcutsWorkOnEveryPageAlsoInAnEdit) {
  form.PressKey(VK_F9);
  form.PressKey('O', testing::kCtrl);
  window.Focus("ZSNESCmdLineEdit");
  EXPECT_TRUE(IsWindowVisible(Page("SwitchesTab")));
  form.PressKey('S', testing::kCtrl);
  form.PressKey('A', testing::kCtrl);
  form.PressKey(VK_F2);
  window.ShowPage("TabSheet2");
  form.PressKey(VK_F4);
  // The system lets a menu update itself before its shortcut runs.
  EXPECT_EQ(form.calls, (std::vector<std::string>{"RunClick", "OpenClick", "ApplyButtonClick", "FavoritesMenuOpen",
                                                  "AddToFaveClick", "SaveSettingsMenuClick", "LoadSettingsMenuClick"}));
  EXPECT_EQ(window.Text("ZSNESCmdLineEdit"), "");  // the keys never reached the edit
}

TEST_F(MainFormTest, EnterPressesTheDefaultOrTheFocusedButtonAndEscCloses) {
  form.PressKey(VK_RETURN);  // in ZSnesDirEdit
  window.Focus("DisableGUICheck");
  form.PressKey(VK_RETURN);
  auto framed = [this](const char* name) {
    return (GetWindowLongA(window.Control(name), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  };
  EXPECT_TRUE(framed("ApplyButton"));
  window.Focus("BrowseButton1");
  EXPECT_TRUE(framed("BrowseButton1"));  // the button Enter presses wears the default frame
  EXPECT_FALSE(framed("ApplyButton"));
  form.PressKey(VK_RETURN);
  EXPECT_EQ(GetFocus(), window.Control("BrowseButton1"));
  window.Focus("SaveDirEdit");
  EXPECT_TRUE(framed("ApplyButton"));
  EXPECT_FALSE(framed("BrowseButton1"));
  form.PressKey(VK_ESCAPE);
  EXPECT_EQ(form.calls,
            (std::vector<std::string>{"ApplyButtonClick", "ApplyButtonClick", "BrowseButton1Click:1", "ExitClick"}));
}

TEST_F(MainFormTest, AltLettersPreferThePageThenItsTabsThenTheForm) {
  form.PressAlt('w');
  EXPECT_TRUE(IsWindowVisible(Page("SwitchesTab")));
  EXPECT_FALSE(IsWindowVisible(Page("GeneralTab")));
  form.PressAlt('g');
  EXPECT_EQ(GetFocus(), window.Control("GammaEdit"));
  form.PressAlt('c');  // the label on the page wins over the Close button
  EXPECT_EQ(GetFocus(), window.Control("ZSNESCmdLineEdit"));
  form.PressAlt('s');  // no "S" here: the Sound tab wins over the Save button
  EXPECT_TRUE(IsWindowVisible(Page("TabSheet3")));
  form.PressAlt('s');  // now the page's own "&Sound Rate" takes it
  EXPECT_EQ(GetFocus(), form.RadioItems("SoundRateGrp")[2]);
  form.PressAlt('4');
  EXPECT_EQ(window.ItemIndex("SoundRateGrp"), 3);
  form.PressAlt('e');
  EXPECT_TRUE(window.Checked("SoundCheck"));
  form.PressAlt('i');
  form.PressAlt('1');
  EXPECT_EQ(GetFocus(), window.Control("Player1DeviceCombo"));
  form.PressAlt('k');  // two buttons share the letter: the focus moves, nothing is pressed
  EXPECT_EQ(GetFocus(), window.Control("ScanKey1Button"));
  form.PressAlt('k');
  EXPECT_EQ(GetFocus(), window.Control("ScanKey2Button"));
  form.PressAlt('j');
  form.PressAlt('r');  // a toolbar button, not on any page
  EXPECT_EQ(form.calls, (std::vector<std::string>{"JoystickButtonClick", "RunClick"}));
}

// A menu opened by the form runs its own loop; a timer looks at it and closes it.
TEST_F(MainFormTest, FavoritesButtonDropsItsMenuDownAndUnclaimedAltLettersOpenTheMenuBar) {
  RECT shown{};
  bool seen = false;
  window.StartTimer(1, 50, [&] {
    const HWND menu = FindWindowA("#32768", nullptr);
    seen = menu && IsWindowVisible(menu);
    if (seen) GetWindowRect(menu, &shown);
    EndMenu();
  });
  testing::ClickPainted(window, "FavoritesButton");
  const auto& bounds = window.Spec("FavoritesButton").bounds;
  POINT corner{bounds.left, bounds.top + bounds.height};
  ClientToScreen(window.Control("ToolBar"), &corner);
  EXPECT_TRUE(seen);
  EXPECT_EQ(shown.left, corner.x);
  EXPECT_EQ(shown.top, corner.y);

  seen = false;
  window.ShowPage("TabSheet2");
  window.Focus("JoystickButton");
  form.PressAlt('v');  // nothing on the page, no tab, no button: "Fa&vorites" of the menu bar
  EXPECT_TRUE(seen);
  window.StopTimer(1);
  // Either menu asks for its items as it opens, and nothing else runs.
  EXPECT_EQ(form.calls, (std::vector<std::string>{"FavoritesMenuOpen", "FavoritesMenuOpen"}));
}

TEST_F(MainFormTest, CtrlTabCyclesThroughThePages) {
  form.PressKey(VK_TAB, testing::kCtrl);
  EXPECT_TRUE(IsWindowVisible(Page("DisplayTab")));
  form.PressKey(VK_TAB, testing::kCtrl | testing::kShift);
  form.PressKey(VK_TAB, testing::kCtrl | testing::kShift);
  EXPECT_TRUE(IsWindowVisible(Page("SwitchesTab")));
  EXPECT_EQ(SendMessageA(window.Control("PageControl"), TCM_GETCURSEL, 0, 0), 4);
}

TEST_F(MainFormTest, ControlsReportTheirEventsByHandlerName) {
  window.ShowPage("SwitchesTab");
  SendMessageA(window.Control("SwitchCheck5"), BM_CLICK, 0, 0);
  EXPECT_TRUE(window.Checked("SwitchCheck5"));
  window.SetChecked("SwitchCheck3", true);
  window.SetChecked("SwitchCheck3", true);  // no change, no click
  form.ClickUpDown("GammaSpin", true);
  form.ClickUpDown("GammaSpin", false);
  form.ClickUpDown("GammaSpin", false);  // already at 0: asked, and told, all the same
  window.ShowPage("GeneralTab");
  SendMessageA(window.Control("Button1"), BM_CLICK, 0, 0);
  EXPECT_EQ(form.calls, (std::vector<std::string>{"SwitchCheckClick:5", "SwitchCheckClick:3", "GammaSpinChanging@0",
                                                  "GammaSpinClick@1", "GammaSpinChanging@1", "GammaSpinClick@0",
                                                  "GammaSpinChanging@0", "GammaSpinClick@0", "BrowseButtonClick:2"}));
}

TEST_F(MainFormTest, ValuesSetFromCodeFollowTheListRules) {
  window.SetItemIndex("VideoModeGrp", 200);
  EXPECT_EQ(window.ItemIndex("VideoModeGrp"), 7);
  window.SetItemIndex("SoundRateGrp", 0);
  EXPECT_EQ(window.ItemIndex("SoundRateGrp"), 0);
  window.SetItemIndex("Player1DeviceCombo", 9);
  EXPECT_EQ(window.ItemIndex("Player1DeviceCombo"), -1);
  window.SetItemIndex("Player1DeviceCombo", 1);
  EXPECT_EQ(testing::WindowText(window.Control("Player1DeviceCombo")), "Keyboard");
  window.Focus("GammaEdit");
  EXPECT_TRUE(IsWindowVisible(Page("SwitchesTab")));
  EXPECT_EQ(GetFocus(), window.Control("GammaEdit"));
}

}  // namespace
}  // namespace pavane
