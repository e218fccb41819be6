#include "widgets/browse_folder_win.h"

#include <shlobj.h>

#include <utility>

#include "widgets/shell_objects_win.h"
#include "win32/ansi_path.h"
#include "win32/error_display.h"
#include "win32/late_bound_win.h"

namespace pavane::widgets {

// The shell objects of one Browse.
struct TBrowseFolder::Session {
  IMalloc& allocator;
  IShellFolder& desktop;
};

namespace {

// The shell's buffers for paths hold this many characters.
constexpr int kPathChars = MAX_PATH;

int SpecialFolder(bff_RootClsid root) {
  switch (root) {
    case bff_RootClsid::bff_DESKTOPDIRECTORY:
      return CSIDL_DESKTOPDIRECTORY;
    case bff_RootClsid::bff_DRIVES:
      return CSIDL_DRIVES;
    case bff_RootClsid::bff_NETWORK:
      return CSIDL_NETWORK;
    case bff_RootClsid::bff_PRINTERS:
      return CSIDL_PRINTERS;
    case bff_RootClsid::bff_PROGRAMS:
      return CSIDL_PROGRAMS;
    case bff_RootClsid::bff_STARTMENU:
      return CSIDL_STARTMENU;
    case bff_RootClsid::Use_RootDir:
    case bff_RootClsid::bff_DESKTOP:
      break;
  }
  return CSIDL_DESKTOP;
}

UINT BrowseFlags(unsigned options) {
  constexpr std::pair<unsigned, UINT> kFlags[] = {
      {bff_BrowseForComputer, BIF_BROWSEFORCOMPUTER}, {bff_BrowseForPrinter, BIF_BROWSEFORPRINTER},
      {bff_DontGoBelowDomain, BIF_DONTGOBELOWDOMAIN}, {bff_ReturnFSAncestors, BIF_RETURNFSANCESTORS},
      {bff_ReturnOnlyFSDirs, BIF_RETURNONLYFSDIRS},   {bff_Statustext, BIF_STATUSTEXT},
  };
  UINT flags = 0;
  for (const auto& [option, flag] : kFlags) {
    if (options & option) flags |= flag;
  }
  return flags;
}

// `path` parsed by the desktop folder into `list`; false when it names nothing
// (or is longer than the shell's path buffer).
bool Parse(IShellFolder& desktop, const std::string& path, ItemIdList& list) {
  wchar_t wide[kPathChars] = {};
  if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, kPathChars) == 0) return false;
  ULONG eaten = 0;
  return SUCCEEDED(desktop.ParseDisplayName(nullptr, nullptr, wide, &eaten, list.Out(), nullptr)) && list;
}

// The item's path as the shell gives it for parsing, in any of its three
// forms; a full name that the code page cannot hold, as the program can use
// it (nothing when it cannot).
std::optional<std::string> PathOf(IMalloc& allocator, IShellFolder& desktop, LPCITEMIDLIST item,
                                  std::wstring& fullName) {
  STRRET name{};
  if (FAILED(desktop.GetDisplayNameOf(item, SHGDN_FORPARSING, &name))) return std::string();
  switch (name.uType) {
    case STRRET_WSTR:
      fullName = name.pOleStr;
      allocator.Free(name.pOleStr);
      return win::AnsiPath(fullName);
    case STRRET_OFFSET:
      return std::string(reinterpret_cast<const char*>(item) + name.uOffset);
    case STRRET_CSTR:
      return std::string(name.cStr);
  }
  return std::string();
}

}  // namespace

void TBrowseFolder::Report(const std::string& text) const {
  if (ShowMessage) {
    ShowMessage(text);
    return;
  }
  MessageBoxA(GetActiveWindow(), text.c_str(), win::ProgramTitle().c_str(), MB_OK);
}

bool TBrowseFolder::Browse() {
  const ComApartment com;
  ComRef<IMalloc> allocator;
  ComRef<IShellFolder> desktop;
  if (FAILED(win::late::SHGetMalloc(allocator.Out())) || FAILED(win::late::SHGetDesktopFolder(desktop.Out())))
    return false;

  ItemIdList root(*allocator.Get());
  if (RootClsid == bff_RootClsid::Use_RootDir) {
    if (!RootDir.empty() && !Parse(*desktop.Get(), RootDir, root)) {
      Report("BFF:RootDir <" + RootDir + "> not Found");
      return false;
    }
  } else if (FAILED(win::late::SHGetSpecialFolderLocation(nullptr, SpecialFolder(RootClsid), root.Out()))) {
    Report("BFF:SpecialFolder not Found");
    return false;
  }

  char displayName[kPathChars] = {};
  BROWSEINFOA browse{};
  browse.hwndOwner = Owner ? Owner : GetActiveWindow();
  browse.pidlRoot = root.Get();
  browse.pszDisplayName = displayName;
  browse.lpszTitle = Title.c_str();
  browse.ulFlags = BrowseFlags(BFF_Options);
  browse.lpfn = &TBrowseFolder::Notification;
  browse.lParam = reinterpret_cast<LPARAM>(this);

  Session session{*allocator.Get(), *desktop.Get()};
  session_ = &session;
  ItemIdList chosen(*allocator.Get(), win::late::SHBrowseForFolderA(&browse));
  session_ = nullptr;
  dialog_ = nullptr;
  if (!chosen) return false;
  std::wstring fullName;
  std::optional<std::string> path = PathOf(*allocator.Get(), *desktop.Get(), chosen.Get(), fullName);
  if (!path) {
    win::ReportUnusableName(browse.hwndOwner, fullName);
    return false;
  }
  folderPath_ = std::move(*path);
  return true;
}

int CALLBACK TBrowseFolder::Notification(HWND dialog, UINT code, LPARAM param, LPARAM data) {
  auto* self = reinterpret_cast<TBrowseFolder*>(data);
  if (code != BFFM_INITIALIZED && code != BFFM_SELCHANGED) return 0;
  self->dialog_ = dialog;
  self->lastCode_ = code;
  self->lastParam_ = param;
  // An error must not unwind through the shell's dialog.
  try {
    const Notify& notify = code == BFFM_INITIALIZED ? self->OnInitialized : self->OnSelectItem;
    if (notify) notify(*self);
  } catch (...) {
    win::ShowCurrentException();
  }
  return 0;
}

void TBrowseFolder::SelectFolder(const std::string& path) {
  if (!session_ || !dialog_) return;
  ItemIdList folder(session_->allocator);
  if (!Parse(session_->desktop, path, folder)) {
    Report("Dir <" + path + "> not Found");
    return;
  }
  // Selected by the path the list was parsed from: a shell may not find a
  // list of another parse in its tree (Wine's first browse of a process does not).
  SendMessageA(dialog_, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
}

}  // namespace pavane::widgets
