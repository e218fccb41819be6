#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "forms/form_spec.h"

namespace pavane::win {

// A real window built from a declared form: its controls, pages, menus and
// accelerators. Handlers are bound by the names the table gives; controls are
// found by name.
class FormWindow {
 public:
  using Handler = std::function<void(const forms::Control& sender)>;
  using MenuHandler = std::function<void()>;

  explicit FormWindow(const forms::Form& form);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Binds a handler named in the table (onClick, onChanging, menu handlers).
  // Bind before Create; Create fails loudly on a name the table uses but nobody bound.
  void Bind(std::string_view handlerName, Handler handler);
  void BindMenu(std::string_view handlerName, MenuHandler handler);

  // Creates the window, hidden, owned by `owner`; centred on the screen.
  void Create(HWND owner = nullptr);
  void Show();
  HWND Handle() const;

  HWND Control(std::string_view name) const;
  const forms::Control& Spec(std::string_view name) const;

  std::string Text(std::string_view name) const;
  void SetText(std::string_view name, std::string_view text);
  void SetCaption(std::string_view caption);
  std::string Caption() const;

  bool Checked(std::string_view name) const;
  // Changing the state runs the box's onClick handler, as a user's click does.
  void SetChecked(std::string_view name, bool checked);

  // Lists and radio groups: the selected item, -1 for none. An index outside
  // the items leaves a list with no selection.
  int ItemIndex(std::string_view name) const;
  void SetItemIndex(std::string_view name, int index);

  // Up-down controls.
  int Position(std::string_view name) const;
  void SetPosition(std::string_view name, int position);

  void SetEnabled(std::string_view name, bool enabled);
  // Focuses the control, first showing the page it lies on.
  void Focus(std::string_view name);
  // Shows a page of a page control, as a click on its tab does.
  void ShowPage(std::string_view pageName);

  // Closes the window as its close box does (a dialog ends with Cancel).
  void Close();

  // A menu of the menu bar by its item name ("FavoritesMenu"), or the pop-up
  // menu by `Form::popupMenuName`; null when there is none.
  HMENU Menu(std::string_view name) const;
  // A command ID for an item added at run time (favourites); WM_COMMAND with
  // it runs `handler`. RemoveCommand frees the ID again.
  UINT AddCommand(MenuHandler handler);
  void RemoveCommand(UINT id);

  // Dialogs: shows the window modally over its owner (disabled meanwhile) and
  // returns the modal result of the button, Esc or close box that ended it.
  int ShowModal();
  void EndModal(int modalResult);

  // Runs before the window is destroyed, however it is closed.
  void OnDestroy(std::function<void()> handler);
  // Timers of the window: `handler` runs on each tick until KillTimer.
  void StartTimer(unsigned id, unsigned milliseconds, std::function<void()> handler);
  void StopTimer(unsigned id);

  // The engine's inside (win32/form_impl.h); public only so that the engine's
  // window procedures and message loop can reach it.
  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

// The innermost form shown modally by ShowModal right now; null when none is.
HWND InnermostModalWindow();

// Runs the program's message loop until the main window is gone, giving every
// window its dialog keys (Tab, Enter, Esc, Alt accelerators) and menu shortcuts.
int RunMessageLoop();

// One message through the same handling as the loop: menu shortcuts, Enter and
// Esc, Alt accelerators, Ctrl+Tab between pages, Tab between controls.
void ProcessMessage(MSG& msg);
// Handles every message already waiting, then returns (tests, busy loops).
void PumpMessages();

}  // namespace pavane::win
