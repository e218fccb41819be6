// Both input dialogs through the main window's buttons, on forms without
// windows: keys pressed into the fields, Tab, the special-key buttons and
// "&Other...", OK storing both players' lists, Cancel and the close box
// storing nothing; digits in the joystick fields, Enter and Esc.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "forms/form_tree.h"
#include "input/joy_map_dialog_layout.h"
#include "input/scan_key_dialog_layout.h"
#include "settings/settings.h"
#include "tests/support/memory_program.h"

namespace pavane {
namespace {

using namespace testing;  // MemoryForm, the virtual-key codes
using Texts = std::vector<std::string>;

constexpr std::string_view kKeyboard = "ScanKeyDialog";
constexpr std::string_view kJoystick = "JoyMapDialog";

Texts Fields(const MemoryForm& dialog, int count) {
  Texts texts;
  for (int i = 1; i <= count; ++i) texts.push_back(dialog.Text("Btn" + std::to_string(i)));
  return texts;
}

class InputDialogsTest : public ::testing::Test {
 protected:
  InputDialogsTest() {
    program.state.settings.ScanKey1 = kDefaultScanKey1;
    program.state.settings.ScanKey2 = kDefaultScanKey2;
    program.state.settings.JoyMap = kDefaultJoyMap;
  }
  // The player's "&Keyboard Settings..." button clicked, `script` playing the user.
  void Keyboard(int player, MemoryHost::Script script) {
    program.host.OnModal(std::string(kKeyboard), std::move(script));
    program.Window().Click(player == 0 ? "ScanKey1Button" : "ScanKey2Button");
  }
  void Joystick(MemoryHost::Script script) {
    program.host.OnModal(std::string(kJoystick), std::move(script));
    program.Window().Click("JoystickButton");
  }
  Settings& settings() { return program.state.settings; }

  MemoryProgram program;
};

TEST_F(InputDialogsTest, EachPlayerSeesTheirOwnKeysAndOkStoresBothLists) {
  Keyboard(0, [](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Caption(), "Keyboard ScanKeys");
    EXPECT_EQ(dialog.FocusedControl(), "Btn1");
    EXPECT_EQ(Fields(dialog, 12), (Texts{"77 RIGHT", "75 LEFT", "80 DOWN", "72 UP", "28 ENTER", "54 RSHIFT", "79 END",
                                         "83 DEL", "71 HOME", "82 INS", "73 PGUP", "81 PGDN"}));
    dialog.Focus("Btn4");
    dialog.PressKey(kVkRight);  // Up takes Right's key; Right gets Up's
    EXPECT_EQ(dialog.Text("Btn1"), "72 UP");
    EXPECT_EQ(dialog.Text("Btn4"), "77 RIGHT");
    EXPECT_EQ(dialog.FocusedControl(), "Btn4");
    dialog.PressKey('S');  // player 2's X
    EXPECT_EQ(dialog.Text("Btn4"), "31 S");
    dialog.Click("OKButton");
  });
  EXPECT_EQ(settings().ScanKey1, "72, 75, 80, 31, 28, 54, 79, 83, 71, 82, 73, 81");
  EXPECT_EQ(settings().ScanKey2, "51, 49, 50, 37, 29, 56, 45, 44, 32, 77, 33, 46");

  Keyboard(1, [](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Text("Btn10"), "77 RIGHT");
    EXPECT_EQ(dialog.Text("Btn1"), "51 ,");
    dialog.Click("CancelButton");
  });
}

TEST_F(InputDialogsTest, CancelAndTheCloseBoxStoreNothing) {
  const Settings before = settings();
  Keyboard(0, [](MemoryForm& dialog) {
    dialog.PressKey('A');
    dialog.Focus("Btn7");
    dialog.PressKey('Z');
    dialog.Click("CancelButton");
  });
  Keyboard(1, [](MemoryForm& dialog) {
    dialog.PressKey('A');
    dialog.Close();
  });
  Joystick([](MemoryForm& dialog) {
    dialog.TypeCharacter('9');
    dialog.Close();
  });
  EXPECT_EQ(settings(), before);
}

TEST_F(InputDialogsTest, EnterAndEscAreKeysTabMovesOnTheSameKeyChangesNothing) {
  Keyboard(0, [](MemoryForm& dialog) {
    dialog.PressKey(kVkEscape);
    EXPECT_TRUE(dialog.Modal());
    EXPECT_EQ(dialog.Text("Btn1"), "1 ESC");
    dialog.PressTab();
    EXPECT_EQ(dialog.FocusedControl(), "Btn2");
    EXPECT_EQ(dialog.Text("Btn1"), "1 ESC");
    EXPECT_EQ(dialog.Text("Btn2"), "75 LEFT");
    dialog.PressKey(kVkReturn);  // Start's key: Start gets Left's
    EXPECT_EQ(dialog.Text("Btn2"), "28 ENTER");
    EXPECT_EQ(dialog.Text("Btn5"), "75 LEFT");
    dialog.PressKey(kVkReturn);
    EXPECT_EQ(dialog.Text("Btn2"), "28 ENTER");
    EXPECT_EQ(dialog.Text("Btn5"), "75 LEFT");
    dialog.PressKey(kVkF11);  // beyond the names
    dialog.PressKey(0xFF);    // no scan code at all
    EXPECT_EQ(dialog.Text("Btn2"), "28 ENTER");
    dialog.PressKey(kVkShift);
    EXPECT_EQ(dialog.Text("Btn2"), "42 LSHFT");
    dialog.PressTab(true);
    EXPECT_EQ(dialog.FocusedControl(), "Btn1");
    // Neither ends the dialog where no field has the focus, not even on OK or Cancel.
    for (const char* button : {"OKButton", "CancelButton", "AssignTabButton"}) {
      dialog.Focus(button);
      dialog.PressKey(kVkEscape);
      dialog.PressKey(kVkReturn);
      EXPECT_TRUE(dialog.Modal()) << button;
    }
    EXPECT_EQ(dialog.Text("Btn1"), "1 ESC");
    dialog.Click("OKButton");
  });
  EXPECT_EQ(settings().ScanKey1, "1, 42, 80, 72, 75, 54, 79, 83, 71, 82, 73, 81");
}

TEST_F(InputDialogsTest, SpecialKeysGoToTheFieldThatHadTheFocus) {
  Keyboard(0, [](MemoryForm& dialog) {
    dialog.Focus("Btn3");
    dialog.Click("AssignTabButton");
    EXPECT_EQ(dialog.Text("Btn3"), "15 TAB");
    EXPECT_EQ(dialog.FocusedControl(), "Btn3");
    dialog.Focus("Btn12");
    dialog.Click("AssignRShiftButton");  // Select holds it: Select gets PGDN
    EXPECT_EQ(dialog.Text("Btn12"), "54 RSHIFT");
    EXPECT_EQ(dialog.Text("Btn6"), "81 PGDN");
    dialog.Click("PrintScreenButton");
    EXPECT_EQ(dialog.Text("Btn12"), "55 PRTSC");
    EXPECT_EQ(dialog.FocusedControl(), "Btn12");
    dialog.Click("OKButton");
  });
  EXPECT_EQ(settings().ScanKey1, "77, 75, 15, 72, 28, 81, 79, 83, 71, 82, 73, 55");
}

TEST_F(InputDialogsTest, OtherTakesScancodesFrom1To83AndNamesEveryOtherText) {
  program.prompter.InputAnswer("$1E").InputAnswer(" 30");
  for (const char* bad : {"0", "84", "abc", "", "30 ", "-$1E", "+$1E"})
    program.prompter.InputAnswer(bad).Answer(forms::Answer::Ok);
  program.prompter.InputAnswer(std::nullopt).InputAnswer("44");
  Keyboard(1, [](MemoryForm& dialog) {
    dialog.Focus("Btn2");
    dialog.Click("Button1");
    EXPECT_EQ(dialog.Text("Btn2"), "30 A");
    EXPECT_EQ(dialog.FocusedControl(), "Btn2");
    dialog.Focus("Btn3");
    dialog.Click("Button1");  // 30 again: Btn2 gets Btn3's old key
    EXPECT_EQ(dialog.Text("Btn3"), "30 A");
    EXPECT_EQ(dialog.Text("Btn2"), "50 M");
    for (int i = 0; i < 7; ++i) dialog.Click("Button1");
    dialog.Click("Button1");  // cancelled
    EXPECT_EQ(dialog.Text("Btn3"), "30 A");
    dialog.Click("Button1");  // Y's Z: Y gets A
    EXPECT_EQ(dialog.Text("Btn3"), "44 Z");
    EXPECT_EQ(dialog.Text("Btn8"), "30 A");
    EXPECT_EQ(dialog.FocusedControl(), "Btn3");
    dialog.Click("OKButton");
  });
  const auto& requests = program.prompter.Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.front().input.caption, "Assign Special Keys");
  EXPECT_EQ(requests.front().input.prompt, "Please specify the desired Special Key Scancode:");
  EXPECT_EQ(requests.front().input.text, "");
  EXPECT_EQ(program.prompter.MessageTexts(),
            (Texts{"'0' is not a valid scancode number.", "'84' is not a valid scancode number.",
                   "'abc' is not a valid scancode number.", "'' is not a valid scancode number.",
                   "'30 ' is not a valid scancode number.", "'-$1E' is not a valid scancode number.",
                   "'+$1E' is not a valid scancode number."}));
  for (const auto& request : requests) {
    if (request.kind != ScriptedPrompter::Kind::Message) continue;
    EXPECT_EQ(request.message.caption, "Pavane");
    EXPECT_EQ(request.message.icon, forms::Icon::Error);
    EXPECT_EQ(request.message.buttons, forms::Buttons::Ok);
  }
  EXPECT_EQ(settings().ScanKey2, "51, 50, 44, 37, 29, 56, 45, 30, 32, 31, 33, 46");
}

TEST_F(InputDialogsTest, StoredListsOfOtherLengthsAndOddNumbersLoseNothingUntouched) {
  settings().ScanKey1 = "30, 0, 99";
  settings().ScanKey2 = "51, 49, 50, 37, 29, 56, 45, 44, 32, 31, 33, 46, 12, junk";
  Keyboard(0, [](MemoryForm& dialog) {
    EXPECT_EQ(Fields(dialog, 4), (Texts{"30 A", "0", "99", "72 UP"}));
    dialog.Focus("Btn12");
    dialog.PressKey('Z');
    dialog.Click("OKButton");
  });
  EXPECT_EQ(settings().ScanKey1, "30, 0, 99, 72, 28, 54, 79, 83, 71, 82, 73, 44");
  EXPECT_EQ(settings().ScanKey2, "51, 49, 50, 37, 29, 56, 45, 81, 32, 31, 33, 46, 12, junk");
}

TEST_F(InputDialogsTest, JoystickDigitsEnterIsOkEscIsCancel) {
  settings().JoyMap = "12,0,1 , 3,2,4,5,6";
  Joystick([](MemoryForm& dialog) {
    EXPECT_EQ(dialog.Caption(), "Joystick Mapping");
    EXPECT_EQ(dialog.FocusedControl(), "Btn1");
    EXPECT_EQ(Fields(dialog, 8), (Texts{"Button #12", "None", "Button #1", "Button #3", "Button #2", "Button #4",
                                        "Button #5", "Button #6"}));
    dialog.Focus("Btn2");
    dialog.TypeCharacter('7');
    EXPECT_EQ(dialog.Text("Btn2"), "Button #7");
    dialog.TypeCharacter('x');
    dialog.TypeCharacter(' ');
    EXPECT_EQ(dialog.Text("Btn2"), "Button #7");
    dialog.PressTab();
    dialog.TypeCharacter('0');
    EXPECT_EQ(dialog.Text("Btn3"), "None");
    dialog.PressKey(kVkReturn);
  });
  EXPECT_EQ(settings().JoyMap, "12, 7, 0, 3, 2, 4, 5, 6");

  Joystick([](MemoryForm& dialog) {
    dialog.TypeCharacter('5');
    dialog.PressKey(kVkEscape);
  });
  EXPECT_EQ(settings().JoyMap, "12, 7, 0, 3, 2, 4, 5, 6");

  Joystick([](MemoryForm& dialog) {
    dialog.TypeCharacter('7');
    dialog.Click("OKButton");
  });
  EXPECT_EQ(settings().JoyMap, "7, 7, 0, 3, 2, 4, 5, 6");
}

// Each bar runs from one field (touching it, or a pixel short of it) onto the
// picture, and each field has exactly one bar.
TEST(InputDialogLayouts, EveryBarJoinsOneFieldToThePicture) {
  for (const forms::Form* form : {&ScanKeyDialogForm(), &JoyMapDialogForm()}) {
    SCOPED_TRACE(std::string(form->name));
    const auto& picture = form->controls[forms::ControlIndex(*form, "Image1")].bounds;
    std::map<std::string_view, int> barsOfField;
    for (const auto& bar : form->controls) {
      if (bar.kind != forms::Kind::Shape) continue;
      SCOPED_TRACE(std::string(bar.name));
      const auto& b = bar.bounds;
      EXPECT_EQ(std::min(b.width, b.height), 4);
      int met = 0;
      for (const auto& field : form->controls) {
        if (field.kind != forms::Kind::Edit) continue;
        const auto& f = field.bounds;
        if (b.left <= f.left + f.width + 1 && f.left - 1 <= b.left + b.width && b.top <= f.top + f.height + 1 &&
            f.top - 1 <= b.top + b.height) {
          ++met;
          ++barsOfField[field.name];
        }
      }
      EXPECT_EQ(met, 1);
      const bool onPicture = b.left < picture.left + picture.width && picture.left < b.left + b.width &&
                             b.top < picture.top + picture.height && picture.top < b.top + b.height;
      EXPECT_TRUE(onPicture);
    }
    for (const auto& field : form->controls) {
      if (field.kind == forms::Kind::Edit) {
        EXPECT_EQ(barsOfField[field.name], 1) << field.name;
      }
    }
  }
}

}  // namespace
}  // namespace pavane
