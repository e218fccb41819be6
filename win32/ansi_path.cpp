#include "win32/ansi_path.h"

#include <algorithm>

#include "base/message_texts.h"
#include "win32/error_display.h"

namespace pavane::win {
namespace {

// The text in the ANSI code page when it converts there and back unchanged.
std::optional<std::string> Exactly(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int wideLength = static_cast<int>(text.size());
  BOOL defaulted = FALSE;
  const int length =
      WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, nullptr, 0, nullptr, &defaulted);
  if (length <= 0 || defaulted) return std::nullopt;
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, ansi.data(), length, nullptr, &defaulted);
  if (defaulted || WidePath(ansi) != text) return std::nullopt;
  return ansi;
}

// Lossy, for messages only: what the ANSI functions would have made of it.
std::string Shown(std::wstring_view text) {
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string shown(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), shown.data(), length, nullptr, nullptr);
  return shown;
}

}  // namespace

std::wstring WidePath(std::string_view ansiPath) {
  if (ansiPath.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, ansiPath.data(), static_cast<int>(ansiPath.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansiPath.data(), static_cast<int>(ansiPath.size()), wide.data(), length);
  return wide;
}

std::optional<std::string> AnsiPath(std::wstring_view path) {
  if (std::optional<std::string> ansi = Exactly(path)) return ansi;
  const std::wstring full(path);
  const DWORD needed = GetShortPathNameW(full.c_str(), nullptr, 0);
  if (needed == 0) return std::nullopt;
  std::wstring shortPath(needed, L'\0');
  const DWORD length = GetShortPathNameW(full.c_str(), shortPath.data(), needed);
  if (length == 0 || length >= needed) return std::nullopt;
  shortPath.resize(length);
  return Exactly(shortPath);
}

std::string CommandLineUtf8() {
  const std::wstring_view line = GetCommandLineW();
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(std::max(length, 0)), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), text.data(), length, nullptr, nullptr);
  return text;
}

std::wstring WideFromUtf8(std::string_view text) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(length, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

bool NamesFileUtf8(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ReportUnusableName(HWND owner, std::wstring_view path) {
  MessageBoxA(owner, FormatText(TEXT_UNUSABLE_NAME, Shown(path)).c_str(), ProgramTitle().c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace pavane::win
