#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/form_spec.h"
#include "forms/form_view.h"

namespace pavane::win {

class PaintedControl;

// A real window built from a declared form: its controls, pages, menus and
// accelerators. Handlers are raised by the names the table gives; controls
// are found by name.
class FormWindow : public forms::FormView {
 public:
  explicit FormWindow(const forms::Form& form, forms::HandlerTable handlers = {});
  ~FormWindow() override;
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Binds a handler named in the table. Bind before Create; Create fails
  // loudly on a name the table uses but nobody bound.
  void Bind(std::string_view handlerName, forms::Handler handler);

  // Creates the window, hidden, owned by `owner`; centred on the screen.
  void Create(HWND owner = nullptr);
  HWND Handle() const;
  const forms::Form& Layout() const;

  // The control's window (a radio group's group box; null for painted controls).
  HWND Control(std::string_view name) const;
  const forms::Control& Spec(std::string_view name) const;
  // The widget behind a painted control (null for other kinds).
  PaintedControl* Painted(std::string_view name) const;

  // A form that paints its own frame sees every message first; a result
  // ends the message's handling there.
  using MessageHook = std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;
  void SetMessageHook(MessageHook hook);

  // The menu of the menu bar named `name`, or the pop-up menu; null when there is none.
  HMENU Menu(std::string_view name) const;

  // forms::FormView
  void Show() override;
  int ShowModal() override;
  void EndModal(int modalResult) override;
  void Close() override;
  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;
  std::string Text(std::string_view name) const override;
  void SetText(std::string_view name, std::string_view text) override;
  bool Checked(std::string_view name) const override;
  void SetChecked(std::string_view name, bool checked) override;
  int ItemIndex(std::string_view name) const override;
  void SetItemIndex(std::string_view name, int index) override;
  int Position(std::string_view name) const override;
  void SetPosition(std::string_view name, int position) override;
  bool FormEnabled() const override;
  void SetFormEnabled(bool enabled) override;
  void Repaint(std::string_view name) override;
  bool Enabled(std::string_view name) const override;
  void SetEnabled(std::string_view name, bool enabled) override;
  void SetDefaultButton(std::string_view name) override;
  void Focus(std::string_view name) override;
  std::string FocusedControl() const override;
  void ShowPage(std::string_view pageName) override;
  int ItemCount(std::string_view list) const override;
  std::string ItemText(std::string_view list, int index) const override;
  void AddItem(std::string_view list, std::string_view text) override;
  void RemoveItem(std::string_view list, int index) override;
  void MoveItem(std::string_view list, int from, int to) override;
  void ClearItems(std::string_view list) override;
  bool ItemSelected(std::string_view list, int index) const override;
  void SetItemSelected(std::string_view list, int index, bool selected) override;
  int FocusedItem(std::string_view list) const override;
  void SetFocusedItem(std::string_view list, int index) override;
  void AddMenuItem(std::string_view menu, const forms::RuntimeMenuItem& item) override;
  void RemoveMenuItem(std::string_view menu, std::string_view itemName) override;
  void StartTimer(unsigned id, unsigned milliseconds, std::function<void()> tick) override;
  void StopTimer(unsigned id) override;

  // The engine's inside (win32/form_impl.h); public only so that the engine's
  // window procedures and message loop can reach it.
  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// The real windows: each form a FormWindow, owned by its owner's window.
class Win32FormHost : public forms::FormHost {
 public:
  std::unique_ptr<forms::FormView> CreateForm(const forms::Form& layout, forms::HandlerTable handlers,
                                              forms::FormView* owner) override;
};

// The window of a form the Win32 host made (null for null).
HWND WindowOf(const forms::FormView* form);

// The innermost form shown modally by ShowModal right now; null when none is.
HWND InnermostModalWindow();

// Runs the program's message loop until the main window is gone, giving every
// window its dialog keys (Tab, Enter, Esc, Alt accelerators) and menu shortcuts.
int RunMessageLoop();

// One message through the same handling as the loop: menu shortcuts, key
// events of the controls, Enter and Esc, Alt accelerators, Ctrl+Tab between
// pages, Tab between controls.
void ProcessMessage(MSG& msg);
// Handles every message already waiting, then returns (tests, busy loops).
void PumpMessages();

}  // namespace pavane::win
