#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace pavane::win {

// The program works with paths in the system's ANSI code page, as the
// emulator does. A path the system gives in full (UTF-16) is used as it is
// when every character has a place in that code page; else the file's short
// (8.3) path where that has one. Nothing when neither holds: a name with "?"
// in place of its letters would name another file, or none.
std::optional<std::string> AnsiPath(std::wstring_view path);

// The path in UTF-16, as the system's -W functions take it.
std::wstring WidePath(std::string_view ansiPath);

// Tells the user, over `owner`, that the file or folder `path` cannot be used.
void ReportUnusableName(HWND owner, std::wstring_view path);

// The program's command line as the system holds it in full, in UTF-8, so
// that an argument the code page cannot hold is still seen as it is; the
// separators it is split at are plain ASCII either way.
std::string CommandLineUtf8();
std::wstring WideFromUtf8(std::string_view text);
// Whether a path in UTF-8 names an existing file (not a directory).
bool NamesFileUtf8(const std::string& path);

}  // namespace pavane::win
