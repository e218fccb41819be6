// Files dropped from the shell: the form takes them when it or one of its
// controls names a drop handler, and hands their paths to the control they
// were dropped on, else to the form.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "win32/ansi_path.h"
#include "win32/form_impl.h"
#include "win32/late_bound_win.h"

namespace pavane::win {
namespace {

// The dropped paths the program can use; `owner` tells the user of each other one.
std::vector<std::string> DroppedPaths(HDROP drop, HWND owner) {
  std::vector<std::string> paths;
  const UINT count = late::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = late::DragQueryFileW(drop, i, nullptr, 0);
    if (length == 0) continue;
    std::wstring path(length + 1, L'\0');
    path.resize(late::DragQueryFileW(drop, i, path.data(), length + 1));
    if (std::optional<std::string> usable = AnsiPath(path)) {
      paths.push_back(std::move(*usable));
    } else {
      ReportUnusableName(owner, path);
    }
  }
  return paths;
}

}  // namespace

bool FormWindow::Impl::TakesDrops() const {
  if (!form.onDropFiles.empty()) return true;
  for (const auto& control : form.controls) {
    if (!control.onDropFiles.empty()) return true;
  }
  return false;
}

void FormWindow::Impl::DropFiles(HDROP drop) {
  // The drop is the receiver's to free, whatever the handler does.
  struct Finish {
    HDROP drop;
    ~Finish() { late::DragFinish(drop); }
  } finish{drop};
  POINT point{};
  late::DragQueryPoint(drop, &point);
  ClientToScreen(hwnd, &point);
  std::vector<std::string> paths = DroppedPaths(drop, hwnd);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const auto& control = controls[i];
    if (control.spec->onDropFiles.empty() || !control.hwnd || !IsWindowVisible(control.hwnd)) continue;
    RECT place;
    GetWindowRect(control.hwnd, &place);
    if (!PtInRect(&place, point)) continue;
    handlers.Raise(control.spec->onDropFiles,
                   {.sender = {control.spec->name, control.spec->tag}, .files = std::move(paths)});
    return;
  }
  handlers.Raise(form.onDropFiles, {.sender = {form.name}, .files = std::move(paths)});
}

}  // namespace pavane::win
