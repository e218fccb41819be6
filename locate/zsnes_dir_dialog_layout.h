#pragma once

#include "forms/form_spec.h"

namespace pavane {

// TZSnesDirDialog ("ZSNES Location"): asks for the directory that holds ZSNES.
const forms::Form& ZSnesDirDialogForm();

}  // namespace pavane
