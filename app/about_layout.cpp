#include "app/about_layout.h"

#include "base/resource_ids.h"
#include "base/version.h"

namespace pavane {

namespace {

using forms::Control;
using forms::Kind;

constexpr Control kControls[] = {
    {.kind = Kind::Picture, .name = "Image1", .bounds = {8, 8, 350, 92}, .resource = IDB_ABOUT_BANNER},
    {.kind = Kind::Label,
     .name = "Label1",
     .caption = "Pavane v" PAVANE_VERSION,
     .bounds = {24, 112, 81, 13},
     .bold = true},
    {.kind = Kind::Label,
     .name = "Label2",
     .caption = "A Windows 95 based frontend for ZSNES v0.400",
     .bounds = {24, 128, 233, 13}},
    {.kind = Kind::Label, .name = "Label3", .caption = "Code by the Pavane team", .bounds = {24, 152, 126, 13}},
    {.kind = Kind::Label, .name = "Label4", .caption = "Artwork by the Pavane team", .bounds = {24, 176, 138, 13}},
    {.kind = Kind::Bevel, .name = "Bevel1", .bounds = {24, 200, 337, 2}},
    {.kind = Kind::Label, .name = "Label5", .caption = "Visit the Pavane homepage at", .bounds = {24, 208, 136, 13}},
    {.kind = Kind::ReadOnlyEdit,
     .name = "PavaneLink",
     .caption = kHomepageAddress,
     .bounds = {24, 224, 225, 16},
     .tabOrder = 1},
    {.kind = Kind::Button,
     .name = "OKBtn",
     .caption = "&Kupo!",
     .bounds = {272, 212, 90, 37},
     .tabOrder = 0,
     .modalResult = forms::kModalOk,
     .isDefault = true,
     .isCancel = true,
     .resource = IDB_ABOUT_GLYPH},
};

constexpr forms::Form kForm{
    .className = "TAboutBox",
    .name = "AboutBox",
    .caption = "About",
    .clientWidth = 368,
    .clientHeight = 268,
    .frame = forms::Frame::Dialog,
    .controls = kControls,
};

}  // namespace

const forms::Form& AboutBoxForm() { return kForm; }

}  // namespace pavane
