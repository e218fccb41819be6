#pragma once

#include <windows.h>

#include <algorithm>
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
  std::optional<std::vector<wchar_t>> RunFileDialog(const forms::FileDialogRequest& request, FileDialog kind);
  // The chosen paths the program can use; the user is told of each other one.
  std::vector<std::string> UsablePaths(const std::vector<std::wstring>& chosen);

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
template <class Char>
std::vector<std::basic_string<Char>> ChosenFiles(std::basic_string_view<Char> buffer) {
  using Text = std::basic_string<Char>;
  std::vector<Text> parts;
  while (!buffer.empty() && buffer.front() != Char{}) {
    const std::size_t end = std::min(buffer.find(Char{}), buffer.size());
    parts.emplace_back(buffer.substr(0, end));
    buffer.remove_prefix(std::min(end + 1, buffer.size()));
  }
  if (parts.size() < 2) return parts;
  const Text directory = parts.front();
  const Text separator = directory.ends_with(Char{'\\'}) ? Text() : Text(1, Char{'\\'});
  std::vector<Text> files;
  for (auto name = parts.begin() + 1; name != parts.end(); ++name) files.push_back(directory + separator + *name);
  return files;
}

}  // namespace pavane::win
