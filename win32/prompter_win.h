#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "forms/prompter.h"

namespace pavane::win {

// The real questions, messages, input boxes, file dialogs and folder browser, each modal
// over the window that asks: the innermost modal dialog, else `owner` (the
// main window).
class Win32Prompter : public forms::Prompter {
 public:
  explicit Win32Prompter(HWND owner = nullptr) : owner_(owner) {}

  void SetOwner(HWND owner) { owner_ = owner; }
  HWND Owner() const { return owner_; }

  forms::Answer Show(const forms::MessageRequest& request) override;
  std::optional<std::string> OpenFile(const forms::FileDialogRequest& request) override;
  std::vector<std::string> OpenFiles(const forms::FileDialogRequest& request) override;
  std::optional<std::string> SaveFile(const forms::FileDialogRequest& request) override;
  std::optional<std::string> BrowseFolder(const std::string& title, const std::string& startFolder) override;
  std::optional<std::string> InputBox(const forms::InputRequest& request) override;

 private:
  enum class FileDialog { Open, OpenMany, Save };
  // The name buffer as the dialog filled it; nothing when the user cancelled.
  std::optional<std::vector<char>> RunFileDialog(const forms::FileDialogRequest& request, FileDialog kind);

  HWND owner_;
};

// MessageBoxA's style for a request: buttons, icon and default button.
UINT MessageBoxStyle(const forms::MessageRequest& request);

// "Name|*.a;*.b|All files|*.*" as the file dialogs want it: NUL after every
// part and one more at the end.
std::string FileDialogFilter(std::string_view filter);

// The files an open dialog with multiple selection put into its name buffer:
// one full path, or the directory followed by the names chosen in it; each
// part ends with a NUL, the last with two.
std::vector<std::string> ChosenFiles(std::string_view buffer);

}  // namespace pavane::win
