#include "forms/form_tree.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
#include <string>

#include "forms/control_traits.h"
#include "forms/form_keys.h"

namespace pavane::forms {
namespace {

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

[[noreturn]] void Fail(const Form& form, const std::string& what) {
  throw std::logic_error("form " + std::string(form.name) + ": " + what);
}

struct Placed {
  std::string_view window;  // the page or panel it lies in; empty: the client area
  Bounds place;             // its place in that window
};

Placed PlaceInWindow(const Form& form, std::size_t index) {
  Placed placed{.place = form.controls[index].bounds};
  for (std::string_view parent = form.controls[index].parent; !parent.empty();) {
    const auto& holder = form.controls[ControlIndex(form, parent)];
    if (TraitsOf(holder.kind).windowForInside) {
      placed.window = holder.name;
      break;
    }
    placed.place.left += holder.bounds.left;
    placed.place.top += holder.bounds.top;
    parent = holder.parent;
  }
  return placed;
}

bool Intersect(const Bounds& a, const Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

void CheckNames(const Form& form) {
  std::set<std::string_view> names;
  auto take = [&](std::string_view name, std::string_view what) {
    if (!names.insert(name).second) Fail(form, "the name " + Quoted(name) + " of a " + std::string(what) + " is taken");
  };
  for (const auto& control : form.controls) {
    if (control.name.empty()) Fail(form, "a control has no name");
    take(control.name, "control");
  }
  for (const auto menu : {form.menu, form.popupMenu}) {
    for (const auto& item : menu) {
      if (!item.name.empty()) take(item.name, "menu item");
    }
  }
  if (!form.popupMenuName.empty()) take(form.popupMenuName, "pop-up menu");
}

void CheckControl(const Form& form, const Control& control, const HandlerTable& handlers) {
  const std::string who = "control " + Quoted(control.name);
  if (!control.parent.empty()) {
    const auto parent = FindControl(form, control.parent);
    if (!parent) Fail(form, who + " names the unknown parent " + Quoted(control.parent));
    const Kind parentKind = form.controls[*parent].kind;
    if ((control.kind == Kind::Page) != (parentKind == Kind::PageControl)) {
      Fail(form, who + ": pages, and only pages, belong to a page control");
    }
    if (!TraitsOf(parentKind).holdsControls)
      Fail(form, who + " lies in " + Quoted(control.parent) + ", which holds no controls");
  } else if (control.kind == Kind::Page) {
    Fail(form, who + ": a page needs a page control");
  }
  if (control.kind == Kind::UpDown) {
    const auto buddy = FindControl(form, control.buddy);
    if (!buddy || form.controls[*buddy].kind != Kind::Edit) Fail(form, who + " needs an edit as its buddy");
  }
  if (!control.focuses.empty() && !FindControl(form, control.focuses)) {
    Fail(form, who + " focuses the unknown control " + Quoted(control.focuses));
  }
  if (!control.dropDownMenu.empty() && control.dropDownMenu != form.popupMenuName) {
    Fail(form, who + " drops down the unknown menu " + Quoted(control.dropDownMenu));
  }
  if ((control.kind == Kind::Painted) == control.widget.empty()) {
    Fail(form, who + ": painted controls, and only they, name a widget");
  }
  for (const auto handler : HandlerNamesOf(control)) {
    if (!handler.empty() && !handlers.Contains(handler)) {
      Fail(form, who + " names the handler " + Quoted(handler) + ", which nobody bound");
    }
  }
}

// Tab goes through the controls of one parent in an order without gaps or
// repeats, from 0.
void CheckTabOrder(const Form& form) {
  std::map<std::string_view, std::vector<int>> orders;
  for (const auto& control : form.controls) {
    if (control.tabOrder >= 0) orders[control.parent].push_back(control.tabOrder);
  }
  for (auto& [parent, list] : orders) {
    std::sort(list.begin(), list.end());
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i] != static_cast<int>(i)) {
        Fail(form, "the tab order inside " + (parent.empty() ? std::string("the form") : Quoted(parent)) +
                       " misses or repeats " + std::to_string(i));
      }
    }
  }
}

// Enter and Esc each press one push button at the most.
void CheckDefaultAndCancel(const Form& form) {
  int defaults = 0;
  int cancels = 0;
  for (const auto& control : form.controls) {
    if ((control.isDefault || control.isCancel) && !TraitsOf(control.kind).pushButton) {
      Fail(form, "control " + Quoted(control.name) + " is no push button for Enter or Esc to press");
    }
    defaults += control.isDefault ? 1 : 0;
    cancels += control.isCancel ? 1 : 0;
  }
  if (defaults > 1) Fail(form, "more than one default button");
  if (cancels > 1) Fail(form, "more than one cancel button");
}

// Every control lies inside its parent, or inside the client area.
void CheckInsideParent(const Form& form, const Control& control) {
  Bounds area{0, 0, form.clientWidth, form.clientHeight};
  if (!control.parent.empty()) area = form.controls[ControlIndex(form, control.parent)].bounds;
  const Bounds& place = control.bounds;
  if (place.left < 0 || place.top < 0 || place.left + place.width > area.width ||
      place.top + place.height > area.height) {
    Fail(form, "control " + Quoted(control.name) + " reaches out of " +
                   (control.parent.empty() ? std::string("the client area") : Quoted(control.parent)));
  }
}

}  // namespace

std::optional<std::size_t> FindControl(const Form& form, std::string_view name) {
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].name == name) return i;
  }
  return std::nullopt;
}

std::size_t ControlIndex(const Form& form, std::string_view name) {
  const auto index = FindControl(form, name);
  if (!index) throw std::logic_error("form " + std::string(form.name) + " has no control " + Quoted(name));
  return *index;
}

std::vector<std::size_t> PagesOf(const Form& form, std::size_t pageControl) {
  std::vector<std::size_t> pages;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].kind == Kind::Page && form.controls[i].parent == form.controls[pageControl].name) {
      pages.push_back(i);
    }
  }
  std::stable_sort(pages.begin(), pages.end(), [&form](std::size_t a, std::size_t b) {
    return form.controls[a].tabOrder < form.controls[b].tabOrder;
  });
  return pages;
}

std::optional<std::size_t> PageOf(const Form& form, std::size_t index) {
  for (std::string_view parent = form.controls[index].parent; !parent.empty();) {
    const std::size_t holder = ControlIndex(form, parent);
    if (form.controls[holder].kind == Kind::Page) return holder;
    parent = form.controls[holder].parent;
  }
  return std::nullopt;
}

bool OverlapsAnother(const Form& form, std::size_t index) {
  const Placed self = PlaceInWindow(form, index);
  for (std::size_t other = 0; other < form.controls.size(); ++other) {
    if (other == index) continue;
    const Placed placed = PlaceInWindow(form, other);
    if (placed.window == self.window && Intersect(placed.place, self.place)) return true;
  }
  return false;
}

std::vector<std::size_t> OrderedChildren(const Form& form, std::string_view parent) {
  std::vector<std::size_t> loose;
  std::vector<std::size_t> ordered;
  std::map<std::string_view, std::size_t> labelFor;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const auto& control = form.controls[i];
    if (control.parent != parent) continue;
    if (control.tabOrder >= 0) {
      ordered.push_back(i);
    } else if (!control.focuses.empty() && form.controls[ControlIndex(form, control.focuses)].parent == parent) {
      labelFor[control.focuses] = i;
    } else {
      loose.push_back(i);
    }
  }
  std::stable_sort(ordered.begin(), ordered.end(), [&form](std::size_t a, std::size_t b) {
    return form.controls[a].tabOrder < form.controls[b].tabOrder;
  });
  std::vector<std::size_t> result = loose;
  for (const auto i : ordered) {
    if (const auto label = labelFor.find(form.controls[i].name); label != labelFor.end()) {
      result.push_back(label->second);
      labelFor.erase(label);
    }
    result.push_back(i);
  }
  for (const auto& [target, label] : labelFor) result.push_back(label);  // targets that are no tab stops
  return result;
}

std::array<std::string_view, 11> HandlerNamesOf(const Control& control) {
  return {control.onClick,    control.onChanging,   control.onEnter,      control.onKeyDown,
          control.onKeyPress, control.onMouseEnter, control.onMouseLeave, control.onMouseDown,
          control.onMouseUp,  control.onDropFiles,  control.onDoubleClick};
}

void CheckForm(const Form& form, const HandlerTable& handlers) {
  CheckNames(form);
  for (const auto& control : form.controls) CheckControl(form, control, handlers);
  for (const auto& control : form.controls) CheckInsideParent(form, control);
  CheckTabOrder(form);
  CheckDefaultAndCancel(form);
  for (const auto menu : {form.menu, form.popupMenu}) {
    for (const auto& item : menu) {
      if (!item.handler.empty() && !handlers.Contains(item.handler)) {
        Fail(form,
             "menu item " + Quoted(item.name) + " names the handler " + Quoted(item.handler) + ", which nobody bound");
      }
      if (!item.shortcut.empty() && !ParseShortcut(item.shortcut)) {
        Fail(form, "menu item " + Quoted(item.name) + " has the unreadable shortcut " + Quoted(item.shortcut));
      }
    }
  }
  if (!form.initialFocus.empty() && !FindControl(form, form.initialFocus)) {
    Fail(form, "the initial focus names the unknown control " + Quoted(form.initialFocus));
  }
  for (const auto handler : {form.onDestroy, form.onDropFiles, form.onPopupMenuOpen}) {
    if (!handler.empty() && !handlers.Contains(handler)) {
      Fail(form, "the form names the handler " + Quoted(handler) + ", which nobody bound");
    }
  }
}

}  // namespace pavane::forms
