#include "locate/search_dialog_layout.h"

#include "base/resource_ids.h"

namespace pavane {

namespace {

using forms::Control;
using forms::Kind;
namespace ui = search_dialog;

constexpr Control kControls[] = {
    {.kind = Kind::Label,
     .name = "Label1",
     .caption = "&Search Drive:",
     .bounds = {16, 26, 70, 13},
     .focuses = ui::DriveCombo},
    // Rows as tall as the drive-type pictures.
    {.kind = Kind::DrivePicker,
     .name = ui::DriveCombo,
     .bounds = {92, 24, 173, 19},
     .tabOrder = 0,
     .itemHeight = 16,
     .resource = IDI_DRIVE_FIXED},
    {.kind = Kind::Label, .name = "Label3", .caption = "ZSNES.EXE found in:", .bounds = {16, 64, 100, 13}},
    {.kind = Kind::ListBox, .name = ui::FoundListBox, .bounds = {16, 80, 257, 65}, .tabOrder = 1, .itemHeight = 13},
    {.kind = Kind::Label, .name = ui::DirLabel, .bounds = {16, 160, 353, 16}, .path = true},
    {.kind = Kind::Button,
     .name = ui::StartBtn,
     .caption = "Start Search",
     .bounds = {288, 16, 80, 24},
     .tabOrder = 2,
     .onClick = "StartBtnClick",
     .isDefault = true},
    {.kind = Kind::Button,
     .name = ui::OKBtn,
     .caption = "&Select",
     .bounds = {288, 48, 80, 24},
     .tabOrder = 3,
     .modalResult = forms::kModalOk,
     .enabled = false},
    {.kind = Kind::Button,
     .name = ui::CancelBtn,
     .caption = "Cancel",
     .bounds = {288, 76, 80, 24},
     .tabOrder = 4,
     .modalResult = forms::kModalCancel,
     .isCancel = true},
};

constexpr forms::Form kForm{
    .className = "TSearchDialog",
    .name = "SearchDialog",
    .caption = "Automatic Search",
    .clientWidth = 378,
    .clientHeight = 188,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
    .initialFocus = ui::DriveCombo,
};

}  // namespace

const forms::Form& SearchDialogForm() { return kForm; }

}  // namespace pavane
