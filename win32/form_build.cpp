// Turns a declared form into real windows: validation, z-order (= tab order),
// one window per control, menus and the accelerator table.

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "forms/form_keys.h"
#include "forms/radio_layout.h"
#include "win32/form_impl.h"

namespace pavane::win {
namespace {

using forms::Kind;

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

[[noreturn]] void Fail(const forms::Form& form, const std::string& what) {
  throw std::logic_error("form " + std::string(form.name) + ": " + what);
}

// Real windows that other controls live in; group boxes and radio groups are
// not: their contents are their siblings, so WM_COMMAND reaches the container.
bool IsContainer(Kind kind) { return kind == Kind::Page || kind == Kind::Panel; }

bool IsTabStop(Kind kind) {
  switch (kind) {
    case Kind::Edit:
    case Kind::ReadOnlyEdit:
    case Kind::Button:
    case Kind::CheckBox:
    case Kind::DropDownList:
    case Kind::OwnerDrawList:
    case Kind::ListBox:
    case Kind::PageControl:
      return true;
    default:
      return false;
  }
}

std::string ToString(std::string_view text) { return std::string(text); }

}  // namespace

// Everything a table can get wrong is reported before any window exists.
void FormWindow::Impl::Validate() const {
  std::set<std::string_view> names;
  for (const auto& control : form.controls) {
    if (control.name.empty()) Fail(form, "a control has no name");
    if (!names.insert(control.name).second) Fail(form, "two controls are named " + Quoted(control.name));
  }
  if (form.controls.size() >= kMaxControls) Fail(form, "too many controls");
  for (const auto& item : form.menu) {
    if (!item.name.empty() && !names.insert(item.name).second)
      Fail(form, "the name " + Quoted(item.name) + " is taken");
  }
  for (const auto& item : form.popupMenu) {
    if (!item.name.empty() && !names.insert(item.name).second)
      Fail(form, "the name " + Quoted(item.name) + " is taken");
  }

  auto find = [this](std::string_view name) { return FindIndex(name); };
  for (const auto& control : form.controls) {
    const std::string who = "control " + Quoted(control.name);
    if (!control.parent.empty()) {
      const auto parent = find(control.parent);
      if (!parent) Fail(form, who + " names the unknown parent " + Quoted(control.parent));
      const Kind parentKind = form.controls[*parent].kind;
      if ((control.kind == Kind::Page) != (parentKind == Kind::PageControl)) {
        Fail(form, who + ": pages, and only pages, belong to a page control");
      }
      if (parentKind != Kind::Page && parentKind != Kind::Panel && parentKind != Kind::GroupBox &&
          parentKind != Kind::RadioGroup && parentKind != Kind::PageControl) {
        Fail(form, who + " lies in " + Quoted(control.parent) + ", which holds no controls");
      }
    } else if (control.kind == Kind::Page) {
      Fail(form, who + ": a page needs a page control");
    }
    if (control.kind == Kind::UpDown) {
      const auto buddy = find(control.buddy);
      if (!buddy || form.controls[*buddy].kind != Kind::Edit) Fail(form, who + " needs an edit as its buddy");
    }
    if (!control.focuses.empty() && !find(control.focuses)) {
      Fail(form, who + " focuses the unknown control " + Quoted(control.focuses));
    }
    if (control.kind == Kind::RadioGroup && control.items.size() > static_cast<std::size_t>(kMaxRadioItems)) {
      Fail(form, who + " has too many items");
    }
    if (!control.dropDownMenu.empty() && control.dropDownMenu != form.popupMenuName) {
      Fail(form, who + " drops down the unknown menu " + Quoted(control.dropDownMenu));
    }
    for (const auto handler : {control.onClick, control.onChanging}) {
      if (!handler.empty() && !handlers.contains(handler)) {
        Fail(form, who + " names the handler " + Quoted(handler) + ", which nobody bound");
      }
    }
  }
  for (const auto menu : {form.menu, form.popupMenu}) {
    for (const auto& item : menu) {
      if (!item.handler.empty() && !menuHandlers.contains(item.handler)) {
        Fail(form,
             "menu item " + Quoted(item.name) + " names the handler " + Quoted(item.handler) + ", which nobody bound");
      }
      if (!item.shortcut.empty() && !forms::ParseShortcut(item.shortcut)) {
        Fail(form, "menu item " + Quoted(item.name) + " has the unreadable shortcut " + Quoted(item.shortcut));
      }
    }
  }
  if (!form.initialFocus.empty() && !find(form.initialFocus)) {
    Fail(form, "the initial focus names the unknown control " + Quoted(form.initialFocus));
  }
}

// The children of one declared parent in z-order, which is the tab order:
// controls without a tab order first (pictures, bevels), then the others by
// tab order, each label that focuses a control directly before it so that the
// system's own mnemonic handling agrees with ours.
std::vector<std::size_t> FormWindow::Impl::OrderedChildren(std::string_view parent) const {
  std::vector<std::size_t> loose;
  std::vector<std::size_t> ordered;
  std::map<std::string_view, std::size_t> labelFor;
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const auto& control = form.controls[i];
    if (control.parent != parent) continue;
    if (control.tabOrder >= 0) {
      ordered.push_back(i);
    } else if (!control.focuses.empty() && form.controls[IndexOf(control.focuses)].parent == parent) {
      labelFor[control.focuses] = i;
    } else {
      loose.push_back(i);
    }
  }
  std::stable_sort(ordered.begin(), ordered.end(), [this](std::size_t a, std::size_t b) {
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

void FormWindow::Impl::CreateChildren(std::string_view parent, HWND container, POINT offset,
                                      std::optional<std::size_t> page) {
  for (const auto index : OrderedChildren(parent)) {
    const auto& spec = form.controls[index];
    CreateControl(index, container, offset, page);
    const POINT inner{offset.x + spec.bounds.left, offset.y + spec.bounds.top};
    switch (spec.kind) {
      case Kind::GroupBox:
      case Kind::RadioGroup:
        CreateChildren(spec.name, container, inner, page);
        break;
      case Kind::Panel:
        CreateChildren(spec.name, controls[index].hwnd, POINT{0, 0}, page);
        break;
      case Kind::PageControl: {
        // The pages are siblings of the tab control directly after it, so Tab
        // goes from the tabs into the visible page.
        const auto pages = PagesOf(index);
        for (const auto pageIndex : pages) {
          CreateControl(pageIndex, container, inner, page);
          CreateChildren(form.controls[pageIndex].name, controls[pageIndex].hwnd, POINT{0, 0}, pageIndex);
        }
        // The tab control must never paint over its pages: its window region
        // leaves out the page area.
        if (!pages.empty()) {
          const auto& pageBounds = form.controls[pages.front()].bounds;
          UniqueGdiObject whole(CreateRectRgn(0, 0, spec.bounds.width, spec.bounds.height));
          UniqueGdiObject hole(CreateRectRgn(pageBounds.left, pageBounds.top, pageBounds.left + pageBounds.width,
                                             pageBounds.top + pageBounds.height));
          HRGN region = CreateRectRgn(0, 0, 0, 0);
          CombineRgn(region, static_cast<HRGN>(whole.Get()), static_cast<HRGN>(hole.Get()), RGN_DIFF);
          if (!SetWindowRgn(controls[index].hwnd, region, FALSE)) DeleteObject(region);
        }
        ShowSelectedPage(index);
        break;
      }
      default:
        break;
    }
  }
}

void FormWindow::Impl::CreateControl(std::size_t index, HWND container, POINT offset, std::optional<std::size_t> page) {
  const auto& spec = form.controls[index];
  auto& control = controls[index];
  control.container = container;
  control.page = page;
  creationOrder.push_back(index);

  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const int id = kControlIdBase + static_cast<int>(index);
  int x = offset.x + spec.bounds.left;
  int y = offset.y + spec.bounds.top;
  int width = spec.bounds.width;
  int height = spec.bounds.height;
  const std::string caption = ToString(spec.caption);
  const char* windowClass = "STATIC";
  DWORD style = WS_CHILD | WS_VISIBLE;
  DWORD exStyle = 0;
  if (IsTabStop(spec.kind)) style |= WS_TABSTOP;
  if (!spec.enabled) style |= WS_DISABLED;
  if (spec.kind != Kind::Label && spec.kind != Kind::Picture && spec.kind != Kind::Bevel) style |= WS_GROUP;

  switch (spec.kind) {
    case Kind::Label:
      style |= spec.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
      break;
    case Kind::Edit:
      windowClass = "EDIT";
      style |= ES_LEFT | ES_AUTOHSCROLL;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::ReadOnlyEdit:
      windowClass = "EDIT";
      style |= ES_LEFT | ES_AUTOHSCROLL | ES_READONLY;
      break;
    case Kind::Button:
      windowClass = "BUTTON";
      // BS_NOTIFY: focus changes move the default frame (see MoveDefaultFrame).
      if (spec.resource) {
        // A button with a picture beside its caption draws itself.
        style |= BS_OWNERDRAW | BS_NOTIFY;
        control.glyph.Reset(LoadImageA(instance, MAKEINTRESOURCEA(spec.resource), IMAGE_BITMAP, 0, 0, 0));
      } else {
        style |= (spec.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY;
      }
      break;
    case Kind::ToolButton:
      windowClass = "BUTTON";
      style |= BS_PUSHBUTTON | BS_MULTILINE;
      break;
    case Kind::CheckBox:
      windowClass = "BUTTON";
      style |= BS_AUTOCHECKBOX;
      break;
    case Kind::GroupBox:
    case Kind::RadioGroup:
      windowClass = "BUTTON";
      style |= BS_GROUPBOX;
      break;
    case Kind::DropDownList:
    case Kind::OwnerDrawList: {
      windowClass = "COMBOBOX";
      style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      if (spec.kind == Kind::OwnerDrawList) style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      // The height given at creation is the dropped-down height: room for up
      // to eight rows and the borders; the list shrinks to fewer rows itself.
      const int rows = std::clamp(static_cast<int>(spec.items.size()), 1, 8);
      height += (rows + 1) * (spec.itemHeight > 0 ? spec.itemHeight : 13) + 4;
      break;
    }
    case Kind::ListBox:
      windowClass = "LISTBOX";
      style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Kind::UpDown:
      windowClass = UPDOWN_CLASSA;
      style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
      break;
    case Kind::Picture:
      style |= (FindResourceA(instance, MAKEINTRESOURCEA(spec.resource), MAKEINTRESOURCEA(14)) ? SS_ICON : SS_BITMAP) |
               SS_REALSIZECONTROL;
      break;
    case Kind::Bevel:
      style |= spec.bounds.height <= 2 ? SS_ETCHEDHORZ : (spec.bounds.width <= 2 ? SS_ETCHEDVERT : SS_ETCHEDFRAME);
      break;
    case Kind::Panel:
    case Kind::Page:
      // No WS_CLIPCHILDREN here or on the form: group boxes do not paint their
      // inside, so their container must erase under them.
      windowClass = kContainerClass;
      exStyle |= WS_EX_CONTROLPARENT;
      if (spec.kind == Kind::Page) style &= ~WS_VISIBLE;
      break;
    case Kind::PageControl:
      windowClass = WC_TABCONTROLA;
      style |= WS_CLIPSIBLINGS;
      break;
  }

  const bool hasText = spec.kind != Kind::Picture && spec.kind != Kind::Bevel && spec.kind != Kind::PageControl &&
                       spec.kind != Kind::DropDownList && spec.kind != Kind::OwnerDrawList;
  control.hwnd = CreateWindowExA(exStyle, windowClass, hasText ? caption.c_str() : "", style, x, y, width, height,
                                 container, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                 IsContainer(spec.kind) ? this : nullptr);
  if (!control.hwnd) {
    throw std::runtime_error("could not create the control " + Quoted(spec.name) + " of " + ToString(form.name));
  }
  HFONT controlFont = static_cast<HFONT>((spec.bold ? boldFont : font).Get());
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), FALSE);
  if (spec.kind == Kind::Label && !spec.wordWrap) FitLabelToText(control.hwnd);

  switch (spec.kind) {
    case Kind::CheckBox:
      if (spec.checked) SendMessageA(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
      break;
    case Kind::RadioGroup: {
      for (std::size_t item = 0; item < spec.items.size(); ++item) {
        const auto box = forms::RadioItemBounds(spec.bounds, static_cast<int>(spec.items.size()), spec.columns,
                                                kFontCharHeight, static_cast<int>(item));
        const std::string text = ToString(spec.items[item]);
        DWORD itemStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
        if (item == 0) itemStyle |= WS_GROUP | WS_TABSTOP;
        HWND button = CreateWindowExA(
            0, "BUTTON", text.c_str(), itemStyle, x + box.left, y + box.top, box.width, box.height, container,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kRadioIdBase + index * kMaxRadioItems + item)), instance,
            nullptr);
        if (!button) throw std::runtime_error("could not create the items of " + Quoted(spec.name));
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(controlFont), FALSE);
        control.items.push_back(button);
      }
      if (spec.selected >= 0 && spec.selected < static_cast<int>(control.items.size())) {
        SendMessageA(control.items[spec.selected], BM_SETCHECK, BST_CHECKED, 0);
      }
      MoveRadioTabStop(index);
      break;
    }
    case Kind::DropDownList:
    case Kind::OwnerDrawList:
      for (const auto item : spec.items) SendMessageA(control.hwnd, CB_ADDSTRING, 0, (LPARAM)ToString(item).c_str());
      // A plain list's rows follow its font; only owner-drawn rows take the table's height.
      if (spec.kind == Kind::OwnerDrawList && spec.itemHeight > 0) {
        SendMessageA(control.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), spec.itemHeight);
        SendMessageA(control.hwnd, CB_SETITEMHEIGHT, 0, spec.itemHeight);
      }
      SendMessageA(control.hwnd, CB_SETCURSEL, static_cast<WPARAM>(spec.selected), 0);
      break;
    case Kind::ListBox:
      for (const auto item : spec.items) SendMessageA(control.hwnd, LB_ADDSTRING, 0, (LPARAM)ToString(item).c_str());
      if (spec.itemHeight > 0) SendMessageA(control.hwnd, LB_SETITEMHEIGHT, 0, spec.itemHeight);
      if (spec.selected >= 0) SendMessageA(control.hwnd, LB_SETCURSEL, spec.selected, 0);
      break;
    case Kind::Picture:
      LoadPicture(control);
      break;
    case Kind::Bevel:
      // The static control widens an etched line by its border; the table's size wins.
      SetWindowPos(control.hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Kind::PageControl: {
      int page = 0;
      for (const auto pageIndex : PagesOf(index)) {
        std::string text = ToString(form.controls[pageIndex].caption);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageA(control.hwnd, TCM_INSERTITEMA, page++, reinterpret_cast<LPARAM>(&item));
      }
      SendMessageA(control.hwnd, TCM_SETCURSEL, 0, 0);
      break;
    }
    default:
      break;
  }
}

// Shows the icon or bitmap resource of a picture; a missing resource shows nothing.
void FormWindow::Impl::LoadPicture(ControlWindow& control) {
  const auto& spec = *control.spec;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (spec.resource == 0) return;
  if (FindResourceA(instance, MAKEINTRESOURCEA(spec.resource), MAKEINTRESOURCEA(14))) {  // RT_GROUP_ICON
    HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(spec.resource), IMAGE_ICON, spec.bounds.width,
                             spec.bounds.height, LR_DEFAULTCOLOR);
    if (!icon) return;
    icons.emplace_back(static_cast<HICON>(icon));
    SendMessageA(control.hwnd, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  } else if (FindResourceA(instance, MAKEINTRESOURCEA(spec.resource), MAKEINTRESOURCEA(2))) {  // RT_BITMAP
    HANDLE bitmap = LoadImageA(instance, MAKEINTRESOURCEA(spec.resource), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR);
    if (!bitmap) return;
    bitmaps.emplace_back(bitmap);
    SendMessageA(control.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  }
}

// Menus from a table: an item of level L+1 belongs to the item of level L
// above it. Shortcuts are shown after a tab.
HMENU FormWindow::Impl::BuildMenu(std::span<const forms::MenuItem> items, int idBase, bool bar) {
  UniqueMenu root(bar ? CreateMenu() : CreatePopupMenu());
  if (!root) throw std::runtime_error("could not create a menu");
  std::vector<HMENU> stack{root.Get()};
  const int baseLevel = items.empty() ? 0 : items.front().level;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto& item = items[i];
    const std::size_t depth = static_cast<std::size_t>(std::max(item.level - baseLevel, 0)) + 1;
    if (depth > stack.size()) Fail(form, "menu item " + Quoted(item.name) + " skips a level");
    stack.resize(depth);
    const bool hasChildren = i + 1 < items.size() && items[i + 1].level > item.level;
    if (item.caption == "-") {
      AppendMenuA(stack.back(), MF_SEPARATOR, 0, nullptr);
    } else if (hasChildren) {
      HMENU sub = CreatePopupMenu();
      AppendMenuA(stack.back(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), ToString(item.caption).c_str());
      menusByName[item.name] = sub;
      stack.push_back(sub);
    } else {
      std::string text = ToString(item.caption);
      if (!item.shortcut.empty()) text += "\t" + ToString(item.shortcut);
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

void FormWindow::Impl::Build(HWND ownerWindow) {
  Validate();
  controls.clear();
  controls.resize(form.controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) controls[i].spec = &form.controls[i];
  creationOrder.clear();
  owner = ownerWindow;

  const std::string className = ToString(form.className.empty() ? std::string_view("PavaneForm") : form.className);
  RegisterWindowClasses(className);

  font.Reset(CreateFontA(-kFontCharHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
  boldFont.Reset(CreateFontA(-kFontCharHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                             "MS Sans Serif"));

  DWORD style = WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (form.frame == forms::Frame::Single) {
    style |= WS_OVERLAPPED | WS_MINIMIZEBOX;
  } else {
    style |= WS_POPUP;
    exStyle |= WS_EX_DLGMODALFRAME;
  }

  UniqueMenu bar;
  if (!form.menu.empty()) bar.Reset(BuildMenu(form.menu, kMenuIdBase, true));
  if (!form.popupMenu.empty()) {
    popup.Reset(BuildMenu(form.popupMenu, kPopupIdBase, false));
    menusByName[form.popupMenuName] = popup.Get();
  }

  RECT frame{0, 0, form.clientWidth, form.clientHeight};
  AdjustWindowRectEx(&frame, style, bar ? TRUE : FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  const std::string caption = ToString(form.caption);
  const HWND window = CreateWindowExA(exStyle, className.c_str(), caption.c_str(), style, x, y, width, height,
                                      ownerWindow, bar.Get(), GetModuleHandleA(nullptr), this);
  if (!window) throw std::runtime_error("could not create the window " + ToString(form.name));
  bar.Release();  // the window owns its menu bar now; FormProc has set `hwnd` to `window`

  try {
    // A menu bar that wraps takes more room than AdjustWindowRectEx assumed.
    RECT client;
    GetClientRect(hwnd, &client);
    const int dx = form.clientWidth - (client.right - client.left);
    const int dy = form.clientHeight - (client.bottom - client.top);
    if (dx != 0 || dy != 0) {
      SetWindowPos(hwnd, nullptr, x - dx / 2, y - dy / 2, width + dx, height + dy, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    if (form.icon != 0) {
      const HINSTANCE instance = GetModuleHandleA(nullptr);
      for (const auto& [size, kind] : {std::pair{SM_CXICON, ICON_BIG}, std::pair{SM_CXSMICON, ICON_SMALL}}) {
        const int pixels = GetSystemMetrics(size);
        HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(form.icon), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR);
        if (!icon) continue;
        icons.emplace_back(static_cast<HICON>(icon));
        SendMessageA(hwnd, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
      }
    }

    CreateChildren({}, hwnd, POINT{0, 0}, std::nullopt);
    for (auto& control : controls) {
      if (control.spec->kind != Kind::UpDown) continue;
      SendMessageA(control.hwnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(controls[IndexOf(control.spec->buddy)].hwnd),
                   0);
      SendMessageA(control.hwnd, UDM_SETRANGE32, control.spec->rangeMin, control.spec->rangeMax);
      SendMessageA(control.hwnd, UDM_SETPOS32, 0, control.spec->position);
      // The up-down takes a default width of its own; the table's place and size win.
      SetWindowPos(control.hwnd, nullptr, 0, 0, control.spec->bounds.width, control.spec->bounds.height,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    BuildAccelerators();
    // The Delphi forms this program copies always underline their accelerator letters.
    SendMessageA(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
  } catch (...) {
    DestroyWindow(hwnd);
    throw;
  }
}

}  // namespace pavane::win
