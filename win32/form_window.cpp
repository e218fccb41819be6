// FormWindow's public operations on controls found by name, pages and focus.

#include "win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "base/text_rules.h"
#include "forms/control_traits.h"
#include "forms/form_tree.h"
#include "win32/control_kind.h"
#include "win32/form_impl.h"

namespace pavane::win {
namespace {

using forms::Kind;

const ListMessages& ListOf(const ControlWindow& control) {
  const ListMessages* list = control.kind->List();
  if (!list) NoSuchValue(control, "list entries");
  return *list;
}

int Count(const ControlWindow& control) {
  return static_cast<int>(SendMessageA(control.hwnd, ListOf(control).count, 0, 0));
}

void CheckEntry(const ControlWindow& control, int index) {
  if (index < 0 || index >= Count(control)) {
    throw std::out_of_range("list \"" + std::string(control.spec->name) + "\" has no entry " + std::to_string(index));
  }
}

bool IsMultiSelect(const ControlWindow& control) { return control.spec->multiSelect; }

const ControlWindow& UpDownOf(FormWindow::Impl& form, std::string_view name) {
  const auto& control = form.At(name);
  if (control.spec->kind != Kind::UpDown) NoSuchValue(control, "position");
  return control;
}

}  // namespace

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

FormWindow::Impl::~Impl() = default;

int FormWindow::Impl::SelectedPage(std::size_t pageControl) const {
  return static_cast<int>(SendMessageA(controls[pageControl].hwnd, TCM_GETCURSEL, 0, 0));
}

void FormWindow::Impl::ShowSelectedPage(std::size_t pageControl) {
  const auto pages = forms::PagesOf(form, pageControl);
  const int selected = SelectedPage(pageControl);
  if (selected >= 0 && static_cast<std::size_t>(selected) < pages.size()) MakeContents(pages[selected]);
  const HWND focus = GetFocus();
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (static_cast<int>(i) == selected) ShowWindow(controls[pages[i]].hwnd, SW_SHOWNA);
  }
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const HWND page = controls[pages[i]].hwnd;
    if (static_cast<int>(i) == selected) continue;
    const bool focusInside = focus && IsChild(page, focus);
    ShowWindow(page, SW_HIDE);
    if (focusInside) SetFocus(controls[pageControl].hwnd);
  }
}

void FormWindow::Impl::SelectPage(std::size_t pageControl, int page) {
  SendMessageA(controls[pageControl].hwnd, TCM_SETCURSEL, page, 0);
  ShowSelectedPage(pageControl);
}

// Only the checked button of a radio group is a tab stop, so Tab lands on it.
void FormWindow::Impl::MoveRadioTabStop(std::size_t index) {
  const auto& items = controls[index].items;
  std::size_t checked = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (SendMessageA(items[i], BM_GETCHECK, 0, 0) == BST_CHECKED) checked = i;
  }
  for (std::size_t i = 0; i < items.size(); ++i) {
    LONG_PTR style = GetWindowLongPtrA(items[i], GWL_STYLE);
    style = (i == checked) ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(items[i], GWL_STYLE, style);
  }
}

HWND FormWindow::Impl::FocusTarget(std::size_t index) const { return controls[index].kind->FocusTarget(*this, index); }

void FormWindow::Impl::FocusControl(std::size_t index, bool selectText) {
  const auto& control = Made(index);
  if (control.page) {
    const auto pageControl = IndexOf(form.controls[*control.page].parent);
    const auto pages = forms::PagesOf(form, pageControl);
    const auto position = std::find(pages.begin(), pages.end(), *control.page) - pages.begin();
    if (SelectedPage(pageControl) != position) SelectPage(pageControl, static_cast<int>(position));
  }
  const HWND target = FocusTarget(index);
  if (!target) return;
  SetFocus(target);
  char className[16] = {};
  GetClassNameA(target, className, sizeof className);
  if (selectText && lstrcmpiA(className, "Edit") == 0) SendMessageA(target, EM_SETSEL, 0, -1);
}

// ---- the public operations ----

FormWindow::FormWindow(const forms::Form& form, forms::HandlerTable handlers)
    : impl_(std::make_unique<Impl>(form, std::move(handlers))) {}

FormWindow::~FormWindow() {
  if (impl_->hwnd) DestroyWindow(impl_->hwnd);
}

void FormWindow::Bind(std::string_view handlerName, forms::Handler handler) {
  impl_->handlers.Bind(handlerName, std::move(handler));
}

void FormWindow::Create(HWND owner) {
  if (impl_->hwnd) throw std::logic_error("form " + std::string(impl_->form.name) + " is already created");
  impl_->Build(owner);
}

void FormWindow::SetMessageHook(MessageHook hook) { impl_->messageHook = std::move(hook); }

void FormWindow::Show() {
  if (!impl_->hwnd) return;
  ShowWindow(impl_->hwnd, SW_SHOW);
  if (!impl_->shownOnce) {
    impl_->shownOnce = true;
    if (!impl_->form.initialFocus.empty()) {
      impl_->FocusControl(impl_->IndexOf(impl_->form.initialFocus), false);
    } else if (HWND first = GetNextDlgTabItem(impl_->hwnd, nullptr, FALSE)) {
      SetFocus(first);
    }
  }
  UpdateWindow(impl_->hwnd);
}

HWND FormWindow::Handle() const { return impl_->hwnd; }
const forms::Form& FormWindow::Layout() const { return impl_->form; }
HWND FormWindow::Control(std::string_view name) const { return impl_->At(name).hwnd; }
const forms::Control& FormWindow::Spec(std::string_view name) const { return *impl_->At(name).spec; }
PaintedControl* FormWindow::Painted(std::string_view name) const { return impl_->At(name).painted.get(); }

void FormWindow::EndModal(int modalResult) { impl_->EndWith(modalResult); }

void FormWindow::Close() {
  if (impl_->hwnd) PostMessageA(impl_->hwnd, WM_CLOSE, 0, 0);
}

std::string FormWindow::Caption() const { return impl_->hwnd ? WindowText(impl_->hwnd) : std::string(); }

void FormWindow::SetCaption(std::string_view caption) {
  if (impl_->hwnd) SetWindowTextA(impl_->hwnd, std::string(caption).c_str());
}

std::string FormWindow::Text(std::string_view name) const {
  const auto& control = impl_->At(name);
  return control.kind->Text(control);
}

void FormWindow::SetText(std::string_view name, std::string_view text) {
  auto& control = impl_->At(name);
  control.kind->SetText(control, text);
}

bool FormWindow::Checked(std::string_view name) const {
  const auto& control = impl_->At(name);
  return control.kind->Checked(control);
}

void FormWindow::SetChecked(std::string_view name, bool checked) {
  auto& control = impl_->At(name);
  if (control.kind->Checked(control) == checked) return;
  control.kind->SetChecked(control, checked);
  impl_->Raise(control.spec->onClick, impl_->IndexOf(name));
}

int FormWindow::ItemIndex(std::string_view name) const {
  const auto& control = impl_->At(name);
  return control.kind->ItemIndex(control);
}

void FormWindow::SetItemIndex(std::string_view name, int index) {
  auto& control = impl_->At(name);
  control.kind->SetItemIndex(*impl_, control, index);
}

// The system's own reading of a typed number differs between versions, so the rule is ours.
int FormWindow::Position(std::string_view name) const {
  const auto& control = UpDownOf(*impl_, name);
  const auto& spec = *control.spec;
  if (const auto typed = ParseInteger(Text(spec.buddy))) return std::clamp<int>(*typed, spec.rangeMin, spec.rangeMax);
  BOOL failed = FALSE;
  return static_cast<int>(SendMessageA(control.hwnd, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
}

void FormWindow::SetPosition(std::string_view name, int position) {
  SendMessageA(UpDownOf(*impl_, name).hwnd, UDM_SETPOS32, 0, position);
}

bool FormWindow::FormEnabled() const { return IsWindowEnabled(Handle()) != FALSE; }

void FormWindow::SetFormEnabled(bool enabled) { EnableWindow(Handle(), enabled); }

void FormWindow::Repaint(std::string_view name) {
  const HWND control = Control(name);
  if (!control) return;
  InvalidateRect(control, nullptr, TRUE);
  UpdateWindow(control);
}

bool FormWindow::Enabled(std::string_view name) const {
  const auto& control = impl_->At(name);
  return control.kind->Enabled(control);
}

void FormWindow::SetEnabled(std::string_view name, bool enabled) {
  auto& control = impl_->At(name);
  control.kind->SetEnabled(control, enabled);
}

void FormWindow::SetDefaultButton(std::string_view name) {
  const auto index = impl_->IndexOf(name);
  if (!forms::TraitsOf(impl_->controls[index].spec->kind).pushButton) {
    NoSuchValue(impl_->controls[index], "default frame");
  }
  impl_->defaultButton = index;
  const auto focused = impl_->IndexOfWindow(GetFocus());
  const bool pushButton = focused && forms::TraitsOf(impl_->controls[*focused].spec->kind).pushButton;
  impl_->MoveDefaultFrame(pushButton ? focused : std::nullopt);
}

void FormWindow::Focus(std::string_view name) { impl_->FocusControl(impl_->IndexOf(name), false); }

std::string FormWindow::FocusedControl() const {
  const auto index = impl_->IndexOfWindow(GetFocus());
  return index ? std::string(impl_->form.controls[*index].name) : std::string();
}

void FormWindow::ShowPage(std::string_view pageName) {
  const auto page = impl_->IndexOf(pageName);
  if (impl_->form.controls[page].kind != Kind::Page) throw std::logic_error(std::string(pageName) + " is no page");
  const auto pageControl = impl_->IndexOf(impl_->form.controls[page].parent);
  const auto pages = forms::PagesOf(impl_->form, pageControl);
  impl_->SelectPage(pageControl, static_cast<int>(std::find(pages.begin(), pages.end(), page) - pages.begin()));
}

int FormWindow::ItemCount(std::string_view list) const { return Count(impl_->At(list)); }

std::string FormWindow::ItemText(std::string_view list, int index) const {
  const auto& control = impl_->At(list);
  CheckEntry(control, index);
  const ListMessages& messages = ListOf(control);
  const auto length = SendMessageA(control.hwnd, messages.textLength, index, 0);
  std::string text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
  const auto copied = SendMessageA(control.hwnd, messages.text, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  return text;
}

void FormWindow::AddItem(std::string_view list, std::string_view text) {
  const auto& control = impl_->At(list);
  SendMessageA(control.hwnd, ListOf(control).add, 0, reinterpret_cast<LPARAM>(std::string(text).c_str()));
}

void FormWindow::RemoveItem(std::string_view list, int index) {
  const auto& control = impl_->At(list);
  CheckEntry(control, index);
  SendMessageA(control.hwnd, ListOf(control).remove, index, 0);
}

void FormWindow::MoveItem(std::string_view list, int from, int to) {
  const auto& control = impl_->At(list);
  CheckEntry(control, from);
  CheckEntry(control, to);
  if (from == to) return;
  const bool selected = ItemSelected(list, from);
  const std::string text = ItemText(list, from);
  const ListMessages& messages = ListOf(control);
  SendMessageA(control.hwnd, messages.remove, from, 0);
  SendMessageA(control.hwnd, messages.insert, to, reinterpret_cast<LPARAM>(text.c_str()));
  if (selected) SetItemSelected(list, to, true);
}

void FormWindow::ClearItems(std::string_view list) {
  const auto& control = impl_->At(list);
  SendMessageA(control.hwnd, ListOf(control).reset, 0, 0);
}

bool FormWindow::ItemSelected(std::string_view list, int index) const {
  const auto& control = impl_->At(list);
  CheckEntry(control, index);
  if (IsMultiSelect(control)) return SendMessageA(control.hwnd, LB_GETSEL, index, 0) > 0;
  return SendMessageA(control.hwnd, ListOf(control).getCurrent, 0, 0) == index;
}

void FormWindow::SetItemSelected(std::string_view list, int index, bool selected) {
  const auto& control = impl_->At(list);
  CheckEntry(control, index);
  if (IsMultiSelect(control)) {
    SendMessageA(control.hwnd, LB_SETSEL, selected, index);
  } else if (selected || ItemSelected(list, index)) {
    SendMessageA(control.hwnd, ListOf(control).setCurrent, selected ? index : -1, 0);
  }
}

int FormWindow::FocusedItem(std::string_view list) const {
  const auto& control = impl_->At(list);
  if (Count(control) <= 0) return -1;
  if (IsMultiSelect(control)) return static_cast<int>(SendMessageA(control.hwnd, LB_GETCARETINDEX, 0, 0));
  return static_cast<int>(SendMessageA(control.hwnd, ListOf(control).getCurrent, 0, 0));
}

void FormWindow::SetFocusedItem(std::string_view list, int index) {
  const auto& control = impl_->At(list);
  CheckEntry(control, index);
  if (IsMultiSelect(control)) {
    SendMessageA(control.hwnd, LB_SETCARETINDEX, index, FALSE);
  } else {
    SendMessageA(control.hwnd, ListOf(control).setCurrent, index, 0);
  }
}

void FormWindow::StartTimer(unsigned id, unsigned milliseconds, std::function<void()> tick) {
  impl_->timers[id] = std::move(tick);
  if (impl_->hwnd) SetTimer(impl_->hwnd, id, milliseconds, nullptr);
}

void FormWindow::StopTimer(unsigned id) {
  if (impl_->hwnd) KillTimer(impl_->hwnd, id);
  impl_->timers.erase(id);
}

std::unique_ptr<forms::FormView> Win32FormHost::CreateForm(const forms::Form& layout, forms::HandlerTable handlers,
                                                           forms::FormView* owner) {
  auto window = std::make_unique<FormWindow>(layout, std::move(handlers));
  window->Create(WindowOf(owner));
  return window;
}

HWND WindowOf(const forms::FormView* form) {
  if (!form) return nullptr;
  const auto* window = dynamic_cast<const FormWindow*>(form);
  if (!window) throw std::logic_error("a form of another host owns a real window");
  return window->Handle();
}

}  // namespace pavane::win
