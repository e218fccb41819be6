#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "forms/form_view.h"
#include "forms/prompter.h"
#include "input/key_translator.h"
#include "input/scan_key_model.h"
#include "settings/settings.h"

namespace pavane {

// The "Keyboard ScanKeys" dialog: one player's twelve buttons, each given a
// key by pressing it in the button's field or by the special-key buttons.
// A key another button holds, of either player, goes to that button in
// exchange.
class TScanKeyDialog {
 public:
  TScanKeyDialog(forms::FormHost& host, forms::FormView* owner, forms::Prompter& prompter,
                 const KeyTranslator& translator, std::string appTitle);

  // Shows the keys of `player` (0 or 1) from ScanKey1 and ScanKey2; on OK
  // stores both players' lists back and returns true. Any other close
  // changes nothing.
  bool Execute(Settings& settings, int player);

  forms::FormView& Window() { return *window_; }

 private:
  forms::HandlerTable Handlers();
  void ButtonKeyEnter(const forms::Event& event);
  void ButtonKeyDown(const forms::Event& event);
  void AssignTabButtonClick();
  void AssignRShiftButtonClick();
  void PrintScreenButtonClick();
  void OtherButtonClick();

  // The "&Other..." input box: a scancode from 1 to 83, or nothing (after
  // message 2001 for any other text).
  std::optional<std::int32_t> AskScanCode();
  // The key goes to the current field, and the focus back to it.
  void AssignKey(std::int32_t code);
  void UpdateButtons();

  forms::Prompter& prompter_;
  const KeyTranslator& translator_;
  std::string appTitle_;
  std::optional<ScanKeys> keys_;
  std::size_t player_ = 0;
  std::size_t current_ = 0;  // the field that had the focus last
  std::unique_ptr<forms::FormView> window_;
};

}  // namespace pavane
