#pragma once

// The functions of system libraries that only some commands need (dropped
// files, the file and folder dialogs, COM, transparent glyphs), looked up
// when first called. Imported, these libraries and the ones they pull in
// would load before the main window could show.

#include <windows.h>

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace pavane::win::late {

// The address of a system function that older systems may lack, or null.
// A library found stays loaded for the rest of the run.
FARPROC FindProcedure(const char* library, const char* name);
template <typename Function>
Function* Optional(const char* library, const char* name) {
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(FindProcedure(library, name)));
}

UINT DragQueryFileW(HDROP drop, UINT file, LPWSTR path, UINT size);
BOOL DragQueryPoint(HDROP drop, POINT* point);
void DragFinish(HDROP drop);
LPITEMIDLIST SHBrowseForFolderA(BROWSEINFOA* browse);
HRESULT SHGetDesktopFolder(IShellFolder** folder);
HRESULT SHGetMalloc(IMalloc** allocator);
HRESULT SHGetSpecialFolderLocation(HWND owner, int folder, LPITEMIDLIST* list);

BOOL GetOpenFileNameW(OPENFILENAMEW* dialog);
BOOL GetSaveFileNameW(OPENFILENAMEW* dialog);
DWORD CommDlgExtendedError();

HRESULT CoInitializeEx(void* reserved, DWORD model);
void CoUninitialize();

BOOL TransparentBlt(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight, UINT transparent);

}  // namespace pavane::win::late
