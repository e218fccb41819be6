#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace pavane::win {

// The program's default error display: an error that no command caught ends
// that command and is shown in a message box with the error icon, captioned
// with the program's title, over the window the user is working in.
void SetErrorCaption(std::string caption);
// That caption: the program's title, for its plain messages too.
const std::string& ProgramTitle();

// The text the user reads for an exception (an allocation failure says so in words).
std::string ErrorText(const std::exception& error);

// Shows the exception being handled; call it from a catch block only.
void ShowCurrentException() noexcept;

// The window that owns the program's questions and dialogs: the innermost
// modal form shown, else the main window (null before it exists or while it
// is being destroyed).
HWND PromptOwner(HWND mainWindow);

}  // namespace pavane::win
