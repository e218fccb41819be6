// The shell's folder browser in real windows: the folder preselected when it
// opens, the chosen path returned, and the failure messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "app/prompter_win.h"
#include "tests/win32/form_test_support.h"
#include "tests/win32/locate/search_drive.h"
#include "tests/win32/modal_observer.h"
#include "tests/win32/window_script.h"
#include "widgets/browse_folder_win.h"

namespace pavane {
namespace {

using widgets::TBrowseFolder;

BOOL CALLBACK MatchBrowser(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (IsWindowVisible(window) && std::string(name) == "#32770") {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The browser dialog of this thread, once it shows.
HWND OpenBrowser() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchBrowser, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The text of an item of the browser's tree: the selected one or its top.
std::string TreeItemText(HWND browser, WPARAM which) {
  const HWND tree = testing::FindControl(browser, WC_TREEVIEWA);
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, which, 0));
  char text[MAX_PATH] = {};
  TVITEMA query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = sizeof text;
  if (!item || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query))) return {};
  return text;
}

// Once the browser shows, `look` sees it; then the browser is ended with `button`.
class BrowserScript {
 public:
  BrowserScript(std::function<void(HWND)> look, int button)
      : observer_([this, look = std::move(look), button] {
          const HWND browser = OpenBrowser();
          if (!browser) {
            if (std::chrono::steady_clock::now() < deadline_) return false;
            ADD_FAILURE() << "no folder browser showed";
            return true;
          }
          seen = true;
          look(browser);
          PostMessageA(browser, WM_COMMAND, button, 0);
          return true;
        }) {}

  bool seen = false;

 private:
  std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  testing::ModalObserver observer_;
};

TEST(FolderBrowser, OpensOnTheStartFolderAndGivesTheChosenPath) {
  testing::ExpectSearchDrive();
  win::Win32Prompter prompter;
  std::string preselected;
  std::optional<std::string> chosen;
  {
    BrowserScript script([&](HWND browser) { preselected = TreeItemText(browser, TVGN_CARET); }, IDOK);
    chosen = prompter.BrowseFolder("Choose a directory:", "S:\\GAMES\\ZSNES");
    EXPECT_TRUE(script.seen);
  }
  EXPECT_EQ(preselected, "ZSNES");
  EXPECT_EQ(chosen, "S:\\GAMES\\ZSNES");
  {
    BrowserScript script([](HWND) {}, IDCANCEL);
    EXPECT_EQ(prompter.BrowseFolder("Choose a directory:", "S:\\EMU"), std::nullopt);
  }
}

TEST(FolderBrowser, AFolderThatCannotBeSelectedIsReportedAndTheDialogStaysUsable) {
  testing::ExpectSearchDrive();
  std::vector<std::string> messages;
  TBrowseFolder browser;
  browser.RootClsid = widgets::bff_RootClsid::bff_DESKTOP;
  browser.BFF_Options = widgets::bff_ReturnOnlyFSDirs;
  browser.ShowMessage = [&](const std::string& text) { messages.push_back(text); };
  browser.OnInitialized = [](TBrowseFolder& sender) { sender.SelectFolder(sender.RootDir); };

  browser.RootDir = "S:\\EMU";
  {
    BrowserScript script([](HWND) {}, IDOK);
    EXPECT_TRUE(browser.Browse());
  }
  EXPECT_EQ(browser.FolderPath(), "S:\\EMU");
  EXPECT_EQ(browser.DialogWindow(), nullptr);

  browser.RootDir = "S:\\NO SUCH FOLDER";
  bool stillOpen = false;
  {
    BrowserScript script([&](HWND open) { stillOpen = IsWindowVisible(open) && IsWindowEnabled(open); }, IDCANCEL);
    EXPECT_FALSE(browser.Browse());
  }
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(messages, std::vector<std::string>{"Dir <S:\\NO SUCH FOLDER> not Found"});
  // A cancelled browse leaves the last chosen folder.
  EXPECT_EQ(browser.FolderPath(), "S:\\EMU");
}

TEST(FolderBrowser, ARootThatDoesNotExistOpensNoDialog) {
  std::vector<std::string> messages;
  TBrowseFolder browser;
  browser.RootDir = "S:\\NO SUCH ROOT";
  browser.ShowMessage = [&](const std::string& text) { messages.push_back(text); };
  EXPECT_FALSE(browser.Browse());
  EXPECT_EQ(messages, std::vector<std::string>{"BFF:RootDir <S:\\NO SUCH ROOT> not Found"});
}

TEST(FolderBrowser, ARootDirectoryIsTheTopOfTheTree) {
  testing::ExpectSearchDrive();
  TBrowseFolder browser;
  browser.RootDir = "S:\\GAMES";
  std::string top;
  {
    BrowserScript script([&](HWND open) { top = TreeItemText(open, TVGN_ROOT); }, IDCANCEL);
    EXPECT_FALSE(browser.Browse());
  }
  EXPECT_EQ(top, "GAMES");
}

}  // namespace
}  // namespace pavane
