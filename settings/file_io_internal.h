#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "settings/file_io.h"

namespace pavane {

// The write fault a test has asked for, taken once (file_io.cpp); the
// system halves of the file layer share it.
std::optional<std::size_t> TakeWriteFault();

// The pieces a save writes: all of them, or, when a test has asked for a
// write fault, those before the fault (the last one cut), and `faulted` set.
std::vector<std::string_view> PiecesToWrite(std::span<const std::string_view> pieces, bool& faulted);

// ReadWholeFile and WriteWholeFile once the path's length is checked: the
// system halves of the file layer.
std::optional<std::string> ReadFileBytes(const std::string& path, FileError& error, std::uint64_t maxSize);
bool ReplaceFileBytes(const std::string& path, std::span<const std::string_view> pieces, FileError& error);

}  // namespace pavane
