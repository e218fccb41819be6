// The keyboard of every form and the message loops: menu shortcuts, Enter
// and Esc, Alt accelerators, Ctrl+Tab between pages, Tab between controls,
// and the nested loop of a modal dialog.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "forms/control_traits.h"
#include "forms/form_keys.h"
#include "forms/form_tree.h"
#include "win32/control_kind.h"
#include "win32/error_display.h"
#include "win32/form_impl.h"

namespace pavane::win {
namespace {

using forms::Kind;

bool Usable(HWND window) { return window && IsWindowVisible(window) && IsWindowEnabled(window); }

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool IsModifier(int key) { return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU; }

// Bits of a key message's lParam.
constexpr LPARAM kAltHeld = 1 << 29;
constexpr LPARAM kRepeated = 1 << 30;

// A control whose caption carries the typed accelerator letter; `item` is a
// radio button's position, -1 for the control itself.
struct Match {
  std::size_t index;
  int item = -1;
};

}  // namespace

bool FormWindow::Impl::PreTranslate(MSG& msg) {
  if (accelerators && IsWindowEnabled(hwnd) && TranslateAcceleratorA(hwnd, accelerators.Get(), &msg)) return true;
  if (KeyEvent(msg)) return true;
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
    if (HandleEnterOrEscape(msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && KeyDown(VK_CONTROL)) {
    CyclePage(KeyDown(VK_SHIFT) ? -1 : 1);
    return true;
  }
  if (msg.message == WM_SYSCHAR) {
    if (HandleMnemonic(static_cast<char>(msg.wParam))) return true;
    DispatchMessageA(&msg);  // the menu bar's turn
    return true;
  }
  return IsDialogMessageA(hwnd, &msg) != FALSE;
}

// A control with a key-down handler takes the keys as its own, before the
// form's keys do: Enter, Esc and F10 included. Only Tab keeps moving the
// focus, and keys held with Alt stay the form's (accelerators, Alt+F4).
// Shift, Ctrl and Alt count when they come up with no other key between, so
// Shift+Tab and Alt+letter give the control nothing. A key-press handler
// hears the characters typed. Either way the key goes on to the control
// itself, but for Alt and F10, which would open the menu instead.
bool FormWindow::Impl::KeyEvent(MSG& msg) {
  const auto index = IndexOfWindow(msg.hwnd);
  if (!index || controls[*index].hwnd != msg.hwnd) return false;
  const auto& spec = *controls[*index].spec;
  if (msg.message == WM_CHAR && !spec.onKeyPress.empty()) {
    Raise(spec.onKeyPress, *index, 0, static_cast<char>(msg.wParam));
    DispatchMessageA(&msg);
    return true;
  }
  if (spec.onKeyDown.empty()) return false;
  const int key = static_cast<int>(msg.wParam);
  switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (IsModifier(key)) {
        if (!(msg.lParam & kRepeated)) tap = {key, msg.hwnd};
        break;
      }
      tap = {};
      if (key == VK_TAB || (msg.lParam & kAltHeld)) return false;
      Raise(spec.onKeyDown, *index, key);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (tap.key == key && tap.window == msg.hwnd) Raise(spec.onKeyDown, *index, key);
      if (IsModifier(key)) tap = {};
      break;
    default:
      return false;
  }
  if (key == VK_MENU || key == VK_F10) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  return true;
}

// Enter presses the focused push button, or else the default button; Esc the
// cancel button (a dialog without one ends with Cancel). A control that wants
// the key itself (an open drop-down list, a multi-line edit) keeps it; a form
// whose fields take Enter and Esc as keys lets them do nothing elsewhere.
bool FormWindow::Impl::HandleEnterOrEscape(const MSG& msg) {
  const HWND focus = GetFocus();
  std::optional<std::size_t> focused;
  if (focus && IsChild(hwnd, focus)) {
    MSG copy = msg;
    const LRESULT code = SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
    focused = IndexOfWindow(focus);
  }
  if (form.enterAndEscapeAreKeys) return true;
  if (msg.wParam == VK_RETURN) {
    if (focused && forms::TraitsOf(controls[*focused].spec->kind).pushButton) {
      controls[*focused].kind->Press(*this, *focused);
      return true;
    }
    if (defaultButton && controls[*defaultButton].kind->Enabled(controls[*defaultButton])) {
      controls[*defaultButton].kind->Press(*this, *defaultButton);
      return true;
    }
    return false;
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].spec->isCancel && controls[i].kind->Enabled(controls[i])) {
      controls[i].kind->Press(*this, i);
      return true;
    }
  }
  if (modal) {
    EndWith(IDCANCEL);
    return true;
  }
  return false;
}

// Alt+letter looks, in this order, at the controls of the visible page, the
// captions of the pages, the other controls of the form; the menu bar gets
// the key when none of them has the letter. Several controls with the same
// letter take the focus in turn instead of being pressed.
bool FormWindow::Impl::HandleMnemonic(char typed) {
  std::vector<Match> onPage;
  std::vector<Match> offPage;
  for (const auto index : creationOrder) {
    const auto& control = controls[index];
    const auto& spec = *control.spec;
    const MnemonicRole role = control.kind->Mnemonic(spec);
    if (role == MnemonicRole::None || !control.kind->Enabled(control)) continue;
    if (control.hwnd && !IsWindowVisible(control.hwnd)) continue;
    if (control.painted && control.container && !IsWindowVisible(control.container)) continue;
    if (role == MnemonicRole::FocusTarget && !Usable(FocusTarget(index))) continue;
    auto& tier = control.page ? onPage : offPage;
    if (forms::MatchesMnemonic(spec.caption, typed)) tier.push_back({index});
    for (std::size_t item = 0; item < control.items.size(); ++item) {
      if (Usable(control.items[item]) && forms::MatchesMnemonic(spec.items[item], typed)) {
        tier.push_back({index, static_cast<int>(item)});
      }
    }
  }

  auto target = [this](const Match& match) {
    return match.item >= 0 ? controls[match.index].items[match.item] : FocusTarget(match.index);
  };
  auto act = [&](const std::vector<Match>& matches) {
    if (matches.size() > 1) {
      const HWND focus = GetFocus();
      std::size_t next = 0;
      for (std::size_t i = 0; i < matches.size(); ++i) {
        if (target(matches[i]) == focus) next = (i + 1) % matches.size();
      }
      if (const HWND window = target(matches[next])) SetFocus(window);
      return;
    }
    const Match& match = matches.front();
    const auto& control = controls[match.index];
    if (match.item >= 0) {
      SendMessageA(control.items[match.item], BM_CLICK, 0, 0);
      return;
    }
    switch (control.kind->Mnemonic(*control.spec)) {
      case MnemonicRole::Press:
        control.kind->Press(*this, match.index);
        break;
      case MnemonicRole::Toggle:
        SendMessageA(control.hwnd, BM_CLICK, 0, 0);
        break;
      default:
        FocusControl(match.index, true);
        break;
    }
  };

  if (!onPage.empty()) {
    act(onPage);
    return true;
  }
  for (const auto index : creationOrder) {
    if (controls[index].spec->kind != Kind::PageControl || !Usable(controls[index].hwnd)) continue;
    const auto pages = forms::PagesOf(form, index);
    for (std::size_t page = 0; page < pages.size(); ++page) {
      if (!forms::MatchesMnemonic(form.controls[pages[page]].caption, typed)) continue;
      SelectPage(index, static_cast<int>(page));
      SetFocus(controls[index].hwnd);
      return true;
    }
  }
  if (!offPage.empty()) {
    act(offPage);
    return true;
  }
  return false;
}

void FormWindow::Impl::CyclePage(int step) {
  for (const auto index : creationOrder) {
    if (controls[index].spec->kind != Kind::PageControl || !Usable(controls[index].hwnd)) continue;
    const int count = static_cast<int>(forms::PagesOf(form, index).size());
    if (count == 0) return;
    SelectPage(index, ((SelectedPage(index) + step) % count + count) % count);
    return;
  }
}

namespace {
// The modal forms shown, innermost last.
std::vector<HWND>& ModalWindows() {
  static std::vector<HWND> windows;
  return windows;
}
}  // namespace

HWND InnermostModalWindow() { return ModalWindows().empty() ? nullptr : ModalWindows().back(); }

int FormWindow::ShowModal() {
  if (!impl_->hwnd) throw std::logic_error("form " + std::string(impl_->form.name) + " is not created");
  const HWND owner = impl_->owner;
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  impl_->modal = true;
  impl_->modalEnded = false;
  impl_->modalResult = 0;
  Show();
  const HWND window = impl_->hwnd;
  ModalWindows().push_back(window);

  MSG msg;
  while (!impl_->modalEnded && impl_->hwnd) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // the outer loop must see it too
      break;
    }
    if (got < 0) break;
    ProcessMessage(msg);
  }

  std::erase(ModalWindows(), window);
  // The owner comes back before the dialog goes, so it gets the activation.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (impl_->hwnd) {
    if (owner) SetActiveWindow(owner);
    ShowWindow(impl_->hwnd, SW_HIDE);
  }
  impl_->modal = false;
  return impl_->modalEnded ? impl_->modalResult : IDCANCEL;
}

void ProcessMessage(MSG& msg) {
  try {
    if (auto* form = FormOfWindow(msg.hwnd); form && form->PreTranslate(msg)) return;
  } catch (...) {
    ShowCurrentException();
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ProcessMessage(msg);
  }
}

int RunMessageLoop() {
  MSG msg;
  while (LiveMainForms() > 0) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got < 0) return 1;
    ProcessMessage(msg);
  }
  return 0;
}

}  // namespace pavane::win
