#include "input/scan_key_dialog.h"

#include <stdexcept>

#include "base/message_texts.h"
#include "base/text_rules.h"
#include "input/key_names.h"
#include "input/scan_key_dialog_layout.h"

namespace pavane {

namespace {

namespace ui = scan_key_dialog;

constexpr int kVirtualTab = 0x09;
constexpr std::int32_t kRightShift = 54;
constexpr std::int32_t kPrintScreen = 55;

}  // namespace

TScanKeyDialog::TScanKeyDialog(forms::FormHost& host, forms::FormView* owner, forms::Prompter& prompter,
                               const KeyTranslator& translator, std::string appTitle)
    : prompter_(prompter),
      translator_(translator),
      appTitle_(std::move(appTitle)),
      window_(host.CreateForm(ScanKeyDialogForm(), Handlers(), owner)) {}

forms::HandlerTable TScanKeyDialog::Handlers() {
  forms::HandlerTable handlers;
  handlers.Bind("ButtonKeyEnter", this, &TScanKeyDialog::ButtonKeyEnter);
  handlers.Bind("ButtonKeyDown", this, &TScanKeyDialog::ButtonKeyDown);
  handlers.Bind("AssignTabButtonClick", this, &TScanKeyDialog::AssignTabButtonClick);
  handlers.Bind("AssignRShiftButtonClick", this, &TScanKeyDialog::AssignRShiftButtonClick);
  handlers.Bind("PrintScreenButtonClick", this, &TScanKeyDialog::PrintScreenButtonClick);
  handlers.Bind("OtherButtonClick", this, &TScanKeyDialog::OtherButtonClick);
  return handlers;
}

bool TScanKeyDialog::Execute(Settings& settings, int player) {
  if (player < 0 || player >= static_cast<int>(kPlayers))
    throw std::out_of_range("no player " + std::to_string(player));
  player_ = static_cast<std::size_t>(player);
  current_ = 0;
  keys_.emplace(settings.ScanKey1, settings.ScanKey2);
  UpdateButtons();
  if (window_->ShowModal() != forms::kModalOk) return false;
  settings.ScanKey1 = keys_->StoredText(0);
  settings.ScanKey2 = keys_->StoredText(1);
  return true;
}

void TScanKeyDialog::ButtonKeyEnter(const forms::Event& event) {
  current_ = static_cast<std::size_t>(event.sender.tag);
}

void TScanKeyDialog::ButtonKeyDown(const forms::Event& event) { AssignKey(translator_.ScanCodeOf(event.key)); }

void TScanKeyDialog::AssignTabButtonClick() { AssignKey(translator_.ScanCodeOf(kVirtualTab)); }

void TScanKeyDialog::AssignRShiftButtonClick() { AssignKey(kRightShift); }

void TScanKeyDialog::PrintScreenButtonClick() { AssignKey(kPrintScreen); }

void TScanKeyDialog::OtherButtonClick() {
  if (const std::optional<std::int32_t> code = AskScanCode()) {
    AssignKey(*code);
  } else {
    window_->Focus(ui::Fields[current_]);
  }
}

std::optional<std::int32_t> TScanKeyDialog::AskScanCode() {
  const std::optional<std::string> typed = prompter_.InputBox(
      {.caption = "Assign Special Keys", .prompt = "Please specify the desired Special Key Scancode:"});
  if (!typed) return std::nullopt;
  const std::optional<std::int32_t> code = ParseInteger(*typed);
  if (code && IsScanCode(*code)) return code;
  prompter_.Show({.text = FormatText(TEXT_BAD_SCANCODE, *typed),
                  .caption = appTitle_,
                  .buttons = forms::Buttons::Ok,
                  .icon = forms::Icon::Error});
  return std::nullopt;
}

void TScanKeyDialog::AssignKey(std::int32_t code) {
  keys_->AssignKey(player_, current_, code);
  UpdateButtons();
  window_->Focus(ui::Fields[current_]);
}

// Every field, since an exchange can change a field other than the current one.
void TScanKeyDialog::UpdateButtons() {
  for (std::size_t i = 0; i < kScanKeyPositions; ++i) window_->SetText(ui::Fields[i], keys_->FieldText(player_, i));
}

}  // namespace pavane
