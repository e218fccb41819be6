#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace pavane::widgets {

// The root of the browser's tree: a directory, or a special shell folder.
enum class bff_RootClsid {
  Use_RootDir,
  bff_DESKTOP,
  bff_DESKTOPDIRECTORY,
  bff_DRIVES,
  bff_NETWORK,
  bff_PRINTERS,
  bff_PROGRAMS,
  bff_STARTMENU,
};

// The browser's options, combined with |.
enum bff_Options : unsigned {
  bff_BrowseForComputer = 1u << 0,
  bff_BrowseForPrinter = 1u << 1,
  bff_DontGoBelowDomain = 1u << 2,
  bff_ReturnFSAncestors = 1u << 3,
  bff_ReturnOnlyFSDirs = 1u << 4,
  bff_Statustext = 1u << 5,
};

// The shell's browse-for-folder dialog. It holds no shell object between
// browses: the allocator, the desktop folder and every identifier list live
// for one Browse and are released on every way out of it.
class TBrowseFolder {
 public:
  using Notify = std::function<void(TBrowseFolder& sender)>;

  bff_RootClsid RootClsid = bff_RootClsid::Use_RootDir;
  // The root with Use_RootDir; otherwise free for the owner (the folder to select).
  std::string RootDir;
  std::string Title;
  unsigned BFF_Options = 0;
  Notify OnInitialized;  // the dialog has opened
  Notify OnSelectItem;   // its selection has changed
  // The window that owns the dialog; null: the active window.
  HWND Owner = nullptr;
  // Where the failure messages go; unset: a plain message box captioned
  // with the program's title.
  std::function<void(const std::string& text)> ShowMessage;

  // Runs the dialog; true when the user confirmed a folder, whose path is
  // then FolderPath (empty when the shell could not name it).
  bool Browse();
  // From OnInitialized or OnSelectItem: selects `path` in the open dialog.
  void SelectFolder(const std::string& path);

  const std::string& FolderPath() const { return folderPath_; }
  // What the last notification recorded; valid only while Browse runs.
  HWND DialogWindow() const { return dialog_; }
  UINT LastCode() const { return lastCode_; }
  LPARAM LastParam() const { return lastParam_; }

 private:
  struct Session;
  static int CALLBACK Notification(HWND dialog, UINT code, LPARAM param, LPARAM data);
  void Report(const std::string& text) const;

  std::string folderPath_;
  Session* session_ = nullptr;
  HWND dialog_ = nullptr;
  UINT lastCode_ = 0;
  LPARAM lastParam_ = 0;
};

}  // namespace pavane::widgets
