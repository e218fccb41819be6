// The input dialogs of the real program worked as a user works them, with the
// mouse and the keyboard through the system's input queue: the field at the
// end of each button's red bar edits that button, shows its whole text and
// shows that it has the focus; Enter and Esc never close the keyboard
// dialog; modifiers held for Shift+Tab or an Alt+letter, Alt and F10 alone.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/program_win.h"
#include "forms/form_tree.h"
#include "input/joy_map_dialog_layout.h"
#include "input/scan_key_dialog_layout.h"
#include "settings/settings.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/modal_observer.h"
#include "tests/win32/test_key.h"
#include "tests/win32/user_input.h"
#include "tests/win32/window_script.h"

namespace pavane {
namespace {

namespace user = testing::user;

// A controller button: where its bar ends on the controller picture (in the
// picture's own pixels, as the artwork places the buttons) and the key or
// digit the test gives it.
struct ControllerButton {
  const char* name;
  POINT onPicture;
  WORD key;
};

// In the order of the keyboard list: Right, Left, Down, Up, Start, Select, B, Y, A, X, L, R.
constexpr ControllerButton kKeyboardButtons[] = {
    {"Right", {90, 88}, 'Q'},   {"Left", {49, 90}, 'W'},     {"Down", {73, 112}, 'E'}, {"Up", {72, 66}, 'R'},
    {"Start", {170, 104}, 'T'}, {"Select", {130, 104}, 'Y'}, {"B", {252, 109}, 'U'},   {"Y", {232, 82}, 'I'},
    {"A", {283, 91}, 'O'},      {"X", {259, 66}, 'P'},       {"L", {82, 21}, 'G'},     {"R", {258, 21}, 'H'},
};
// Their scan codes, as the list of the player edited stores them.
constexpr const char* kKeyboardStored = "16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 34, 35";

// In the order of the joystick map: Start, Select, Y, X, B, A, L, R.
constexpr ControllerButton kJoystickButtons[] = {
    {"Start", {170, 104}, '1'}, {"Select", {130, 104}, '2'}, {"Y", {232, 82}, '3'}, {"X", {259, 66}, '4'},
    {"B", {252, 109}, '5'},     {"A", {283, 91}, '6'},       {"L", {82, 21}, '7'},  {"R", {258, 21}, '8'},
};

struct EditSearch {
  POINT point;
  HWND found = nullptr;
};

BOOL CALLBACK MatchEdit(HWND child, LPARAM parameter) {
  auto& search = *reinterpret_cast<EditSearch*>(parameter);
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  RECT r = testing::RectInParent(child);
  InflateRect(&r, 1, 1);
  if (lstrcmpiA(name, "Edit") == 0 && PtInRect(&r, search.point)) search.found = child;
  return search.found == nullptr;
}

// The field that the red bar ending on the button's place of the picture
// leads to: the field at the bar's other end. The dialog is made from
// `layout`, at 96 dots per inch.
HWND FieldOf(HWND dialog, const forms::Form& layout, const ControllerButton& button) {
  const auto& picture = layout.controls[forms::ControlIndex(layout, "Image1")].bounds;
  const POINT place{picture.left + button.onPicture.x, picture.top + button.onPicture.y};
  for (const auto& bar : layout.controls) {
    const auto& b = bar.bounds;
    const bool endsHere = place.x >= b.left - 2 && place.x <= b.left + b.width + 2 && place.y >= b.top - 2 &&
                          place.y <= b.top + b.height + 2;
    if (bar.kind != forms::Kind::Shape || !endsHere) continue;
    EditSearch search{};
    if (b.width > b.height) {
      const bool endsLeft = std::abs(place.x - b.left) < std::abs(place.x - (b.left + b.width));
      search.point = {endsLeft ? b.left + b.width : b.left - 1, b.top + b.height / 2};
    } else {
      const bool endsAbove = std::abs(place.y - b.top) < std::abs(place.y - (b.top + b.height));
      search.point = {b.left + b.width / 2, endsAbove ? b.top + b.height : b.top - 1};
    }
    EnumChildWindows(dialog, &MatchEdit, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
  }
  ADD_FAILURE() << "no bar leads from " << button.name << " to a field";
  return nullptr;
}

// Whether the screen shows the field in the highlight colour.
bool Highlighted(HWND field) {
  RECT inside;
  GetClientRect(field, &inside);
  MapWindowPoints(field, nullptr, reinterpret_cast<POINT*>(&inside), 2);
  return user::ScreenArea(inside).Holds(GetSysColor(COLOR_HIGHLIGHT));
}

// Each field of the dialog is clicked and given the button's key: the
// focused field, and only it, shows highlighted, before the key and after
// it, and every field shows its whole text.
template <std::size_t N>
void GiveEveryButtonItsKey(HWND dialog, const forms::Form& layout, const ControllerButton (&buttons)[N]) {
  std::vector<HWND> fields;
  for (const auto& button : buttons) fields.push_back(FieldOf(dialog, layout, button));
  for (std::size_t i = 0; i < N; ++i) {
    SCOPED_TRACE(buttons[i].name);
    ASSERT_NE(fields[i], nullptr);
    user::Click(fields[i]);
    EXPECT_EQ(GetFocus(), fields[i]);
    EXPECT_TRUE(Highlighted(fields[i])) << "clicked";
    user::Press({buttons[i].key});
    EXPECT_EQ(GetFocus(), fields[i]);
    for (const HWND field : fields) {
      EXPECT_EQ(Highlighted(field), field == fields[i]) << "after the key, " << testing::WindowText(field);
      EXPECT_TRUE(testing::ShowsWholeText(field)) << testing::WindowText(field);
    }
  }
}

class InputDialogsUser : public ::testing::Test {
 protected:
  InputDialogsUser() : program(state, prompter, key.path()) {
    state.settings.ScanKey1 = kDefaultScanKey1;
    state.settings.ScanKey2 = kDefaultScanKey2;
    state.settings.JoyMap = "12, 0, 1, 3, 2, 4, 5, 6";
    program.Window().Show();
    program.Window().ShowPage("TabSheet2");
    SetForegroundWindow(program.Window().Handle());
    user::Settle();
  }
  // Opens a dialog with a click on the Input page's button, `action` playing the user in it.
  void Open(std::string_view button, const char* caption, const std::function<void(HWND)>& action) {
    testing::WindowScript script(caption, action);
    user::Click(program.Window().Control(button));
  }

  const testing::TestKey key;
  AppState state;
  testing::ScriptedPrompter prompter;
  Win32Program program;
};

TEST_F(InputDialogsUser, EachKeyboardFieldEditsTheButtonItsBarLeadsTo) {
  for (const int player : {0, 1}) {
    SCOPED_TRACE(player);
    Open(player == 0 ? "ScanKey1Button" : "ScanKey2Button", "Keyboard ScanKeys", [](HWND dialog) {
      GiveEveryButtonItsKey(dialog, ScanKeyDialogForm(), kKeyboardButtons);
      user::Click(testing::FindControl(dialog, "Button", "OK"));
    });
    EXPECT_EQ(player == 0 ? state.settings.ScanKey1 : state.settings.ScanKey2, kKeyboardStored);
    state.settings.ScanKey1 = kDefaultScanKey1;
  }
  EXPECT_EQ(state.settings.ScanKey1, kDefaultScanKey1);
}

// Digits edit the field they are typed into; Shift+Tab and Alt+digit change
// no field, and Enter is OK.
TEST_F(InputDialogsUser, EachJoystickFieldEditsTheButtonItsBarLeadsTo) {
  Open("JoystickButton", "Joystick Mapping", [](HWND dialog) {
    const HWND start = FieldOf(dialog, JoyMapDialogForm(), kJoystickButtons[0]);
    EXPECT_EQ(testing::WindowText(start), "Button #12");
    EXPECT_TRUE(testing::ShowsWholeText(start));
    GiveEveryButtonItsKey(dialog, JoyMapDialogForm(), kJoystickButtons);
    user::Press({VK_SHIFT, VK_TAB});
    user::Press({VK_MENU, '9'});
    user::Press({VK_RETURN});
  });
  EXPECT_EQ(state.settings.JoyMap, "1, 2, 3, 4, 5, 6, 7, 8");
}

// Esc and Enter on each control the focus reaches: a field takes them as its
// key, any other control lets them do nothing, and the dialog stays open;
// OK then stores every key the fields show. One key a turn of the dialog's
// own message loop, which ends as soon as a key ends the dialog.
TEST_F(InputDialogsUser, EnterAndEscOnEveryControlNeitherCloseTheKeyboardDialogNorLoseAKey) {
  std::vector<HWND> fields;
  auto texts = [&] {
    std::vector<std::string> all;
    for (const HWND field : fields) all.push_back(testing::WindowText(field));
    return all;
  };
  constexpr WORD kStrokes[] = {VK_ESCAPE, VK_RETURN, VK_TAB};
  std::size_t stroke = 0;
  std::set<HWND> visited;
  HWND control = nullptr;
  std::string name;
  std::string shown;
  bool finished = false;
  bool pressing = false;  // the turn's own waiting runs the next turns' ticks, which wait for it
  testing::ModalObserver player([&] {
    const HWND dialog = FindWindowA(nullptr, "Keyboard ScanKeys");
    if (finished) return true;
    if (pressing || !dialog || !IsWindowVisible(dialog)) return false;
    if (fields.empty()) {
      for (const auto& button : kKeyboardButtons) fields.push_back(FieldOf(dialog, ScanKeyDialogForm(), button));
    }
    const WORD key = kStrokes[stroke++ % 3];
    if (key == VK_ESCAPE) {
      control = GetFocus();
      name = testing::WindowText(control);
      if (!visited.insert(control).second) {
        for (const std::string& text : texts()) shown += (shown.empty() ? "" : ", ") + text.substr(0, text.find(' '));
        finished = true;
        user::Click(testing::FindControl(dialog, "Button", "OK"));
        return true;
      }
    }
    const std::vector<std::string> before = texts();
    pressing = true;
    user::Press({key});
    pressing = false;
    if (key == VK_TAB) return false;
    EXPECT_EQ(GetFocus(), control) << name;
    if (std::find(fields.begin(), fields.end(), control) != fields.end()) {
      EXPECT_EQ(testing::WindowText(control), key == VK_ESCAPE ? "1 ESC" : "28 ENTER");
    } else {
      EXPECT_EQ(texts(), before) << name;
    }
    return false;
  });
  user::Click(program.Window().Control("ScanKey1Button"));
  ASSERT_TRUE(finished) << "the dialog ended on a key in " << name;
  EXPECT_EQ(visited.size(), 18u) << "twelve fields, OK, Cancel and four special-key buttons";
  EXPECT_EQ(state.settings.ScanKey1, shown);
}

// Alt, F10, Shift and Ctrl alone are keys for the field, and no menu opens
// to take the next key; held for Shift+Tab or an Alt+letter accelerator
// they give no field anything.
TEST_F(InputDialogsUser, ModifiersAloneAreKeysAndModifiersOfOtherKeysAreNot) {
  Open("ScanKey1Button", "Keyboard ScanKeys", [](HWND dialog) {
    const HWND right = FieldOf(dialog, ScanKeyDialogForm(), kKeyboardButtons[0]);
    const HWND left = FieldOf(dialog, ScanKeyDialogForm(), kKeyboardButtons[1]);
    const HWND down = FieldOf(dialog, ScanKeyDialogForm(), kKeyboardButtons[2]);
    user::Click(right);
    struct Stroke {
      WORD key;
      const char* shown;
    };
    for (const Stroke stroke :
         {Stroke{VK_MENU, "56 ALT"}, Stroke{'A', "30 A"}, Stroke{VK_F10, "68 F10"}, Stroke{'B', "48 B"},
          Stroke{VK_SHIFT, "42 LSHFT"}, Stroke{VK_CONTROL, "29 CTRL"}, Stroke{'V', "47 V"}}) {
      user::Press({stroke.key});
      EXPECT_EQ(testing::WindowText(right), stroke.shown);
      EXPECT_EQ(GetFocus(), right);
    }

    user::Click(left);
    user::Press({VK_SHIFT, VK_TAB});
    EXPECT_EQ(GetFocus(), right);
    EXPECT_EQ(testing::WindowText(right), "47 V");
    EXPECT_EQ(testing::WindowText(left), "75 LEFT");

    user::Click(down);
    user::Press({VK_MENU, 'T'});  // "&Tabulator Key"
    EXPECT_EQ(GetFocus(), down);
    EXPECT_EQ(testing::WindowText(down), "15 TAB");
    EXPECT_EQ(testing::WindowText(right), "47 V");
    EXPECT_EQ(testing::WindowText(left), "75 LEFT");
    user::Click(testing::FindControl(dialog, "Button", "OK"));
  });
  EXPECT_TRUE(state.settings.ScanKey1.starts_with("47, 75, 15, 72, ")) << state.settings.ScanKey1;
}

}  // namespace
}  // namespace pavane
