#include "launch/run_dialog_layout.h"

#include <array>

namespace pavane {

namespace {

using forms::Control;
using forms::Kind;

// Labels take the width of their text when they are created and filled; the
// widths here only hold until then.
constexpr std::array kControls{
    Control{.kind = Kind::Label, .name = "Label2", .caption = "Status:", .bounds = {16, 16, 33, 13}},
    Control{.kind = Kind::Label, .name = run_dialog::StatusLabel, .bounds = {80, 16, 176, 13}},
    Control{.kind = Kind::Label, .name = "Label1", .caption = "ROM file:", .bounds = {16, 40, 44, 13}},
    Control{.kind = Kind::Label, .name = run_dialog::RomFileLabel, .bounds = {80, 40, 176, 13}, .path = true},
    Control{.kind = Kind::Label, .name = "Label3", .caption = "ROM title:", .bounds = {16, 64, 48, 13}},
    Control{.kind = Kind::Label, .name = run_dialog::RomTitleLabel, .bounds = {80, 64, 176, 13}},
    Control{.kind = Kind::Button,
            .name = run_dialog::TerminateBtn,
            .caption = "&Terminate",
            .bounds = {264, 8, 80, 24},
            .tabOrder = 0,
            .modalResult = forms::kModalOk,
            .isDefault = true,
            .enabled = false},
    Control{.kind = Kind::Button,
            .name = "CancelBtn",
            .caption = "&Close",
            .bounds = {264, 36, 80, 24},
            .tabOrder = 1,
            .modalResult = forms::kModalCancel,
            .isCancel = true},
};

constexpr forms::Form kRunDialog{
    .className = "TRunDialog",
    .name = "RunDialog",
    .caption = "RunDialog",
    .clientWidth = 353,
    .clientHeight = 119,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
};

}  // namespace

const forms::Form& RunDialogLayout() { return kRunDialog; }

}  // namespace pavane
