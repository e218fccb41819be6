#include "tests/support/memory_form.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "base/text_rules.h"
#include "forms/control_traits.h"
#include "forms/form_tree.h"

namespace pavane::testing {
namespace {

using forms::Kind;

constexpr int kVirtualTab = 0x09;
constexpr int kVirtualReturn = 0x0D;
constexpr int kVirtualEscape = 0x1B;

const forms::KindTraits& Traits(const forms::Control& control) { return forms::TraitsOf(control.kind); }

[[noreturn]] void NoSuch(const forms::Control& control, const char* what) {
  throw std::logic_error("control \"" + std::string(control.name) + "\" has no " + what);
}

}  // namespace

MemoryForm::MemoryForm(const forms::Form& layout, forms::HandlerTable handlers, MemoryHost* host)
    : layout_(layout), handlers_(std::move(handlers)), host_(host), caption_(layout.caption) {
  forms::CheckForm(layout_, handlers_);
  for (const auto& control : layout_.controls) {
    State state;
    state.enabled = control.enabled;
    state.checked = control.checked;
    state.position = control.position;
    if (Traits(control).hasText) state.text = control.caption;
    if (Traits(control).hasItems) {
      state.items.assign(control.items.begin(), control.items.end());
      if (control.selected >= 0 && control.selected < static_cast<int>(state.items.size())) {
        state.selected.insert(control.selected);
        state.focusedItem = control.selected;
      } else if (!state.items.empty() && control.kind == Kind::ListBox) {
        state.focusedItem = 0;
      }
    }
    if (Traits(control).radioButtons) {
      state.radioIndex = control.selected < static_cast<int>(control.items.size()) ? control.selected : -1;
    }
    if (control.isDefault) defaultButton_ = control.name;
    states_.emplace(std::string(control.name), std::move(state));
  }
  for (std::size_t i = 0; i < layout_.controls.size(); ++i) {
    if (layout_.controls[i].kind != Kind::PageControl) continue;
    const auto pages = forms::PagesOf(layout_, i);
    if (!pages.empty()) pages_[std::string(layout_.controls[i].name)] = layout_.controls[pages.front()].name;
  }
}

MemoryForm::~MemoryForm() {
  RaiseDestroy();
  if (host_) host_->Forget(this);
}

const forms::Control& MemoryForm::Spec(std::string_view name) const {
  return layout_.controls[forms::ControlIndex(layout_, name)];
}

MemoryForm::State& MemoryForm::StateOf(std::string_view name) {
  Spec(name);  // an unknown name fails here
  return states_.find(name)->second;
}

const MemoryForm::State& MemoryForm::StateOf(std::string_view name) const {
  Spec(name);
  return states_.find(name)->second;
}

const forms::Control& MemoryForm::ListSpec(std::string_view name) const {
  const auto& spec = Spec(name);
  if (!Traits(spec).hasItems) NoSuch(spec, "list entries");
  return spec;
}

void MemoryForm::CheckEntry(std::string_view list, int index) const {
  ListSpec(list);
  if (index < 0 || index >= ItemCount(list)) {
    throw std::out_of_range("list \"" + std::string(list) + "\" has no entry " + std::to_string(index));
  }
}

bool MemoryForm::Usable(std::string_view name) const {
  if (!formEnabled_) {
    ADD_FAILURE() << "the user cannot work " << name << " of the disabled form " << layout_.name;
    return false;
  }
  if (StateOf(name).enabled) return true;
  ADD_FAILURE() << "the user cannot work the disabled control " << name << " of " << layout_.name;
  return false;
}

void MemoryForm::Raise(std::string_view handler, const forms::Control& sender, int key, char character) {
  handlers_.Raise(handler, {.sender = {sender.name, sender.tag}, .key = key, .character = character});
}

void MemoryForm::DropFiles(std::string_view control, std::vector<std::string> files) {
  if (!control.empty()) {
    const auto& spec = Spec(control);
    if (!spec.onDropFiles.empty()) {
      handlers_.Raise(spec.onDropFiles, {.sender = {spec.name, spec.tag}, .files = std::move(files)});
      return;
    }
  }
  handlers_.Raise(layout_.onDropFiles, {.sender = {layout_.name}, .files = std::move(files)});
}

void MemoryForm::RaiseDestroy() {
  if (closed_) return;
  closed_ = true;
  handlers_.Raise(layout_.onDestroy, {.sender = {layout_.name}});
}

void MemoryForm::Show() {
  if (shownOnce_) return;
  shownOnce_ = true;
  if (!layout_.initialFocus.empty()) {
    Focus(layout_.initialFocus);
    return;
  }
  // The first tab stop in tab order, as the system finds it.
  const auto stops = TabStops();
  if (!stops.empty()) Focus(stops.front());
}

std::vector<std::string_view> MemoryForm::TabStops() const {
  std::vector<std::string_view> stops;
  std::function<void(std::string_view)> walk = [&](std::string_view parent) {
    for (const auto index : forms::OrderedChildren(layout_, parent)) {
      const auto& control = layout_.controls[index];
      if (!StateOf(control.name).enabled) continue;
      if (control.kind == Kind::Page && VisiblePage(control.parent) != control.name) continue;
      if (Traits(control).tabStop != forms::TabStop::None) stops.push_back(control.name);
      walk(control.name);
    }
  };
  walk({});
  return stops;
}

void MemoryForm::PressTab(bool backwards) {
  const auto stops = TabStops();
  if (stops.empty()) return;
  const auto at = std::find(stops.begin(), stops.end(), focused_);
  std::size_t next = 0;
  if (at != stops.end()) {
    const std::size_t here = static_cast<std::size_t>(at - stops.begin());
    next = backwards ? (here + stops.size() - 1) % stops.size() : (here + 1) % stops.size();
  } else if (backwards) {
    next = stops.size() - 1;
  }
  Focus(stops[next]);
}

int MemoryForm::ShowModal() {
  if (closed_) throw std::logic_error("form " + std::string(layout_.name) + " is gone");
  modal_ = true;
  ended_ = false;
  result_ = 0;
  Show();
  if (host_) host_->shownModally_.emplace_back(layout_.name);
  auto script = host_ ? host_->TakeScript(layout_.name) : std::nullopt;
  if (!script) {
    ADD_FAILURE() << "unexpected modal form " << layout_.name;
  } else {
    (*script)(*this);
    if (!ended_) ADD_FAILURE() << "the script left the modal form " << layout_.name << " open";
  }
  modal_ = false;
  return ended_ ? result_ : forms::kModalCancel;
}

void MemoryForm::EndModal(int modalResult) {
  result_ = modalResult;
  ended_ = true;
}

void MemoryForm::Close() {
  if (modal_) {
    EndModal(forms::kModalCancel);
    return;
  }
  RaiseDestroy();
}

std::string MemoryForm::Text(std::string_view name) const {
  const auto& spec = Spec(name);
  if (!Traits(spec).hasText) NoSuch(spec, "text");
  return StateOf(name).text;
}

void MemoryForm::SetText(std::string_view name, std::string_view text) {
  const auto& spec = Spec(name);
  if (!Traits(spec).hasText) NoSuch(spec, "text");
  StateOf(name).text = text;
}

bool MemoryForm::Checked(std::string_view name) const {
  if (!Traits(Spec(name)).checkable) NoSuch(Spec(name), "check state");
  return StateOf(name).checked;
}

void MemoryForm::SetChecked(std::string_view name, bool checked) {
  const auto& spec = Spec(name);
  if (!Traits(spec).checkable) NoSuch(spec, "check state");
  auto& state = StateOf(name);
  if (state.checked == checked) return;
  state.checked = checked;
  Raise(spec.onClick, spec);
}

int MemoryForm::ItemIndex(std::string_view name) const {
  const auto& spec = Spec(name);
  const auto& state = StateOf(name);
  if (Traits(spec).radioButtons) return state.radioIndex;
  ListSpec(name);
  if (spec.multiSelect) return state.items.empty() ? -1 : state.focusedItem;
  return state.selected.empty() ? -1 : *state.selected.begin();
}

void MemoryForm::SetItemIndex(std::string_view name, int index) {
  const auto& spec = Spec(name);
  auto& state = StateOf(name);
  if (Traits(spec).radioButtons) {
    state.radioIndex = std::clamp(index, -1, static_cast<int>(spec.items.size()) - 1);
    return;
  }
  ListSpec(name);
  state.selected.clear();
  if (index < 0 || index >= static_cast<int>(state.items.size())) return;
  state.selected.insert(index);
  state.focusedItem = index;
}

int MemoryForm::Position(std::string_view name) const {
  const auto& spec = Spec(name);
  if (!Traits(spec).hasPosition) NoSuch(spec, "position");
  if (const auto typed = ParseInteger(Text(spec.buddy))) return std::clamp<int>(*typed, spec.rangeMin, spec.rangeMax);
  return StateOf(name).position;
}

void MemoryForm::SetPosition(std::string_view name, int position) {
  const auto& spec = Spec(name);
  if (!Traits(spec).hasPosition) NoSuch(spec, "position");
  position = std::clamp(position, spec.rangeMin, spec.rangeMax);
  StateOf(name).position = position;
  SetText(spec.buddy, std::to_string(position));
}

void MemoryForm::Repaint(std::string_view name) { repainted_.emplace_back(name, Text(name)); }

bool MemoryForm::Enabled(std::string_view name) const { return StateOf(name).enabled; }

// As with windows, a control that is disabled loses the focus, and nothing has it then.
void MemoryForm::SetEnabled(std::string_view name, bool enabled) {
  StateOf(name).enabled = enabled;
  if (!enabled && focused_ == name) focused_.clear();
}

void MemoryForm::SetDefaultButton(std::string_view name) {
  if (!Traits(Spec(name)).pushButton) NoSuch(Spec(name), "default frame");
  defaultButton_ = name;
}

std::string MemoryForm::DefaultButton() const { return defaultButton_; }

void MemoryForm::Focus(std::string_view name) {
  const auto& spec = Spec(name);
  for (auto parent = spec.parent; !parent.empty(); parent = Spec(parent).parent) {
    if (Spec(parent).kind == Kind::Page) ShowPage(parent);
  }
  if (focused_ == name) return;
  focused_ = name;
  Raise(spec.onEnter, spec);
}

void MemoryForm::ShowPage(std::string_view pageName) {
  const auto& page = Spec(pageName);
  if (page.kind != Kind::Page) throw std::logic_error(std::string(pageName) + " is no page");
  pages_[std::string(page.parent)] = page.name;
}

std::string MemoryForm::VisiblePage(std::string_view pageControl) const {
  const auto page = pages_.find(pageControl);
  return page == pages_.end() ? std::string() : page->second;
}

int MemoryForm::ItemCount(std::string_view list) const {
  ListSpec(list);
  return static_cast<int>(StateOf(list).items.size());
}

std::string MemoryForm::ItemText(std::string_view list, int index) const {
  CheckEntry(list, index);
  return StateOf(list).items[static_cast<std::size_t>(index)];
}

void MemoryForm::AddItem(std::string_view list, std::string_view text) {
  ListSpec(list);
  auto& state = StateOf(list);
  state.items.emplace_back(text);
  if (state.focusedItem < 0 && Spec(list).kind == Kind::ListBox) state.focusedItem = 0;
}

void MemoryForm::RemoveItem(std::string_view list, int index) {
  CheckEntry(list, index);
  auto& state = StateOf(list);
  state.items.erase(state.items.begin() + index);
  std::set<int> selected;
  for (const int entry : state.selected) {
    if (entry != index) selected.insert(entry > index ? entry - 1 : entry);
  }
  state.selected = selected;
  if (state.focusedItem > index) --state.focusedItem;
  state.focusedItem = std::min(state.focusedItem, static_cast<int>(state.items.size()) - 1);
}

void MemoryForm::MoveItem(std::string_view list, int from, int to) {
  CheckEntry(list, from);
  CheckEntry(list, to);
  if (from == to) return;
  const bool selected = ItemSelected(list, from);
  const std::string text = ItemText(list, from);
  auto& state = StateOf(list);
  const int focused = state.focusedItem;
  RemoveItem(list, from);
  state.items.insert(state.items.begin() + to, text);
  std::set<int> shifted;
  for (const int entry : state.selected) shifted.insert(entry >= to ? entry + 1 : entry);
  state.selected = shifted;
  if (selected) state.selected.insert(to);
  state.focusedItem = focused;
}

void MemoryForm::ClearItems(std::string_view list) {
  ListSpec(list);
  auto& state = StateOf(list);
  state.items.clear();
  state.selected.clear();
  state.focusedItem = -1;
}

bool MemoryForm::ItemSelected(std::string_view list, int index) const {
  CheckEntry(list, index);
  return StateOf(list).selected.contains(index);
}

void MemoryForm::SetItemSelected(std::string_view list, int index, bool selected) {
  CheckEntry(list, index);
  auto& state = StateOf(list);
  if (!Spec(list).multiSelect) {
    if (selected) {
      state.selected = {index};
      state.focusedItem = index;
    } else {
      state.selected.erase(index);
    }
    return;
  }
  if (selected) {
    state.selected.insert(index);
  } else {
    state.selected.erase(index);
  }
}

int MemoryForm::FocusedItem(std::string_view list) const {
  const auto& spec = ListSpec(list);
  const auto& state = StateOf(list);
  if (state.items.empty()) return -1;
  if (!spec.multiSelect) return state.selected.empty() ? -1 : *state.selected.begin();
  return state.focusedItem;
}

void MemoryForm::SetFocusedItem(std::string_view list, int index) {
  CheckEntry(list, index);
  if (!Spec(list).multiSelect) {
    SetItemSelected(list, index, true);
    return;
  }
  StateOf(list).focusedItem = index;
}

bool MemoryForm::IsMenu(std::string_view menu) const {
  if (!layout_.popupMenuName.empty() && menu == layout_.popupMenuName) return true;
  for (std::size_t i = 0; i + 1 < layout_.menu.size(); ++i) {
    if (layout_.menu[i].name == menu && layout_.menu[i + 1].level > layout_.menu[i].level) return true;
  }
  return false;
}

void MemoryForm::AddMenuItem(std::string_view menu, const forms::RuntimeMenuItem& item) {
  if (!IsMenu(menu)) throw std::logic_error("form " + std::string(layout_.name) + " has no menu " + std::string(menu));
  if (!item.handler.empty() && !handlers_.Contains(item.handler)) {
    throw std::logic_error("menu item " + item.name + " names the handler " + item.handler + ", which nobody bound");
  }
  menus_[std::string(menu)].push_back(item);
}

void MemoryForm::RemoveMenuItem(std::string_view menu, std::string_view itemName) {
  const auto items = menus_.find(menu);
  if (items == menus_.end()) return;
  std::erase_if(items->second, [itemName](const forms::RuntimeMenuItem& item) { return item.name == itemName; });
}

std::vector<forms::RuntimeMenuItem> MemoryForm::MenuItems(std::string_view menu) {
  OpenMenu(menu);
  const auto items = menus_.find(menu);
  return items == menus_.end() ? std::vector<forms::RuntimeMenuItem>() : items->second;
}

void MemoryForm::StartTimer(unsigned id, unsigned, std::function<void()> tick) { timers_[id] = std::move(tick); }

void MemoryForm::StopTimer(unsigned id) { timers_.erase(id); }

void MemoryForm::Click(std::string_view name) {
  const auto& spec = Spec(name);
  if (!Usable(name)) return;
  if (Traits(spec).tabStop == forms::TabStop::Itself) Focus(name);
  if (Traits(spec).checkable) {
    auto& state = StateOf(name);
    state.checked = !state.checked;
  }
  if (!spec.dropDownMenu.empty()) {
    droppedDown_.emplace_back(spec.dropDownMenu);
    return;
  }
  Raise(spec.onClick, spec);
  if (spec.modalResult != 0 && modal_) EndModal(spec.modalResult);
}

void MemoryForm::ClickItem(std::string_view group, int item) {
  const auto& spec = Spec(group);
  if (!Traits(spec).radioButtons) NoSuch(spec, "radio buttons");
  if (!Usable(group)) return;
  if (item < 0 || item >= static_cast<int>(spec.items.size())) throw std::out_of_range("no such radio button");
  Focus(group);
  StateOf(group).radioIndex = item;
  Raise(spec.onClick, spec);
}

void MemoryForm::ClickUpDown(std::string_view name, bool up) {
  const auto& spec = Spec(name);
  if (!Traits(spec).hasPosition) NoSuch(spec, "arrows");
  if (!Usable(name)) return;
  const int from = Position(name);
  const int to = std::clamp(from + (up ? 1 : -1), spec.rangeMin, spec.rangeMax);
  if (to == from) return;
  Raise(spec.onChanging, spec);
  SetPosition(name, to);
  Raise(spec.onClick, spec);
}

void MemoryForm::SelectItems(std::string_view list, const std::set<int>& selected, int focused) {
  const auto& spec = ListSpec(list);
  if (!Usable(list)) return;
  for (const int index : selected) CheckEntry(list, index);
  CheckEntry(list, focused);
  Focus(list);
  auto& state = StateOf(list);
  state.selected = selected;
  state.focusedItem = focused;
  Raise(spec.onClick, spec);
}

void MemoryForm::DoubleClickItem(std::string_view list, int index) {
  SelectItems(list, {index}, index);
  if (Usable(list)) Raise(ListSpec(list).onDoubleClick, ListSpec(list));
}

void MemoryForm::PressKey(int virtualKey) {
  if (virtualKey == kVirtualTab) {
    PressTab();
    return;
  }
  const forms::Control* focused = focused_.empty() ? nullptr : &Spec(focused_);
  if (focused && !focused->onKeyDown.empty()) {
    Raise(focused->onKeyDown, *focused, virtualKey);
    return;
  }
  if (layout_.enterAndEscapeAreKeys) return;
  if (virtualKey == kVirtualReturn) {
    if (focused && Traits(*focused).pushButton) {
      Click(focused_);
    } else if (!defaultButton_.empty() && StateOf(defaultButton_).enabled) {
      Click(defaultButton_);
    }
    return;
  }
  if (virtualKey != kVirtualEscape) return;
  for (const auto& control : layout_.controls) {
    if (control.isCancel && StateOf(control.name).enabled) {
      Click(control.name);
      return;
    }
  }
  if (modal_) EndModal(forms::kModalCancel);
}

void MemoryForm::TypeCharacter(char character) {
  if (focused_.empty()) return;
  const auto& spec = Spec(focused_);
  Raise(spec.onKeyPress, spec, 0, character);
}

void MemoryForm::OpenMenu(std::string_view menu) {
  if (menu == layout_.popupMenuName) {
    handlers_.Raise(layout_.onPopupMenuOpen, {.sender = {menu}});
    return;
  }
  for (const auto& item : layout_.menu) {
    if (item.level == 0 && item.name == menu) handlers_.Raise(item.handler, {.sender = {item.name}});
  }
}

void MemoryForm::Choose(std::string_view itemName) {
  for (const auto menu : {layout_.menu, layout_.popupMenu}) {
    for (const auto& item : menu) {
      if (item.name != itemName) continue;
      handlers_.Raise(item.handler, {.sender = {item.name}});
      return;
    }
  }
  // An item added at run time is chosen from a menu the user opened first.
  OpenMenu(layout_.popupMenuName);
  for (const auto& item : layout_.menu) {
    if (item.level == 0) OpenMenu(item.name);
  }
  for (const auto& [menu, items] : menus_) {
    for (const auto& item : items) {
      if (item.name != itemName) continue;
      const forms::RuntimeMenuItem chosen = item;  // a copy: the handler may remove the item
      handlers_.Raise(chosen.handler, {.sender = {chosen.name, chosen.tag}});
      return;
    }
  }
  throw std::logic_error("form " + std::string(layout_.name) + " has no menu item " + std::string(itemName));
}

void MemoryForm::Tick(unsigned id) {
  const auto timer = timers_.find(id);
  if (timer == timers_.end()) {
    ADD_FAILURE() << "timer " << id << " of " << layout_.name << " is not running";
    return;
  }
  const auto tick = timer->second;  // a copy: the tick may stop its own timer
  tick();
}

MemoryHost::~MemoryHost() {
  for (auto* form : live_) form->host_ = nullptr;
}

MemoryHost& MemoryHost::OnModal(std::string formName, Script script) {
  scripts_.emplace_back(std::move(formName), std::move(script));
  return *this;
}

std::optional<MemoryHost::Script> MemoryHost::TakeScript(std::string_view formName) {
  if (scripts_.empty() || scripts_.front().first != formName) return std::nullopt;
  Script script = std::move(scripts_.front().second);
  scripts_.pop_front();
  return script;
}

std::unique_ptr<forms::FormView> MemoryHost::CreateForm(const forms::Form& layout, forms::HandlerTable handlers,
                                                        forms::FormView*) {
  auto form = std::make_unique<MemoryForm>(layout, std::move(handlers), this);
  live_.push_back(form.get());
  return form;
}

MemoryForm& MemoryHost::Find(std::string_view formName) const {
  for (auto* form : live_) {
    if (form->Layout().name == formName) return *form;
  }
  throw std::logic_error("no form " + std::string(formName) + " exists");
}

void MemoryHost::Forget(MemoryForm* form) { std::erase(live_, form); }

}  // namespace pavane::testing
