// Menus from the tables, their shortcuts, the items added at run time and the
// pop-up menu that a button drops down.

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "base/text_rules.h"
#include "forms/form_keys.h"
#include "win32/form_impl.h"

namespace pavane::win {

// An item of level L+1 belongs to the item of level L above it. Shortcuts
// are shown after a tab.
HMENU FormWindow::Impl::BuildMenu(std::span<const forms::MenuItem> items, int idBase, bool bar) {
  UniqueMenu root(bar ? CreateMenu() : CreatePopupMenu());
  if (!root) throw std::runtime_error("could not create a menu");
  std::vector<HMENU> stack{root.Get()};
  const int baseLevel = items.empty() ? 0 : items.front().level;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto& item = items[i];
    const std::size_t depth = static_cast<std::size_t>(std::max(item.level - baseLevel, 0)) + 1;
    if (depth > stack.size()) {
      throw std::logic_error("form " + std::string(form.name) + ": menu item " + std::string(item.name) +
                             " skips a level");
    }
    stack.resize(depth);
    const bool hasChildren = i + 1 < items.size() && items[i + 1].level > item.level;
    if (item.caption == "-") {
      AppendMenuA(stack.back(), MF_SEPARATOR, 0, nullptr);
    } else if (hasChildren) {
      HMENU sub = CreatePopupMenu();
      AppendMenuA(stack.back(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                  std::string(item.caption).c_str());
      menusByName[std::string(item.name)] = sub;
      stack.push_back(sub);
    } else {
      std::string text(item.caption);
      if (!item.shortcut.empty()) text += "\t" + std::string(item.shortcut);
      AppendMenuA(stack.back(), MF_STRING, idBase + i, text.c_str());
    }
  }
  return root.Release();
}

// Only the menu bar's shortcuts are keys; the pop-up menu shows the same ones.
void FormWindow::Impl::BuildAccelerators() {
  std::vector<ACCEL> table;
  for (std::size_t i = 0; i < form.menu.size(); ++i) {
    const auto& item = form.menu[i];
    if (item.shortcut.empty()) continue;
    const auto shortcut = forms::ParseShortcut(item.shortcut);
    ACCEL accel{};
    accel.fVirt =
        FVIRTKEY | (shortcut->ctrl ? FCONTROL : 0) | (shortcut->shift ? FSHIFT : 0) | (shortcut->alt ? FALT : 0);
    accel.key = static_cast<WORD>(shortcut->key);
    accel.cmd = static_cast<WORD>(kMenuIdBase + i);
    table.push_back(accel);
  }
  if (table.empty()) return;
  accelerators.Reset(CreateAcceleratorTableA(table.data(), static_cast<int>(table.size())));
}

// A chosen menu item raises its handler with the item as sender.
bool FormWindow::Impl::RunMenuCommand(int id) {
  auto fromTable = [&](std::span<const forms::MenuItem> items, int base) {
    if (id < base || id >= base + static_cast<int>(items.size())) return false;
    const auto& item = items[static_cast<std::size_t>(id - base)];
    handlers.Raise(item.handler, {.sender = {item.name}});
    return true;
  };
  if (fromTable(form.menu, kMenuIdBase) || fromTable(form.popupMenu, kPopupIdBase)) return true;
  const RuntimeItem* added = runtimeItems.Find(static_cast<UINT>(id));
  if (!added) return false;
  // A copy: the handler may remove its own item.
  const forms::RuntimeMenuItem item = added->item;
  handlers.Raise(item.handler, {.sender = {item.name, item.tag}});
  return true;
}

void FormWindow::Impl::MenuOpening(HMENU menu) {
  const auto named =
      std::find_if(menusByName.begin(), menusByName.end(), [menu](const auto& entry) { return entry.second == menu; });
  if (named == menusByName.end()) return;
  const std::string_view name = named->first;
  if (name == form.popupMenuName) {
    handlers.Raise(form.onPopupMenuOpen, {.sender = {name}});
    return;
  }
  const auto item = std::find_if(form.menu.begin(), form.menu.end(),
                                 [name](const forms::MenuItem& entry) { return entry.name == name; });
  if (item != form.menu.end()) handlers.Raise(item->handler, {.sender = {item->name}});
}

// A drop-down button shows its pop-up menu below its bottom-left corner; the
// chosen item arrives as a menu command.
void FormWindow::Impl::DropDown(std::size_t index) {
  const auto menu = menusByName.find(controls[index].spec->dropDownMenu);
  if (menu == menusByName.end()) return;
  const auto& control = controls[index];
  POINT corner{control.bounds.left, control.bounds.bottom};
  ClientToScreen(control.container, &corner);
  TrackPopupMenu(menu->second, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, corner.x, corner.y, 0, hwnd, nullptr);
}

HMENU FormWindow::Menu(std::string_view name) const {
  const auto menu = impl_->menusByName.find(name);
  return menu == impl_->menusByName.end() ? nullptr : menu->second;
}

std::string RuntimeItems::Key(std::string_view menu, std::string_view name) {
  std::string key(menu);
  key += '\n';
  key += name;
  return key;
}

UINT RuntimeItems::Add(std::string_view menu, const forms::RuntimeMenuItem& item) {
  UINT id = 0;
  if (!freed_.empty()) {
    id = freed_.back();
    freed_.pop_back();
  } else if (next_ <= static_cast<UINT>(kDynamicIdEnd)) {
    id = next_++;
  } else {
    throw std::runtime_error("no menu command IDs left");
  }
  byId_[id] = {std::string(menu), item};
  idByName_[Key(menu, item.name)] = id;
  return id;
}

std::optional<UINT> RuntimeItems::Remove(std::string_view menu, std::string_view name) {
  const auto named = idByName_.find(Key(menu, name));
  if (named == idByName_.end()) return std::nullopt;
  const UINT id = named->second;
  idByName_.erase(named);
  byId_.erase(id);
  freed_.push_back(id);
  return id;
}

const RuntimeItem* RuntimeItems::Find(UINT id) const {
  const auto item = byId_.find(id);
  return item == byId_.end() ? nullptr : &item->second;
}

void FormWindow::AddMenuItem(std::string_view menuName, const forms::RuntimeMenuItem& item) {
  const HMENU menu = Menu(menuName);
  if (!menu) throw std::logic_error("form " + std::string(impl_->form.name) + " has no menu " + std::string(menuName));
  if (!item.handler.empty() && !impl_->handlers.Contains(item.handler)) {
    throw std::logic_error("menu item " + item.name + " names the handler " + item.handler + ", which nobody bound");
  }
  const UINT id = impl_->runtimeItems.Add(menuName, item);
  const UINT flags = MF_STRING | (item.breakColumn ? MF_MENUBARBREAK : 0);
  if (!AppendMenuA(menu, flags, id, DoubleAmpersands(item.caption).c_str())) {
    impl_->runtimeItems.Remove(menuName, item.name);
    throw std::runtime_error("could not add the menu item " + item.name);
  }
}

void FormWindow::RemoveMenuItem(std::string_view menuName, std::string_view itemName) {
  const std::optional<UINT> id = impl_->runtimeItems.Remove(menuName, itemName);
  if (!id) return;
  if (const HMENU menu = Menu(menuName)) DeleteMenu(menu, *id, MF_BYCOMMAND);
}

}  // namespace pavane::win
