#include "forms/input_box_layout.h"

#include <array>

namespace pavane::forms {

namespace {

namespace ui = input_box;

constexpr std::array kControls{
    Control{.kind = Kind::Label, .name = ui::Prompt, .bounds = {8, 8, 284, 13}, .focuses = ui::Edit},
    Control{.kind = Kind::Edit, .name = ui::Edit, .bounds = {8, 26, 284, 21}, .tabOrder = 0},
    Control{.kind = Kind::Button,
            .name = "OKButton",
            .caption = "OK",
            .bounds = {140, 60, 72, 24},
            .tabOrder = 1,
            .modalResult = kModalOk,
            .isDefault = true},
    Control{.kind = Kind::Button,
            .name = "CancelButton",
            .caption = "Cancel",
            .bounds = {220, 60, 72, 24},
            .tabOrder = 2,
            .modalResult = kModalCancel,
            .isCancel = true},
};

constexpr Form kForm{
    .className = "TInputBox",
    .name = "InputBox",
    .clientWidth = 300,
    .clientHeight = 94,
    .frame = Frame::Dialog,
    .controls = kControls,
    .initialFocus = ui::Edit,
};

}  // namespace

const Form& InputBoxForm() { return kForm; }

}  // namespace pavane::forms
