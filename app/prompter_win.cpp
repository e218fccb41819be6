#include "app/prompter_win.h"

#include <cderr.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "forms/input_box_layout.h"
#include "widgets/browse_folder_win.h"
#include "win32/ansi_path.h"
#include "win32/error_display.h"
#include "win32/form_window.h"
#include "win32/late_bound_win.h"

namespace pavane::win {
namespace {

// Larger than any path the system accepts, so no chosen name is cut short.
constexpr std::size_t kFileBufferSize = 32768;

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

UINT MessageBoxStyle(const forms::MessageRequest& request) {
  UINT style = MB_OK;
  switch (request.buttons) {
    case forms::Buttons::Ok:
      style = MB_OK;
      break;
    case forms::Buttons::YesNo:
      style = MB_YESNO;
      break;
    case forms::Buttons::YesNoCancel:
      style = MB_YESNOCANCEL;
      break;
  }
  switch (request.icon) {
    case forms::Icon::None:
      break;
    case forms::Icon::Question:
      style |= MB_ICONQUESTION;
      break;
    case forms::Icon::Error:
      style |= MB_ICONERROR;
      break;
    case forms::Icon::Information:
      style |= MB_ICONINFORMATION;
      break;
  }
  if (request.defaultNo) style |= MB_DEFBUTTON2;
  return style;
}

std::string FileDialogFilter(std::string_view filter) {
  std::string result(filter);
  for (char& c : result) {
    if (c == '|') c = '\0';
  }
  result.push_back('\0');
  result.push_back('\0');
  return result;
}

forms::Answer Win32Prompter::Show(const forms::MessageRequest& request) {
  switch (MessageBoxA(PromptOwner(owner_), request.text.c_str(), request.caption.c_str(), MessageBoxStyle(request))) {
    case IDOK:
      return forms::Answer::Ok;
    case IDYES:
      return forms::Answer::Yes;
    case IDNO:
      return forms::Answer::No;
    default:
      return forms::Answer::Cancel;
  }
}

std::optional<std::vector<wchar_t>> Win32Prompter::RunFileDialog(const forms::FileDialogRequest& request,
                                                                 FileDialog kind) {
  // The dialog gives names in full, so none comes back with "?" in place of
  // its letters; the texts it is given are the program's own.
  const std::wstring filter = WidePath(FileDialogFilter(request.filter));
  const std::wstring initialDirectory = WidePath(request.initialDirectory);
  const std::wstring title = WidePath(request.title);
  const std::wstring defaultExtension = WidePath(request.defaultExtension);
  const std::wstring fileName = WidePath(request.fileName);
  // Many chosen names share the buffer: give them room for hundreds at once.
  const std::size_t start = kind == FileDialog::OpenMany ? 8 * kFileBufferSize : kFileBufferSize;
  std::vector<wchar_t> buffer(std::max(start, fileName.size() + 2), L'\0');
  while (true) {
    std::fill(buffer.begin(), buffer.end(), L'\0');
    std::copy(fileName.begin(), fileName.end(), buffer.begin());

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = PromptOwner(owner_);
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrInitialDir = OrNull(initialDirectory);
    dialog.lpstrTitle = OrNull(title);
    dialog.lpstrDefExt = OrNull(defaultExtension);
    dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER;
    if (kind == FileDialog::OpenMany) dialog.Flags |= OFN_ALLOWMULTISELECT;
    if (request.mustExist) dialog.Flags |= OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (request.promptOverwrite) dialog.Flags |= OFN_OVERWRITEPROMPT;

    const BOOL chosen = kind == FileDialog::Save ? late::GetSaveFileNameW(&dialog) : late::GetOpenFileNameW(&dialog);
    if (chosen) return buffer;
    if (late::CommDlgExtendedError() != FNERR_BUFFERTOOSMALL) return std::nullopt;
    // The first character holds the size the name needs; ask again with room for it.
    const std::size_t needed = static_cast<WORD>(buffer[0]);
    buffer.assign(std::max(buffer.size() * 2, needed + 2), L'\0');
  }
}

std::vector<std::string> Win32Prompter::UsablePaths(const std::vector<std::wstring>& chosen) {
  std::vector<std::string> paths;
  for (const std::wstring& path : chosen) {
    if (std::optional<std::string> usable = AnsiPath(path)) {
      paths.push_back(std::move(*usable));
    } else {
      ReportUnusableName(PromptOwner(owner_), path);
    }
  }
  return paths;
}

std::optional<std::string> Win32Prompter::OpenFile(const forms::FileDialogRequest& request) {
  const auto buffer = RunFileDialog(request, FileDialog::Open);
  if (!buffer) return std::nullopt;
  const std::vector<std::string> paths = UsablePaths({std::wstring(buffer->data())});
  if (paths.empty()) return std::nullopt;
  return paths.front();
}

std::vector<std::string> Win32Prompter::OpenFiles(const forms::FileDialogRequest& request) {
  const auto buffer = RunFileDialog(request, FileDialog::OpenMany);
  if (!buffer) return {};
  return UsablePaths(ChosenFiles(std::wstring_view(buffer->data(), buffer->size())));
}

std::optional<std::string> Win32Prompter::SaveFile(const forms::FileDialogRequest& request) {
  const auto buffer = RunFileDialog(request, FileDialog::Save);
  if (!buffer) return std::nullopt;
  const std::vector<std::string> paths = UsablePaths({std::wstring(buffer->data())});
  if (paths.empty()) return std::nullopt;
  return paths.front();
}

// Rooted at the desktop, file-system folders only; `startFolder` is selected
// once the dialog has opened.
std::optional<std::string> Win32Prompter::BrowseFolder(const std::string& title, const std::string& startFolder) {
  widgets::TBrowseFolder browser;
  browser.RootClsid = widgets::bff_RootClsid::bff_DESKTOP;
  browser.RootDir = startFolder;
  browser.Title = title;
  browser.BFF_Options = widgets::bff_ReturnOnlyFSDirs;
  browser.Owner = PromptOwner(owner_);
  browser.OnInitialized = [](widgets::TBrowseFolder& sender) {
    if (!sender.RootDir.empty()) sender.SelectFolder(sender.RootDir);
  };
  if (!browser.Browse()) return std::nullopt;
  return browser.FolderPath();
}

// An input box made by the form engine from its table.
std::optional<std::string> Win32Prompter::InputBox(const forms::InputRequest& request) {
  namespace ui = forms::input_box;
  FormWindow box(forms::InputBoxForm());
  box.Create(PromptOwner(owner_));
  box.SetCaption(request.caption);
  box.SetText(ui::Prompt, request.prompt);
  box.SetText(ui::Edit, request.text);
  if (box.ShowModal() != forms::kModalOk) return std::nullopt;
  return box.Text(ui::Edit);
}

}  // namespace pavane::win
