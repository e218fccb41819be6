#pragma once

#include <cstddef>
#include <optional>

namespace pavane {

// The write fault a test has asked for, taken once (file_io.cpp); the
// system halves of the file layer share it.
std::optional<std::size_t> TakeWriteFault();

}  // namespace pavane
