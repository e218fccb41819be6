// Every window of the program made at the prefix's DPI (PAVANE_DPI says
// which one the test expects): each control in its table place scaled, no
// label or check box caption cut off, pictures at their own size centred,
// owner-drawn rows and the main window's client area scaled.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "app/main_form_layout.h"
#include "app/program_forms.h"
#include "forms/dpi_scale.h"
#include "forms/radio_layout.h"
#include "input/joy_map_dialog_layout.h"
#include "input/joy_map_model.h"
#include "input/key_names.h"
#include "input/scan_key_dialog_layout.h"
#include "input/scan_key_model.h"
#include "tests/win32/form_test_support.h"
#include "widgets/explorer_button_win.h"
#include "win32/handles.h"

namespace pavane {
namespace {

using forms::Kind;
using testing::RecordingForm;
using testing::RectInParent;

int ExpectedDpi() {
  const char* dpi = std::getenv("PAVANE_DPI");
  return dpi ? std::atoi(dpi) : forms::DpiScale::kDesignDpi;
}

// The form font's character height at 96 dots per inch, which the radio rule counts with.
constexpr int kCharHeight = 11;

forms::DpiScale Scale() { return forms::DpiScale{.dpi = ExpectedDpi()}; }

RECT Scaled(const RECT& design) {
  const auto scale = Scale();
  return RECT{scale(design.left), scale(design.top), scale(design.right), scale(design.bottom)};
}

int Width(const RECT& r) { return r.right - r.left; }

// The caption as the control draws it, in its own font.
SIZE TextExtent(HWND control) {
  const std::string text = testing::WindowText(control);
  const win::WindowDC dc(control);
  const win::SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT bounds{};
  DrawTextA(dc.Get(), text.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE);
  return SIZE{bounds.right, bounds.bottom};
}

// A check box's caption starts right of its box: the box and the gap after it.
int CheckBoxTextStart() { return GetSystemMetrics(SM_CXMENUCHECK) + Scale()(4); }

TEST(Dpi, ThePrefixHasTheExpectedDpi) {
  const win::WindowDC screen(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSY), ExpectedDpi());
}

TEST(Dpi, TheMainWindowsClientAreaIsScaled) {
  RecordingForm form(MainFormLayout());
  RECT client;
  GetClientRect(form.window.Handle(), &client);
  EXPECT_EQ(client.right, Scale()(400));
  EXPECT_EQ(client.bottom, Scale()(393));
}

TEST(Dpi, OwnerDrawnRowsAreScaled) {
  RecordingForm form(MainFormLayout());
  for (const char* list : {"Player1DeviceCombo", "Player2DeviceCombo"}) {
    EXPECT_EQ(SendMessageA(form.window.Control(list), CB_GETITEMHEIGHT, 0, 0), Scale()(16)) << list;
  }
}

// The toolbar's captions are in "Small Fonts", a bitmap face whose largest
// size is small: above 96 dpi they must still grow to the scaled height.
TEST(Dpi, ToolbarCaptionsAreWrittenAtTheScaledHeight) {
  RecordingForm form(MainFormLayout());
  auto* button = dynamic_cast<widgets::TExplorerButton*>(form.window.Painted(main_form::RunButton));
  ASSERT_NE(button, nullptr);
  button->SetFont("Small Fonts", 9, widgets::clBlack);
  const win::WindowDC dc(nullptr);
  const win::SelectedObject font(dc.Get(), button->Font());
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc.Get(), &metrics);
  char face[LF_FACESIZE] = "";
  GetTextFaceA(dc.Get(), sizeof face, face);
  const int height = metrics.tmHeight - metrics.tmInternalLeading;
  const int wanted = Scale()(9);
  EXPECT_GE(height * 5, wanted * 4) << face;
  EXPECT_LE(height, wanted + 1) << face;
  if (ExpectedDpi() == forms::DpiScale::kDesignDpi) {
    EXPECT_STREQ(face, "Small Fonts");
  }
}

// Each field of the input dialogs shows every text it can show whole, with
// nothing scrolled out of sight: each key's, and a joystick button number of
// one digit or of two.
TEST(Dpi, EveryInputFieldShowsEachOfItsTextsWhole) {
  std::vector<std::string> keys;
  for (int code = kFirstScanCode; code <= kLastScanCode; ++code) {
    keys.push_back(ScanKeys(std::to_string(code), "").FieldText(0, 0));
  }
  std::vector<std::string> buttons;
  for (const char* entry : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "12", "99"}) {
    buttons.push_back(JoystickMap(entry).FieldText(0));
  }
  for (const auto& [layout, texts] : {std::pair{&ScanKeyDialogForm(), keys}, std::pair{&JoyMapDialogForm(), buttons}}) {
    RecordingForm form(*layout);
    for (const auto& control : layout->controls) {
      if (control.kind != Kind::Edit) continue;
      const HWND field = form.window.Control(control.name);
      for (const std::string& text : texts) {
        SetWindowTextA(field, text.c_str());
        EXPECT_TRUE(testing::ShowsWholeText(field)) << layout->name << "." << control.name << ": " << text;
      }
    }
  }
}

class EveryWindow : public ::testing::TestWithParam<const forms::Form*> {};

TEST_P(EveryWindow, EveryControlIsScaledAndNoCaptionIsCutOff) {
  const forms::Form& layout = *GetParam();
  RecordingForm form(layout);
  for (const auto& control : layout.controls) {
    SCOPED_TRACE(std::string(layout.name) + "." + std::string(control.name));
    const HWND hwnd = form.window.Control(control.name);
    if (!hwnd) continue;  // painted on their parent
    const RECT expected = Scaled(form.ExpectedRect(control));
    const RECT actual = RectInParent(hwnd);
    switch (control.kind) {
      case Kind::Label: {
        // At its scaled place, as wide as its text.
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        if (!control.wordWrap && !control.path) {
          EXPECT_GE(Width(actual), TextExtent(hwnd).cx);
        }
        break;
      }
      case Kind::Picture:
        if (control.scalePicture) {
          // The controller picture scales with the bars that point into it.
          EXPECT_EQ(actual, expected);
          break;
        }
        // At its own size, centred in its scaled place.
        EXPECT_NEAR(actual.left + actual.right, expected.left + expected.right, 1);
        EXPECT_NEAR(actual.top + actual.bottom, expected.top + expected.bottom, 1);
        EXPECT_LE(Width(actual), control.bounds.width);
        break;
      case Kind::DropDownList:
      case Kind::DrivePicker:
      case Kind::OwnerDrawList:
        // A closed list takes the height its font needs.
        EXPECT_EQ(actual.left, expected.left);
        EXPECT_EQ(actual.top, expected.top);
        EXPECT_EQ(actual.right, expected.right);
        break;
      case Kind::CheckBox:
        EXPECT_EQ(actual, expected);
        EXPECT_LE(CheckBoxTextStart() + TextExtent(hwnd).cx, Width(actual))
            << "caption \"" << control.caption << "\" is cut off";
        break;
      default:
        EXPECT_EQ(actual, expected);
        break;
    }
    if (control.kind != Kind::RadioGroup) continue;
    const auto items = form.RadioItems(control.name);
    ASSERT_EQ(items.size(), control.items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
      const auto box = forms::RadioItemBounds(control.bounds, static_cast<int>(items.size()), control.columns,
                                              kCharHeight, static_cast<int>(i));
      const RECT group = form.ExpectedRect(control);
      const RECT item = Scaled(RECT{group.left + box.left, group.top + box.top, group.left + box.left + box.width,
                                    group.top + box.top + box.height});
      EXPECT_EQ(RectInParent(items[i]), item) << "item " << i;
      EXPECT_LE(CheckBoxTextStart() + TextExtent(items[i]).cx, Width(item)) << "item " << i << " is cut off";
    }
  }
}

// Frame metrics of another theme for one scope: a thicker border and a taller caption.
class OtherFrameMetrics {
 public:
  OtherFrameMetrics() {
    saved_.cbSize = sizeof saved_;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
    NONCLIENTMETRICSA other = saved_;
    other.iBorderWidth += 3;
    other.iCaptionHeight += 9;
    SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof other, &other, 0);
  }
  ~OtherFrameMetrics() { SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, sizeof saved_, &saved_, 0); }
  OtherFrameMetrics(const OtherFrameMetrics&) = delete;
  OtherFrameMetrics& operator=(const OtherFrameMetrics&) = delete;

 private:
  NONCLIENTMETRICSA saved_{};
};

// Every window is made from its client area, so a theme's frame never cuts
// into it or pads it.
TEST_P(EveryWindow, TheClientAreaIsTheDeclaredOneWhateverTheFrame) {
  const forms::Form& layout = *GetParam();
  const int caption = GetSystemMetrics(SM_CYCAPTION);
  const OtherFrameMetrics other;
  ASSERT_NE(GetSystemMetrics(SM_CYCAPTION), caption) << "the caption's height did not change";
  RecordingForm form(layout);
  RECT client;
  GetClientRect(form.window.Handle(), &client);
  EXPECT_EQ(client.right, Scale()(layout.clientWidth));
  EXPECT_EQ(client.bottom, Scale()(layout.clientHeight));
}

INSTANTIATE_TEST_SUITE_P(Program, EveryWindow, ::testing::ValuesIn(ProgramForms()));

}  // namespace
}  // namespace pavane
