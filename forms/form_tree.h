#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "forms/form_spec.h"
#include "forms/form_view.h"

namespace pavane::forms {

// Rules over a declared form that every implementation of it shares.

std::optional<std::size_t> FindControl(const Form& form, std::string_view name);
// As FindControl; a name the table does not hold fails with std::logic_error.
std::size_t ControlIndex(const Form& form, std::string_view name);

// The pages of a page control, in the order of their tabs.
std::vector<std::size_t> PagesOf(const Form& form, std::size_t pageControl);

// The page a control lies on, however deep inside it; none for a control
// outside every page (a page itself lies in its page control).
std::optional<std::size_t> PageOf(const Form& form, std::size_t index);

// Whether another control lying in the same window (the client area, a page
// or a panel) covers any part of the control's declared place. A control
// that lies over nothing can be painted by that window instead of being a
// window of its own.
bool OverlapsAnother(const Form& form, std::size_t index);

// The children of one declared parent in z-order, which is the tab order:
// controls without a tab order first (pictures, bevels), then the others by
// tab order, each label that focuses a control directly before it.
std::vector<std::size_t> OrderedChildren(const Form& form, std::string_view parent);

// Every handler name a control names, empty ones included.
std::array<std::string_view, 11> HandlerNamesOf(const Control& control);

// Everything a table can get wrong, reported as std::logic_error naming the
// form and the control: names missing or taken twice, unknown parents,
// buddies, focus targets and menus, unreadable shortcuts, and handler names
// that `handlers` does not bind.
void CheckForm(const Form& form, const HandlerTable& handlers);

}  // namespace pavane::forms
