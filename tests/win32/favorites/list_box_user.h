#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/win32/window_script.h"

namespace pavane::testing {

// The user's mouse in the first list box of a dialog, and what it shows.
class ListBoxUser {
 public:
  explicit ListBoxUser(HWND dialog) : list_(FindControl(dialog, "ListBox")) {
    EXPECT_NE(list_, nullptr) << "the dialog has no list box";
  }

  // A click on entry `index`, scrolled into view first, with MK_CONTROL or
  // MK_SHIFT held as `keys`.
  void Click(int index, WPARAM keys = 0) const {
    SendMessageA(list_, LB_SETTOPINDEX, index, 0);
    RECT entry{};
    ASSERT_NE(SendMessageA(list_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry)), LB_ERR) << index;
    const LPARAM at = MAKELPARAM(entry.left + 4, entry.top + (entry.bottom - entry.top) / 2);
    SendMessageA(list_, WM_LBUTTONDOWN, MK_LBUTTON | keys, at);
    SendMessageA(list_, WM_LBUTTONUP, keys, at);
  }

  // A double click on entry `index`: a click, then the second one.
  void DoubleClick(int index) const {
    Click(index);
    RECT entry{};
    SendMessageA(list_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&entry));
    const LPARAM at = MAKELPARAM(entry.left + 4, entry.top + (entry.bottom - entry.top) / 2);
    SendMessageA(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list_, WM_LBUTTONUP, 0, at);
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> entries;
    const int count = static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      std::string text(static_cast<std::size_t>(SendMessageA(list_, LB_GETTEXTLEN, i, 0)) + 1, '\0');
      text.resize(static_cast<std::size_t>(SendMessageA(list_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
      entries.push_back(text);
    }
    return entries;
  }

  std::vector<int> Selected() const {
    std::vector<int> selected;
    const int count = static_cast<int>(SendMessageA(list_, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      if (SendMessageA(list_, LB_GETSEL, i, 0) > 0) selected.push_back(i);
    }
    return selected;
  }
  int Caret() const { return static_cast<int>(SendMessageA(list_, LB_GETCARETINDEX, 0, 0)); }

 private:
  HWND list_;
};

}  // namespace pavane::testing
