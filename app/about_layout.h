#pragma once

#include <string_view>

#include "forms/form_spec.h"

namespace pavane {

// TAboutBox: banner, version and credit lines, the homepage address and one
// button that closes it.
const forms::Form& AboutBoxForm();

// The address shown in `PavaneLink`.
inline constexpr std::string_view kHomepageAddress = "http://pavane.example.org/";

}  // namespace pavane
