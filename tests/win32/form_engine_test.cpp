// The form engine on small forms of its own: loud failures, modal dialogs,
// handlers that throw; the real prompter's translations; the scripted one.

#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/program_win.h"
#include "app/prompter_win.h"
#include "tests/support/scripted_prompter.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/modal_observer.h"
#include "tests/win32/test_key.h"
#include "tests/win32/window_script.h"
#include "win32/error_display.h"
#include "win32/form_window.h"

namespace pavane {
namespace {

using forms::Kind;

constexpr auto kDialogControls = std::to_array<forms::Control>({
    {.kind = Kind::Edit, .name = "NameEdit", .bounds = {8, 8, 120, 21}, .tabOrder = 0},
    {.kind = Kind::Button,
     .name = "OKBtn",
     .caption = "OK",
     .bounds = {8, 40, 75, 25},
     .tabOrder = 1,
     .onClick = "OKClick",
     .modalResult = 1,
     .isDefault = true},
    {.kind = Kind::Button,
     .name = "CancelBtn",
     .caption = "Cancel",
     .bounds = {88, 40, 75, 25},
     .tabOrder = 2,
     .modalResult = 2,
     .isCancel = true},
});
constexpr forms::Form kDialog{.className = "TTestDialog",
                              .name = "TestDialog",
                              .caption = "Test",
                              .clientWidth = 180,
                              .clientHeight = 80,
                              .frame = forms::Frame::Dialog,
                              .controls = kDialogControls};

class ModalTest : public ::testing::Test {
 protected:
  ModalTest() {
    owner.Bind("OKClick", [](const forms::Event&) {});
    owner.Create();
    owner.Show();
    dialog.Bind("OKClick", [this](const forms::Event&) { ownerEnabledDuringClick = IsWindowEnabled(owner.Handle()); });
    dialog.Create(owner.Handle());
  }
  void PostKey(UINT key) { PostMessageA(dialog.Control("NameEdit"), WM_KEYDOWN, key, 1); }

  win::FormWindow owner{kDialog};
  win::FormWindow dialog{kDialog};
  int ownerEnabledDuringClick = -1;
};

TEST_F(ModalTest, OkButtonEndsTheDialogWithItsResultWhileTheOwnerIsDisabled) {
  PostMessageA(dialog.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(dialog.Control("OKBtn")), BN_CLICKED),
               reinterpret_cast<LPARAM>(dialog.Control("OKBtn")));
  EXPECT_EQ(dialog.ShowModal(), 1);
  EXPECT_EQ(ownerEnabledDuringClick, FALSE);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
  EXPECT_TRUE(dialog.Handle());  // still there to be read back
}

TEST_F(ModalTest, DialogsHaveAFixedFrameWithOnlyTheSystemMenu) {
  const LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongA(dialog.Handle(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  EXPECT_EQ(GetWindow(dialog.Handle(), GW_OWNER), owner.Handle());
  RECT client;
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 180);
  EXPECT_EQ(client.bottom, 80);
}

TEST_F(ModalTest, EnterIsOkAndEscAndTheCloseBoxAreCancel) {
  PostKey(VK_RETURN);
  EXPECT_EQ(dialog.ShowModal(), 1);
  PostKey(VK_ESCAPE);
  EXPECT_EQ(dialog.ShowModal(), 2);
  PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), 2);
  EXPECT_TRUE(dialog.Handle());
  dialog.StartTimer(7, 10, [this] { dialog.EndModal(42); });
  EXPECT_EQ(dialog.ShowModal(), 42);
}

TEST(FormEngine, CreateFailsBeforeAnyWindowWhenAHandlerIsUnbound) {
  win::FormWindow form{kDialog};
  try {
    form.Create();
    ADD_FAILURE() << "Create accepted an unbound handler";
  } catch (const std::logic_error& error) {
    EXPECT_NE(std::string(error.what()).find("OKClick"), std::string::npos) << error.what();
  }
  EXPECT_EQ(form.Handle(), nullptr);
  EXPECT_EQ(FindWindowA("TTestDialog", "Test"), nullptr);
}

TEST(FormEngine, CreateFailsOnABrokenTable) {
  static constexpr auto kBroken = std::to_array<forms::Control>({
      {.kind = Kind::Edit, .name = "Twice", .bounds = {0, 0, 10, 10}},
      {.kind = Kind::UpDown, .name = "Spin", .bounds = {10, 0, 10, 10}, .buddy = "Nobody"},
  });
  constexpr forms::Form kForm{.className = "TBroken",
                              .name = "Broken",
                              .clientWidth = 50,
                              .clientHeight = 50,
                              .frame = forms::Frame::Dialog,
                              .controls = kBroken};
  win::FormWindow form{kForm};
  EXPECT_THROW(form.Create(), std::logic_error);
  EXPECT_EQ(form.Handle(), nullptr);
}

// Closes the program's error boxes as they appear, keeping their texts.
class ErrorBoxes {
 public:
  explicit ErrorBoxes(std::size_t expected) : expected_(expected), observer_([this] { return Step(); }) {
    win::SetErrorCaption(kCaption);
  }
  ~ErrorBoxes() { win::SetErrorCaption("Pavane"); }
  const std::vector<std::string>& Texts() const { return texts_; }
  HWND LastOwner() const { return owner_; }

  static constexpr const char* kCaption = "Engine test";

 private:
  bool Step() {
    const HWND box = FindWindowA("#32770", kCaption);
    if (!box || !IsWindowVisible(box) || box == closing_) return false;
    texts_.push_back(testing::WindowText(testing::FindControl(box, "Static", nullptr, true)));
    owner_ = GetWindow(box, GW_OWNER);
    closing_ = box;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return texts_.size() == expected_;
  }

  std::size_t expected_;
  std::vector<std::string> texts_;
  HWND owner_ = nullptr;
  HWND closing_ = nullptr;
  testing::ModalObserver observer_;
};

TEST(FormEngine, AThrowingHandlerShowsItsErrorAndLeavesTheWindowWorking) {
  win::FormWindow form{kDialog};
  int clicks = 0;
  form.Bind("OKClick", [&](const forms::Event&) {
    if (++clicks == 2) throw std::bad_alloc();
    throw std::runtime_error("handler failed");
  });
  form.Create();
  form.Show();
  ErrorBoxes boxes(3);
  const HWND ok = form.Control("OKBtn");
  SendMessageA(ok, BM_CLICK, 0, 0);                                  // inside a window procedure
  PostMessageA(form.Control("NameEdit"), WM_KEYDOWN, VK_RETURN, 1);  // from the message loop
  win::PumpMessages();
  SendMessageA(ok, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 3);
  EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"handler failed", "Out of memory.", "handler failed"}));
  EXPECT_EQ(boxes.LastOwner(), form.Handle());
  EXPECT_TRUE(IsWindow(form.Handle()));
}

TEST(Win32Prompter, MessageBoxStylesAndFilters) {
  forms::MessageRequest question{.buttons = forms::Buttons::YesNoCancel, .icon = forms::Icon::Question};
  EXPECT_EQ(win::MessageBoxStyle(question), 0x23u);
  question.buttons = forms::Buttons::YesNo;
  question.defaultNo = true;
  EXPECT_EQ(win::MessageBoxStyle(question), static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
  EXPECT_EQ(win::MessageBoxStyle({.icon = forms::Icon::Error}), static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(win::FileDialogFilter("A|*.a|B|*.b;*.c"), std::string("A\0*.a\0B\0*.b;*.c\0\0", 17));
}

TEST(ScriptedPrompter, AnswersInOrderRecordsAndFailsWhenTheScriptRunsOut) {
  testing::ScriptedPrompter prompter;
  prompter.Answer(forms::Answer::No).OpenAnswer("C:\\A.SMC");
  EXPECT_EQ(prompter.Show({.text = "Save Settings?", .caption = "Pavane"}), forms::Answer::No);
  EXPECT_EQ(prompter.OpenFile({.title = "Open ROM", .initialDirectory = "E:\\ZSNES"}), "C:\\A.SMC");
  EXPECT_TRUE(prompter.ScriptUsedUp());
  EXPECT_NONFATAL_FAILURE(prompter.Show({.text = "One more?"}), "One more?");
  EXPECT_NONFATAL_FAILURE(prompter.BrowseFolder("Choose a directory:", "C:\\"), "folder browser");
  ASSERT_EQ(prompter.Requests().size(), 4u);
  EXPECT_EQ(prompter.Requests()[1].file.initialDirectory, "E:\\ZSNES");
  EXPECT_EQ(prompter.Requests()[3].file.title, "Choose a directory:");
  EXPECT_EQ(prompter.MessageTexts(), (std::vector<std::string>{"Save Settings?", "One more?"}));
}

// The real main window binds every handler name of its table and its Close
// button ends it.
TEST(TMainForm, BindsEveryHandlerAndCloses) {
  AppState state;
  testing::ScriptedPrompter prompter;
  const testing::TestKey key;
  Win32Program program(state, prompter, key.path());
  win::FormWindow& window = program.Window();
  window.Show();
  window.ShowPage("SwitchesTab");
  SendMessageA(window.Control("SwitchCheck3"), BM_CLICK, 0, 0);
  EXPECT_EQ(window.Text("ZSNESCmdLineEdit"), "-d");
  SendMessageA(window.Control("CancelButton"), BM_CLICK, 0, 0);
  win::PumpMessages();
  EXPECT_EQ(window.Handle(), nullptr);
}

}  // namespace
}  // namespace pavane
