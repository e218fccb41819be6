#pragma once

// Forms without windows, for running whole commands in native tests: they
// keep every value the real controls keep, follow the same rules (a list's
// index out of range is no selection, a radio group holds it to its items,
// an up-down reads its buddy's number) and raise the same events by name.
// Tests play the user's part through the methods below the FormView ones.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_spec.h"
#include "forms/form_view.h"

namespace pavane::testing {

class MemoryHost;

class MemoryForm : public forms::FormView {
 public:
  MemoryForm(const forms::Form& layout, forms::HandlerTable handlers, MemoryHost* host);
  ~MemoryForm() override;
  MemoryForm(const MemoryForm&) = delete;
  MemoryForm& operator=(const MemoryForm&) = delete;

  // forms::FormView
  void Show() override;
  int ShowModal() override;
  void EndModal(int modalResult) override;
  void Close() override;
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }
  std::string Text(std::string_view name) const override;
  void SetText(std::string_view name, std::string_view text) override;
  bool Checked(std::string_view name) const override;
  void SetChecked(std::string_view name, bool checked) override;
  int ItemIndex(std::string_view name) const override;
  void SetItemIndex(std::string_view name, int index) override;
  int Position(std::string_view name) const override;
  void SetPosition(std::string_view name, int position) override;
  bool FormEnabled() const override { return formEnabled_; }
  void SetFormEnabled(bool enabled) override { formEnabled_ = enabled; }
  void Repaint(std::string_view name) override;
  bool Enabled(std::string_view name) const override;
  void SetEnabled(std::string_view name, bool enabled) override;
  void SetDefaultButton(std::string_view name) override;
  void Focus(std::string_view name) override;
  std::string FocusedControl() const override { return focused_; }
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

  // The user's part. Working a control that is disabled fails the test.
  // A click on a button, check box or painted control: the focus moves to it
  // (when it takes the focus), a check box toggles, then its click is raised
  // and a button with a modal result ends the modal form.
  void Click(std::string_view name);
  // A click on item `item` of a radio group.
  void ClickItem(std::string_view group, int item);
  // A click in a list that leaves exactly `selected` selected and `focused`
  // focused (the caret of a list box); raises its selection change.
  void SelectItems(std::string_view list, const std::set<int>& selected, int focused);
  // A double click on an entry: it alone is selected, then the double click is raised.
  void DoubleClickItem(std::string_view list, int index);
  // A click on an up-down's upper or lower arrow: its changing event, the
  // move by one within the range (none at its end), then its click.
  void ClickUpDown(std::string_view name, bool up);
  // What the user types into an edit.
  void Type(std::string_view edit, std::string_view text) { SetText(edit, text); }
  // A key pressed in the focused control: Tab moves the focus on (as
  // PressTab); any other key goes to the control's key-down handler;
  // without one, Enter presses the focused push button or the default
  // button and Esc the cancel button (a modal form ends with Cancel).
  void PressKey(int virtualKey);
  // Tab, or Shift+Tab: the focus moves to the next (previous) usable tab
  // stop in tab order, from the last one round to the first.
  void PressTab(bool backwards = false);
  // A character typed into the focused control.
  void TypeCharacter(char character);
  // A menu item chosen: of the table, or added at run time.
  void Choose(std::string_view itemName);
  // One tick of a running timer.
  void Tick(unsigned id);
  // Files dropped from the shell on a control, or (empty name) elsewhere on
  // the form: the drop handler of the control, else the form's.
  void DropFiles(std::string_view control, std::vector<std::string> files);

  // What the user sees.
  const forms::Form& Layout() const { return layout_; }
  // The items added at run time to a menu, as the user sees them when it
  // opens: its open handler runs first.
  std::vector<forms::RuntimeMenuItem> MenuItems(std::string_view menu);
  // The user opens a menu of the table (a menu of the bar or the pop-up menu).
  void OpenMenu(std::string_view menu);
  bool TimerRunning(unsigned id) const { return timers_.contains(id); }
  bool Closed() const { return closed_; }
  // The controls painted at once, each with its text at that moment.
  const std::vector<std::pair<std::string, std::string>>& Repainted() const { return repainted_; }
  bool Modal() const { return modal_; }
  std::string VisiblePage(std::string_view pageControl) const;
  std::string DefaultButton() const;
  // The pop-up menus dropped down by buttons, in order.
  const std::vector<std::string>& DroppedDown() const { return droppedDown_; }

 private:
  friend class MemoryHost;
  struct State {
    std::string text;
    bool checked = false;
    int position = 0;
    bool enabled = true;
    std::vector<std::string> items;
    std::set<int> selected;
    int focusedItem = -1;
    int radioIndex = -1;
  };

  const forms::Control& Spec(std::string_view name) const;
  State& StateOf(std::string_view name);
  const State& StateOf(std::string_view name) const;
  const forms::Control& ListSpec(std::string_view name) const;
  void CheckEntry(std::string_view list, int index) const;
  bool Usable(std::string_view name) const;
  void Raise(std::string_view handler, const forms::Control& sender, int key = 0, char character = 0);
  void RaiseDestroy();
  bool IsMenu(std::string_view menu) const;
  // The usable tab stops in the order Tab visits them.
  std::vector<std::string_view> TabStops() const;

  const forms::Form& layout_;
  forms::HandlerTable handlers_;
  MemoryHost* host_;
  std::map<std::string, State, std::less<>> states_;
  std::map<std::string, std::vector<forms::RuntimeMenuItem>, std::less<>> menus_;
  std::map<std::string, std::string, std::less<>> pages_;  // page control -> visible page
  std::map<unsigned, std::function<void()>> timers_;
  std::vector<std::string> droppedDown_;
  std::vector<std::pair<std::string, std::string>> repainted_;
  bool formEnabled_ = true;
  std::string caption_;
  std::string focused_;
  std::string defaultButton_;
  bool shownOnce_ = false;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = 0;
  bool closed_ = false;
};

// Makes MemoryForms, and plays the user's part in each form shown modally.
class MemoryHost : public forms::FormHost {
 public:
  using Script = std::function<void(MemoryForm&)>;

  ~MemoryHost() override;

  // When the form named `formName` (its table's `name`) is next shown
  // modally, `script` runs on it; it is expected to end the form. A modal
  // form without a script, or one the script leaves open, fails the test and
  // ends with Cancel.
  MemoryHost& OnModal(std::string formName, Script script);
  bool ScriptUsedUp() const { return scripts_.empty(); }

  std::unique_ptr<forms::FormView> CreateForm(const forms::Form& layout, forms::HandlerTable handlers,
                                              forms::FormView* owner) override;

  // The forms that exist now, newest last; the first one made by `name`.
  MemoryForm& Find(std::string_view formName) const;
  // The names of the forms shown modally, in order.
  const std::vector<std::string>& ShownModally() const { return shownModally_; }

 private:
  friend class MemoryForm;
  std::optional<Script> TakeScript(std::string_view formName);
  void Forget(MemoryForm* form);

  std::deque<std::pair<std::string, Script>> scripts_;
  std::vector<MemoryForm*> live_;
  std::vector<std::string> shownModally_;
};

}  // namespace pavane::testing
