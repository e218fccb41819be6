#include "input/scan_key_dialog_layout.h"

#include "base/resource_ids.h"
#include "input/input_layout.h"

namespace pavane {

namespace {

namespace ui = scan_key_dialog;
using forms::Control;
using forms::Kind;

// Wide enough for "14 BACKSPC", the widest key.
constexpr int kFieldWidth = 72;

constexpr Control Field(std::size_t position, int left, int top) {
  Control field = ButtonField(ui::Fields[position], position, left, top, kFieldWidth);
  field.onEnter = "ButtonKeyEnter";
  field.onKeyDown = "ButtonKeyDown";
  return field;
}

constexpr Control SpecialKey(std::string_view name, std::string_view caption, int left, int tabOrder,
                             std::string_view onClick) {
  return {.kind = Kind::Button,
          .name = name,
          .parent = "GroupBox1",
          .caption = caption,
          .bounds = {left, 24, 96, 24},
          .tabOrder = tabOrder,
          .onClick = onClick};
}

// The picture comes before its frame, which so lies below it. The bars of
// Select, Start, Right and Y end 40 to 62 pixels apart, closer than two
// fields are wide: Right and Start have their fields in a first row below the
// picture, Select and Y in a second one, whose bars pass between the first.
constexpr std::array kControls{
    Control{.kind = Kind::Picture,
            .name = "Image1",
            .bounds = {86, 48, 325, 159},
            .resource = IDB_CONTROLLER,
            .scalePicture = true},
    Control{.kind = Kind::Bevel, .name = "Bevel", .bounds = {84, 46, 329, 163}},
    MarkerBar("Shape1", {75, 112, 83, 4}),
    MarkerBar("Shape2", {345, 112, 78, 4}),
    MarkerBar("Shape3", {80, 136, 55, 4}),
    MarkerBar("Shape4", {75, 158, 84, 4}),
    MarkerBar("Shape5", {174, 136, 4, 81}),
    MarkerBar("Shape6", {166, 38, 4, 31}),
    MarkerBar("Shape7", {342, 38, 4, 31}),
    MarkerBar("Shape8", {214, 152, 4, 92}),
    MarkerBar("Shape9", {254, 152, 4, 65}),
    MarkerBar("Shape10", {316, 130, 4, 114}),
    MarkerBar("Shape11", {369, 137, 54, 4}),
    MarkerBar("Shape12", {338, 155, 85, 4}),
    Field(0, 136, 217),  // Right
    Field(1, 8, 126),    // Left
    Field(2, 8, 154),    // Down
    Field(3, 8, 98),     // Up
    Field(4, 224, 217),  // Start
    Field(5, 180, 244),  // Select
    Field(6, 422, 153),  // B
    Field(7, 282, 244),  // Y
    Field(8, 422, 125),  // A
    Field(9, 422, 97),   // X
    Field(10, 132, 17),  // L
    Field(11, 308, 17),  // R
    Control{.kind = Kind::Button,
            .name = "OKButton",
            .caption = "OK",
            .bounds = {334, 344, 72, 24},
            .tabOrder = 12,
            .modalResult = forms::kModalOk},
    Control{.kind = Kind::Button,
            .name = "CancelButton",
            .caption = "Cancel",
            .bounds = {414, 344, 72, 24},
            .tabOrder = 13,
            .modalResult = forms::kModalCancel},
    Control{.kind = Kind::GroupBox,
            .name = "GroupBox1",
            .caption = "Assign Special Keys",
            .bounds = {16, 272, 471, 57},
            .tabOrder = 14},
    SpecialKey("AssignTabButton", "&Tabulator Key", 16, 0, "AssignTabButtonClick"),
    SpecialKey("AssignRShiftButton", "&Right Shift Key", 120, 1, "AssignRShiftButtonClick"),
    SpecialKey("PrintScreenButton", "&Print Screen Key", 224, 2, "PrintScreenButtonClick"),
    SpecialKey("Button1", "&Other...", 328, 3, "OtherButtonClick"),
};

// Neither OK nor Cancel is the default or the cancel button, and Enter and
// Esc press no button at all: they are keys to assign like any other, and
// must never end the dialog and lose what was assigned.
constexpr forms::Form kForm{
    .className = "TScanKeyDialog",
    .name = "ScanKeyDialog",
    .caption = "Keyboard ScanKeys",
    .clientWidth = 502,
    .clientHeight = 387,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
    .initialFocus = ui::Fields[0],
    .enterAndEscapeAreKeys = true,
};

}  // namespace

const forms::Form& ScanKeyDialogForm() { return kForm; }

}  // namespace pavane
