#include "input/joy_map_dialog_layout.h"

#include "base/resource_ids.h"
#include "input/input_layout.h"

namespace pavane {

namespace {

namespace ui = joy_map_dialog;
using forms::Control;
using forms::Kind;

// Wide enough for a two-digit button number that a stored map may hold.
constexpr int kFieldWidth = 60;

constexpr Control Field(std::size_t position, int left, int top) {
  Control field = ButtonField(ui::Fields[position], position, left, top, kFieldWidth);
  field.onKeyPress = "BtnKeyPress";
  return field;
}

// The picture and bars sit 40 pixels further left than in the keyboard dialog;
// the picture comes before its frame, which so lies below it.
constexpr std::array kControls{
    Control{.kind = Kind::Picture,
            .name = "Image1",
            .bounds = {32, 48, 325, 159},
            .resource = IDB_CONTROLLER,
            .scalePicture = true},
    Control{.kind = Kind::Bevel, .name = "Bevel", .bounds = {30, 46, 329, 163}},
    MarkerBar("Shape2", {291, 112, 78, 4}),
    MarkerBar("Shape6", {112, 38, 4, 31}),
    MarkerBar("Shape7", {288, 38, 4, 31}),
    MarkerBar("Shape8", {160, 152, 4, 65}),
    MarkerBar("Shape9", {200, 152, 4, 65}),
    MarkerBar("Shape10", {262, 130, 4, 95}),
    MarkerBar("Shape11", {315, 137, 54, 4}),
    MarkerBar("Shape12", {284, 155, 85, 4}),
    Field(0, 194, 217),  // Start
    Field(1, 132, 217),  // Select
    Field(2, 256, 225),  // Y
    Field(3, 368, 97),   // X
    Field(4, 368, 153),  // B
    Field(5, 368, 125),  // A
    Field(6, 73, 17),    // L
    Field(7, 256, 17),   // R
    Control{.kind = Kind::Bevel, .name = "Bevel1", .bounds = {16, 264, 409, 2}},
    Control{.kind = Kind::Button,
            .name = "OKButton",
            .caption = "OK",
            .bounds = {272, 280, 72, 25},
            .tabOrder = 8,
            .modalResult = forms::kModalOk,
            .isDefault = true},
    Control{.kind = Kind::Button,
            .name = "CancelButton",
            .caption = "Cancel",
            .bounds = {352, 280, 72, 25},
            .tabOrder = 9,
            .modalResult = forms::kModalCancel,
            .isCancel = true},
};

// The client area that the sizing frame and caption make an outer size of
// 446 x 344.
constexpr forms::Form kForm{
    .className = "TJoyMapDialog",
    .name = "JoyMapDialog",
    .caption = "Joystick Mapping",
    .clientWidth = 438,
    .clientHeight = 317,
    .frame = forms::Frame::Sizeable,
    .controls = kControls,
    .initialFocus = ui::Fields[0],
};

}  // namespace

const forms::Form& JoyMapDialogForm() { return kForm; }

}  // namespace pavane
