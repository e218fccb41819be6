// The input dialogs as real windows, worked with real key messages: the
// system's own translation of every key into its scan code, Tab between the
// fields, Enter and Esc assigned as keys in the keyboard dialog but ending
// the joystick dialog, the special-key buttons, the real input box, and the
// main window's buttons storing what the dialogs give into the record.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/program_win.h"
#include "app/prompter_win.h"
#include "input/joy_map_dialog.h"
#include "input/key_translator_win.h"
#include "input/scan_key_dialog.h"
#include "settings/settings.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/test_key.h"
#include "tests/win32/window_script.h"

namespace pavane {
namespace {

using testing::AsWindow;
using testing::ModalScript;

win::Win32FormHost host;
const SystemKeyTranslator keyboard;

// A key as the keyboard sends it to the focused control: WM_KEYDOWN and
// WM_KEYUP carrying its scan code (and the extended-key flag), handled at
// once by the form's own message handling.
void Stroke(UINT virtualKey, UINT scanCode, bool extended = false) {
  const HWND target = GetFocus();
  const LPARAM down = 1 | static_cast<LPARAM>(scanCode << 16) | (extended ? (1 << 24) : 0);
  PostMessageA(target, WM_KEYDOWN, virtualKey, down);
  PostMessageA(target, WM_KEYUP, virtualKey, down | static_cast<LPARAM>(0xC0000000));
  win::PumpMessages();
}

// A character typed: the key going down, with the character it gives.
void Type(char character) {
  const HWND target = GetFocus();
  const UINT scan = MapVirtualKeyA(static_cast<UINT>(VkKeyScanA(character) & 0xFF), 0);
  PostMessageA(target, WM_KEYDOWN, static_cast<WPARAM>(VkKeyScanA(character) & 0xFF), 1 | (scan << 16));
  PostMessageA(target, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(character)), 1 | (scan << 16));
  win::PumpMessages();
}

Settings DefaultLists() {
  Settings settings;
  settings.ScanKey1 = kDefaultScanKey1;
  settings.ScanKey2 = kDefaultScanKey2;
  settings.JoyMap = kDefaultJoyMap;
  return settings;
}

struct KeyCase {
  UINT virtualKey;
  UINT scanCode;
  bool extended;
  const char* shown;
};

TEST(ScanKeyDialogWin, EveryKeyGivesTheCodeOfItsName) {
  testing::ScriptedPrompter prompter;
  TScanKeyDialog dialog(host, nullptr, prompter, keyboard, "Pavane");
  win::FormWindow& window = AsWindow(dialog.Window());
  Settings settings = DefaultLists();
  ModalScript script(window, [&] {
    EXPECT_EQ(GetFocus(), window.Control("Btn1"));
    static constexpr KeyCase kCases[] = {
        {VK_UP, 0x48, true, "72 UP"},         {VK_LEFT, 0x4B, true, "75 LEFT"},
        {VK_RIGHT, 0x4D, true, "77 RIGHT"},   {VK_DOWN, 0x50, true, "80 DOWN"},
        {VK_INSERT, 0x52, true, "82 INS"},    {VK_DELETE, 0x53, true, "83 DEL"},
        {VK_HOME, 0x47, true, "71 HOME"},     {VK_END, 0x4F, true, "79 END"},
        {VK_PRIOR, 0x49, true, "73 PGUP"},    {VK_NEXT, 0x51, true, "81 PGDN"},
        {VK_SHIFT, 0x36, false, "42 LSHFT"},  {VK_ADD, 0x4E, false, "78   "},
        {VK_SUBTRACT, 0x4A, false, "74 -"},   {VK_MULTIPLY, 0x37, false, "55 PRTSC"},
        {VK_RETURN, 0x1C, false, "28 ENTER"}, {'A', 0x1E, false, "30 A"},
        {VK_F11, 0x57, false, "30 A"},        {VK_F12, 0x58, false, "30 A"},
        {VK_ESCAPE, 0x01, false, "1 ESC"},
    };
    for (const KeyCase& key : kCases) {
      SCOPED_TRACE(key.shown);
      Stroke(key.virtualKey, key.scanCode, key.extended);
      EXPECT_EQ(window.Text("Btn1"), key.shown);
      EXPECT_EQ(GetFocus(), window.Control("Btn1"));
    }
    EXPECT_TRUE(IsWindowVisible(window.Handle())) << "Esc and Enter do not close it";

    Stroke(VK_TAB, 0x0F);
    EXPECT_EQ(GetFocus(), window.Control("Btn2"));
    EXPECT_EQ(window.Text("Btn1"), "1 ESC");
    testing::SetModifiers(testing::kShift);
    Stroke(VK_TAB, 0x0F);
    testing::SetModifiers(0);
    EXPECT_EQ(GetFocus(), window.Control("Btn1"));
    EXPECT_EQ(window.Text("Btn1"), "1 ESC");
    PostMessageA(window.Control("OKButton"), BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(dialog.Execute(settings, 0));
  EXPECT_TRUE(settings.ScanKey1.starts_with("1, ")) << settings.ScanKey1;
  EXPECT_EQ(settings.ScanKey2, kDefaultScanKey2);
}

TEST(ScanKeyDialogWin, SpecialKeysGoToTheFieldThatHadTheFocusAndTheCloseBoxKeepsNothing) {
  testing::ScriptedPrompter prompter;
  prompter.InputAnswer("$1E");
  TScanKeyDialog dialog(host, nullptr, prompter, keyboard, "Pavane");
  win::FormWindow& window = AsWindow(dialog.Window());
  Settings settings = DefaultLists();
  ModalScript script(window, [&] {
    window.Focus("Btn3");
    testing::Click(window, "AssignTabButton");
    EXPECT_EQ(window.Text("Btn3"), "15 TAB");
    EXPECT_EQ(GetFocus(), window.Control("Btn3"));
    window.Focus("Btn7");
    testing::Click(window, "Button1");
    EXPECT_EQ(window.Text("Btn7"), "30 A");
    EXPECT_EQ(GetFocus(), window.Control("Btn7"));
    testing::Click(window, "AssignRShiftButton");
    EXPECT_EQ(window.Text("Btn7"), "54 RSHIFT");
    EXPECT_EQ(window.Text("Btn6"), "30 A");
    PostMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  });
  EXPECT_FALSE(dialog.Execute(settings, 0));
  EXPECT_EQ(settings, DefaultLists());
}

TEST(ScanKeyDialogWin, AFixedDialogFrame) {
  testing::ScriptedPrompter prompter;
  TScanKeyDialog dialog(host, nullptr, prompter, keyboard, "Pavane");
  const HWND window = AsWindow(dialog.Window()).Handle();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client, (RECT{0, 0, 502, 387}));
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  EXPECT_EQ(testing::WindowText(window), "Keyboard ScanKeys");
}

TEST(JoyMapDialogWin, DigitsEnterTheNumberEnterIsOkEscIsCancel) {
  std::string joyMap = "12,0,1,3,2,4,5,6";
  {
    TJoyMapDialog dialog(host, nullptr);
    win::FormWindow& window = AsWindow(dialog.Window());
    ModalScript script(window, [&] {
      EXPECT_EQ(GetFocus(), window.Control("Btn1"));
      EXPECT_EQ(window.Text("Btn1"), "Button #12");
      Stroke(VK_TAB, 0x0F);
      Type('7');
      Type('x');
      Type('-');
      EXPECT_EQ(window.Text("Btn2"), "Button #7");
      Stroke(VK_RETURN, 0x1C);
    });
    EXPECT_TRUE(dialog.Execute(joyMap));
  }
  EXPECT_EQ(joyMap, "12, 7, 1, 3, 2, 4, 5, 6");
  {
    TJoyMapDialog dialog(host, nullptr);
    win::FormWindow& window = AsWindow(dialog.Window());
    ModalScript script(window, [&] {
      Type('0');
      EXPECT_EQ(window.Text("Btn1"), "None");
      Stroke(VK_ESCAPE, 0x01);
    });
    EXPECT_FALSE(dialog.Execute(joyMap));
  }
  EXPECT_EQ(joyMap, "12, 7, 1, 3, 2, 4, 5, 6");
}

TEST(JoyMapDialogWin, ANormalSizeableWindowOf446By344) {
  TJoyMapDialog dialog(host, nullptr);
  const HWND window = AsWindow(dialog.Window()).Handle();
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 446);
  EXPECT_EQ(outer.bottom - outer.top, 344);
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
            static_cast<LONG>(WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST(Win32Prompter, TheInputBoxGivesTheTextOnOkAndNothingOnCancel) {
  win::Win32Prompter prompter;
  const forms::InputRequest request{.caption = "Assign Special Keys",
                                    .prompt = "Please specify the desired Special Key Scancode:"};
  {
    testing::WindowScript answer("Assign Special Keys", [](HWND box) {
      EXPECT_NE(testing::FindControl(box, "Static", "Please specify the desired Special Key Scancode:"), nullptr);
      const HWND edit = testing::FindControl(box, "Edit");
      EXPECT_EQ(GetFocus(), edit);
      SetWindowTextA(edit, " 30");
      Stroke(VK_RETURN, 0x1C);  // OK is the default button
    });
    EXPECT_EQ(prompter.InputBox(request), " 30");
  }
  {
    testing::WindowScript answer("Assign Special Keys", [](HWND box) {
      SetWindowTextA(testing::FindControl(box, "Edit"), "5");
      testing::ClickButton(box, "Cancel");
    });
    EXPECT_EQ(prompter.InputBox(request), std::nullopt);
  }
}

// The real program: the Input page's buttons open the dialogs, and what they
// give ends up in the record.
class InputButtonsTest : public testing::ProgramFixture {
 protected:
  InputButtonsTest() {
    State().settings = DefaultLists();
    program->Window().Show();
    program->Window().ShowPage("TabSheet2");
    win::PumpMessages();
  }
  void Click(std::string_view name) {
    SendMessageA(program->Window().Control(name), BM_CLICK, 0, 0);
    win::PumpMessages();
  }
};

TEST_F(InputButtonsTest, KeyboardSettingsOfPlayer2AndJoystickMapping) {
  {
    testing::WindowScript user("Keyboard ScanKeys", [](HWND dialog) {
      EXPECT_EQ(testing::WindowText(GetFocus()), "51 ,");
      Stroke('A', 0x1E);
      testing::ClickButton(dialog, "OK");
    });
    Click("ScanKey2Button");
  }
  EXPECT_EQ(State().settings.ScanKey2, "30, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46");
  EXPECT_EQ(State().settings.ScanKey1, kDefaultScanKey1);
  {
    testing::WindowScript user("Joystick Mapping", [](HWND) {
      Type('9');
      Stroke(VK_RETURN, 0x1C);
    });
    Click("JoystickButton");
  }
  EXPECT_EQ(State().settings.JoyMap, "9, 0, 1, 3, 2, 4, 5, 6");
}

}  // namespace
}  // namespace pavane
