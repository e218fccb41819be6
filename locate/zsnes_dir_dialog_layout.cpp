#include "locate/zsnes_dir_dialog_layout.h"

#include "base/resource_ids.h"

namespace pavane {

namespace {

using forms::Control;
using forms::Kind;

constexpr Control kControls[] = {
    {.kind = Kind::Picture, .name = "Image1", .bounds = {8, 16, 32, 32}, .resource = IDI_LOCATION},
    {.kind = Kind::Label,
     .name = "Label2",
     .caption = "Please specify the folder containing ZSNES.",
     .bounds = {56, 16, 265, 33},
     .wordWrap = true},
    {.kind = Kind::Label,
     .name = "Label1",
     .caption = "&Path:",
     .bounds = {24, 66, 26, 13},
     .focuses = zsnes_dir_dialog::ZSnesDirEdit},
    {.kind = Kind::Edit, .name = zsnes_dir_dialog::ZSnesDirEdit, .bounds = {56, 64, 217, 21}, .tabOrder = 0},
    {.kind = Kind::Button,
     .name = "BrowseButton",
     .caption = "&Browse...",
     .bounds = {280, 64, 57, 20},
     .tabOrder = 1,
     .onClick = "BrowseButtonClick"},
    {.kind = Kind::Button,
     .name = "OKButton",
     .caption = "OK",
     .bounds = {56, 108, 80, 24},
     .tabOrder = 2,
     .modalResult = forms::kModalOk,
     .isDefault = true},
    {.kind = Kind::Button,
     .name = "ExitButton",
     .caption = "Cancel",
     .bounds = {144, 108, 80, 24},
     .tabOrder = 3,
     .modalResult = forms::kModalCancel,
     .isCancel = true},
    {.kind = Kind::Button,
     .name = "AutoSearchButton",
     .caption = "Automatic &Search...",
     .bounds = {232, 108, 104, 24},
     .tabOrder = 4,
     .onClick = "AutoSearchButtonClick"},
};

constexpr forms::Form kForm{
    .className = "TZSnesDirDialog",
    .name = "ZSnesDirDialog",
    .caption = "ZSNES Location",
    .clientWidth = 348,
    .clientHeight = 144,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
    .initialFocus = zsnes_dir_dialog::ZSnesDirEdit,
};

}  // namespace

const forms::Form& ZSnesDirDialogForm() { return kForm; }

}  // namespace pavane
