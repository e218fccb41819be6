#include "win32/late_bound_win.h"

#include <stdexcept>
#include <string>

namespace pavane::win::late {

// The library stays loaded for the rest of the run, as an imported one does.
FARPROC FindProcedure(const char* library, const char* name) {
  const HMODULE module = LoadLibraryA(library);
  return module ? GetProcAddress(module, name) : nullptr;
}

namespace {

// Functions every supported system has: one missing gets an error, not a crash.
template <typename Function>
Function& Lookup(const char* library, const char* name) {
  Function* function = Optional<Function>(library, name);
  if (!function)
    throw std::runtime_error(std::string("The system function ") + name + " of " + library + " is missing.");
  return *function;
}

}  // namespace

UINT DragQueryFileW(HDROP drop, UINT file, LPWSTR path, UINT size) {
  static auto& function = Lookup<decltype(::DragQueryFileW)>("shell32.dll", "DragQueryFileW");
  return function(drop, file, path, size);
}

BOOL DragQueryPoint(HDROP drop, POINT* point) {
  static auto& function = Lookup<decltype(::DragQueryPoint)>("shell32.dll", "DragQueryPoint");
  return function(drop, point);
}

void DragFinish(HDROP drop) {
  static auto& function = Lookup<decltype(::DragFinish)>("shell32.dll", "DragFinish");
  function(drop);
}

LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* browse) {
  static auto& function = Lookup<decltype(::SHBrowseForFolderA)>("shell32.dll", "SHBrowseForFolderA");
  return function(browse);
}

HRESULT SHGetDesktopFolder(IShellFolder** folder) {
  static auto& function = Lookup<decltype(::SHGetDesktopFolder)>("shell32.dll", "SHGetDesktopFolder");
  return function(folder);
}

HRESULT SHGetMalloc(IMalloc** allocator) {
  static auto& function = Lookup<decltype(::SHGetMalloc)>("shell32.dll", "SHGetMalloc");
  return function(allocator);
}

HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, LPITEMIDLIST* list) {
  static auto& function = Lookup<decltype(::SHGetSpecialFolderLocation)>("shell32.dll", "SHGetSpecialFolderLocation");
  return function(owner, folder, list);
}

BOOL GetOpenFileNameW(OPENFILENAMEW* dialog) {
  static auto& function = Lookup<decltype(::GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  return function(dialog);
}

BOOL GetSaveFileNameW(OPENFILENAMEW* dialog) {
  static auto& function = Lookup<decltype(::GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
  return function(dialog);
}

DWORD CommDlgExtendedError() {
  static auto& function = Lookup<decltype(::CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  return function();
}

HRESULT CoInitializeEx(void* reserved, DWORD model) {
  static auto& function = Lookup<decltype(::CoInitializeEx)>("ole32.dll", "CoInitializeEx");
  return function(reserved, model);
}

void CoUninitialize() {
  static auto& function = Lookup<decltype(::CoUninitialize)>("ole32.dll", "CoUninitialize");
  function();
}

BOOL TransparentBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, UINT transparent) {
  static auto& function = Lookup<decltype(::TransparentBlt)>("msimg32.dll", "TransparentBlt");
  return function(target, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, transparent);
}

}  // namespace pavane::win::late
