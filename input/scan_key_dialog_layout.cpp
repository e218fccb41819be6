#include "input/scan_key_dialog_layout.h"

#include "base/resource_ids.h"
#include "input/input_layout.h"

namespace pavane {

namespace {

namespace ui = scan_key_dialog;
using forms::Control;
using forms::Kind;

constexpr Control Field(std::size_t position, int left, int top) {
  Control field = ButtonField(ui::Fields[position], position, left, top);
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

// Neither OK nor Cancel is the default or the cancel button: Enter and Esc
// are keys to assign like any other.
// The picture comes before its frame, which so lies below it.
constexpr std::array kControls{
    Control{.kind = Kind::Picture,
            .name = "Image1",
            .bounds = {72, 48, 325, 159},
            .resource = IDB_CONTROLLER,
            .scalePicture = true},
    Control{.kind = Kind::Bevel, .name = "Bevel", .bounds = {70, 46, 329, 163}},
    MarkerBar("Shape1", {59, 112, 85, 4}),
    MarkerBar("Shape2", {331, 112, 78, 4}),
    MarkerBar("Shape3", {64, 136, 57, 4}),
    MarkerBar("Shape4", {59, 158, 86, 4}),
    MarkerBar("Shape5", {160, 136, 4, 88}),
    MarkerBar("Shape6", {152, 38, 4, 31}),
    MarkerBar("Shape7", {328, 38, 4, 31}),
    MarkerBar("Shape8", {200, 152, 4, 65}),
    MarkerBar("Shape9", {240, 152, 4, 65}),
    MarkerBar("Shape10", {302, 130, 4, 95}),
    MarkerBar("Shape11", {355, 137, 54, 4}),
    MarkerBar("Shape12", {324, 155, 85, 4}),
    Field(0, 113, 225),  // Right
    Field(1, 8, 126),    // Left
    Field(2, 8, 154),    // Down
    Field(3, 8, 98),     // Up
    Field(4, 235, 217),  // Start
    Field(5, 174, 217),  // Select
    Field(6, 408, 153),  // B
    Field(7, 296, 225),  // Y
    Field(8, 408, 125),  // A
    Field(9, 408, 97),   // X
    Field(10, 113, 17),  // L
    Field(11, 296, 17),  // R
    Control{.kind = Kind::Button,
            .name = "OKButton",
            .caption = "OK",
            .bounds = {304, 320, 72, 24},
            .tabOrder = 12,
            .modalResult = forms::kModalOk},
    Control{.kind = Kind::Button,
            .name = "CancelButton",
            .caption = "Cancel",
            .bounds = {384, 320, 72, 24},
            .tabOrder = 13,
            .modalResult = forms::kModalCancel},
    Control{.kind = Kind::GroupBox,
            .name = "GroupBox1",
            .caption = "Assign Special Keys",
            .bounds = {16, 248, 441, 57},
            .tabOrder = 14},
    SpecialKey("AssignTabButton", "&Tabulator Key", 16, 0, "AssignTabButtonClick"),
    SpecialKey("AssignRShiftButton", "&Right Shift Key", 120, 1, "AssignRShiftButtonClick"),
    SpecialKey("PrintScreenButton", "&Print Screen Key", 224, 2, "PrintScreenButtonClick"),
    SpecialKey("Button1", "&Other...", 328, 3, "OtherButtonClick"),
};

constexpr forms::Form kForm{
    .className = "TScanKeyDialog",
    .name = "ScanKeyDialog",
    .caption = "Keyboard ScanKeys",
    .clientWidth = 472,
    .clientHeight = 363,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
    .initialFocus = ui::Fields[0],
};

}  // namespace

const forms::Form& ScanKeyDialogForm() { return kForm; }

}  // namespace pavane
