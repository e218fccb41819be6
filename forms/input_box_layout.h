#pragma once

#include <string_view>

#include "forms/form_spec.h"

namespace pavane::forms {

namespace input_box {
inline constexpr std::string_view Prompt = "Prompt";
inline constexpr std::string_view Edit = "Edit";
}  // namespace input_box

// The input box of the prompt seam: its prompt over a one-line edit, OK and
// Cancel. The caption and the texts are set for each question.
const Form& InputBoxForm();

}  // namespace pavane::forms
