#pragma once

#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// The names of its controls that the dialog's logic uses.
namespace zsnes_dir_dialog {
inline constexpr std::string_view ZSnesDirEdit = "ZSnesDirEdit";
}  // namespace zsnes_dir_dialog

// TZSnesDirDialog ("ZSNES Location"): asks for the directory that holds ZSNES.
const forms::Form& ZSnesDirDialogForm();

}  // namespace pavane
