#pragma once

#include <optional>
#include <string_view>

namespace pavane::forms {

// A menu shortcut as the tables write it ("Ctrl+O", "F9", "Shift+Ctrl+Del").
// `key` uses the Windows virtual-key numbering so that the Win32 layer can put
// it straight into an accelerator table: letters and digits are their upper-case
// ASCII codes, F1..F24 are 0x70..0x87.
struct Shortcut {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  int key = 0;

  bool operator==(const Shortcut&) const = default;
};

std::optional<Shortcut> ParseShortcut(std::string_view text);

// The accelerator letter of a caption: the character after the first single
// "&" ("&&" shows one "&" and marks nothing), upper-cased (ASCII letters
// only); 0 when there is none.
char MnemonicOf(std::string_view caption);

// Whether Alt + `typed` (as WM_SYSCHAR reports it) selects a caption.
bool MatchesMnemonic(std::string_view caption, char typed);

}  // namespace pavane::forms
