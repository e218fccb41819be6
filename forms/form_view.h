#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_spec.h"

namespace pavane::forms {

// What raised an event: a control or menu item of the table, or a menu item
// added at run time.
struct Sender {
  std::string_view name;
  int tag = 0;
};

struct Event {
  Sender sender;
  int key = 0;                          // key-down: the virtual-key code
  char character = 0;                   // key-press: the character typed
  std::vector<std::string> files = {};  // drops: the paths of the files dropped, in the order given
};

using Handler = std::function<void(const Event&)>;

// The handler names a table uses, bound to what they do.
class HandlerTable {
 public:
  HandlerTable& Bind(std::string_view name, Handler handler);
  // A member function of `owner`, with the event or without it.
  template <class Owner>
  HandlerTable& Bind(std::string_view name, Owner* owner, void (Owner::*run)()) {
    return Bind(name, [owner, run](const Event&) { (owner->*run)(); });
  }
  template <class Owner>
  HandlerTable& Bind(std::string_view name, Owner* owner, void (Owner::*run)(const Event&)) {
    return Bind(name, [owner, run](const Event& event) { (owner->*run)(event); });
  }
  bool Contains(std::string_view name) const { return handlers_.find(name) != handlers_.end(); }
  // Runs the handler bound to `name`; an empty name runs nothing.
  void Raise(std::string_view name, const Event& event) const;

 private:
  std::map<std::string, Handler, std::less<>> handlers_;
};

// A menu item added while the program runs.
struct RuntimeMenuItem {
  std::string name;
  std::string caption;  // shown as it is: an "&" shows as "&", never as an accelerator mark
  int tag = 0;
  std::string handler;       // raised with the item's name and Tag when it is chosen
  bool breakColumn = false;  // starts a new column, with a separating bar
};

// One form as the commands see it: its controls found by the names of its
// table. A name the table does not hold, or an operation its control's kind
// does not have, fails with std::logic_error. Changing a value from here
// raises the same events as the user's change (a check box's click, a list's
// selection change) only where this says so.
class FormView {
 public:
  virtual ~FormView() = default;

  virtual void Show() = 0;
  // Shows the form modally over its owner (disabled meanwhile) and returns
  // the modal result of the button, Esc or close box that ended it.
  virtual int ShowModal() = 0;
  virtual void EndModal(int modalResult) = 0;
  // Closes the form as its close box does (a modal one ends with Cancel).
  virtual void Close() = 0;

  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;

  virtual std::string Text(std::string_view name) const = 0;
  virtual void SetText(std::string_view name, std::string_view text) = 0;

  virtual bool Checked(std::string_view name) const = 0;
  // A state that changes raises the box's click, as the user's click does.
  virtual void SetChecked(std::string_view name, bool checked) = 0;

  // Lists and radio groups: the selected item, -1 for none. An index outside
  // a list's items leaves it with no selection; a radio group holds it to its
  // items (past the last selects the last).
  virtual int ItemIndex(std::string_view name) const = 0;
  virtual void SetItemIndex(std::string_view name, int index) = 0;

  // Up-downs: a number typed into the buddy edit counts, held to the range.
  virtual int Position(std::string_view name) const = 0;
  virtual void SetPosition(std::string_view name, int position) = 0;

  // The form as a whole: disabled, it takes no click or key at all.
  virtual bool FormEnabled() const = 0;
  virtual void SetFormEnabled(bool enabled) = 0;
  // Paints the control now rather than at the message loop's next turn.
  virtual void Repaint(std::string_view name) = 0;

  virtual bool Enabled(std::string_view name) const = 0;
  virtual void SetEnabled(std::string_view name, bool enabled) = 0;
  // Which of two push buttons Enter presses; the table's default button at first.
  virtual void SetDefaultButton(std::string_view name) = 0;

  // Focuses the control (raising its focus entry), first showing its page.
  virtual void Focus(std::string_view name) = 0;
  // The control that has the focus; empty when none of the form's has it.
  virtual std::string FocusedControl() const = 0;
  // Shows a page of a page control, as a click on its tab does.
  virtual void ShowPage(std::string_view pageName) = 0;

  // The entries of list boxes and drop-down lists.
  virtual int ItemCount(std::string_view list) const = 0;
  virtual std::string ItemText(std::string_view list, int index) const = 0;
  virtual void AddItem(std::string_view list, std::string_view text) = 0;
  virtual void RemoveItem(std::string_view list, int index) = 0;
  // Takes entry `from` out and puts it in at `to`; the selection stays with the entries.
  virtual void MoveItem(std::string_view list, int from, int to) = 0;
  virtual void ClearItems(std::string_view list) = 0;
  virtual bool ItemSelected(std::string_view list, int index) const = 0;
  virtual void SetItemSelected(std::string_view list, int index, bool selected) = 0;
  // The entry with the focus rectangle; -1 when the list is empty.
  virtual int FocusedItem(std::string_view list) const = 0;
  virtual void SetFocusedItem(std::string_view list, int index) = 0;

  // Menu items added at run time, at the end of the menu named by the table
  // (a menu of the menu bar, or the pop-up menu). Removing a name the menu
  // does not hold does nothing.
  virtual void AddMenuItem(std::string_view menu, const RuntimeMenuItem& item) = 0;
  virtual void RemoveMenuItem(std::string_view menu, std::string_view itemName) = 0;

  // `tick` runs every `milliseconds` until StopTimer.
  virtual void StartTimer(unsigned id, unsigned milliseconds, std::function<void()> tick) = 0;
  virtual void StopTimer(unsigned id) = 0;
};

// Makes the forms: the real windows, or the forms of the native tests.
class FormHost {
 public:
  virtual ~FormHost() = default;
  // A hidden form built from `layout`, owned by `owner` (null: a main
  // window). A broken table or a handler name it uses that `handlers` does
  // not bind fails with std::logic_error before anything is made.
  virtual std::unique_ptr<FormView> CreateForm(const Form& layout, HandlerTable handlers, FormView* owner) = 0;
};

}  // namespace pavane::forms
