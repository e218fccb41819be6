#include "favorites/favorites_dialog_layout.h"

#include <array>

namespace pavane {

namespace {

namespace ui = favorites_dialog;
using forms::Control;
using forms::Kind;

// Labels take the width of their text once they are filled; the widths here
// only hold until then.
constexpr std::array kControls{
    Control{.kind = Kind::ListBox,
            .name = ui::FaveListBox,
            .bounds = {16, 16, 217, 193},
            .tabOrder = 0,
            .onClick = "FaveListBoxClick",
            .onDoubleClick = "FaveListBoxDblClick",
            .onDropFiles = "FaveListBoxDropFiles",
            .multiSelect = true,
            .itemHeight = 13},
    Control{.kind = Kind::Button,
            .name = "OKBtn",
            .caption = "OK",
            .bounds = {248, 16, 88, 24},
            .tabOrder = 1,
            .modalResult = forms::kModalOk,
            .isDefault = true},
    Control{.kind = Kind::Button,
            .name = "CancelBtn",
            .caption = "Cancel",
            .bounds = {248, 44, 88, 24},
            .tabOrder = 2,
            .modalResult = forms::kModalCancel,
            .isCancel = true},
    Control{.kind = Kind::Button,
            .name = "AddBtn",
            .caption = "&Add...",
            .bounds = {248, 88, 88, 24},
            .tabOrder = 3,
            .onClick = "AddBtnClick"},
    Control{.kind = Kind::Button,
            .name = "RemoveBtn",
            .caption = "&Remove",
            .bounds = {248, 116, 88, 24},
            .tabOrder = 4,
            .onClick = "RemoveBtnClick"},
    Control{.kind = Kind::Button,
            .name = ui::UpBtn,
            .caption = "&Up",
            .bounds = {248, 152, 88, 24},
            .tabOrder = 5,
            .onClick = "UpBtnClick"},
    Control{.kind = Kind::Button,
            .name = ui::DownBtn,
            .caption = "&Down",
            .bounds = {248, 180, 88, 24},
            .tabOrder = 6,
            .onClick = "DownBtnClick"},
    Control{.kind = Kind::Label, .name = "Label1", .caption = "ROM title:", .bounds = {16, 216, 49, 13}},
    Control{.kind = Kind::Label, .name = ui::RomTitleLabel, .bounds = {72, 216, 161, 13}},
};

constexpr forms::Form kForm{
    .className = "TFavoritesDialog",
    .name = "FavoritesDialog",
    .caption = "Favorites List",
    .clientWidth = 347,
    .clientHeight = 254,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
    .initialFocus = ui::FaveListBox,
};

}  // namespace

const forms::Form& FavoritesDialogForm() { return kForm; }

}  // namespace pavane
