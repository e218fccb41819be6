#include "win32/error_display.h"

#include <new>
#include <utility>

#include "base/message_texts.h"
#include "win32/form_window.h"

namespace pavane::win {
namespace {

std::string& ErrorCaption() {
  static std::string caption = TEXT_APP_TITLE;
  return caption;
}

}  // namespace

void SetErrorCaption(std::string caption) { ErrorCaption() = std::move(caption); }

const std::string& ProgramTitle() { return ErrorCaption(); }

std::string ErrorText(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) return "Out of memory.";
  return error.what();
}

void ShowCurrentException() noexcept {
  try {
    std::string text = "An unknown error occurred.";
    try {
      throw;
    } catch (const std::exception& error) {
      text = ErrorText(error);
    } catch (...) {
    }
    MessageBoxA(PromptOwner(GetActiveWindow()), text.c_str(), ErrorCaption().c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    // Not even the message could be made (no memory left): the command has ended all the same.
  }
}

HWND PromptOwner(HWND mainWindow) {
  if (const HWND modal = InnermostModalWindow()) return modal;
  if (mainWindow && IsWindow(mainWindow) && IsWindowVisible(mainWindow)) return mainWindow;
  return nullptr;
}

}  // namespace pavane::win
