// Turns a declared form into real windows: the checks of the table, z-order
// (= tab order), one window per control, fonts and icons.

#include <windows.h>

#include <commctrl.h>

#include <stdexcept>

#include "forms/control_traits.h"
#include "forms/form_tree.h"
#include "win32/control_kind.h"
#include "win32/form_impl.h"

namespace pavane::win {
namespace {

using forms::Kind;

// What the engine itself cannot take, beside what every table must get right.
void CheckLimits(const forms::Form& form) {
  auto fail = [&form](const std::string& what) {
    throw std::logic_error("form " + std::string(form.name) + ": " + what);
  };
  if (form.controls.size() >= kMaxControls) fail("too many controls");
  for (const auto& control : form.controls) {
    if (control.kind == Kind::RadioGroup && control.items.size() > static_cast<std::size_t>(kMaxRadioItems)) {
      fail("control \"" + std::string(control.name) + "\" has too many items");
    }
    if (control.kind == Kind::Painted && !IsWidgetRegistered(control.widget)) {
      fail("control \"" + std::string(control.name) + "\" is drawn by the unknown widget \"" +
           std::string(control.widget) + "\"");
    }
  }
}

int SystemDpi() {
  WindowDC screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : forms::DpiScale::kDesignDpi;
}

UniqueFont FormFont(int charHeight, int weight) {
  return UniqueFont(CreateFontA(-charHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
}

}  // namespace

void FormWindow::Impl::CreateChildren(std::string_view parent, HWND container, POINT offset) {
  for (const auto index : forms::OrderedChildren(form, parent)) {
    CreateControl(index, container, offset);
    const auto& bounds = form.controls[index].bounds;
    controls[index].kind->CreateContents(*this, index, POINT{offset.x + bounds.left, offset.y + bounds.top});
  }
}

void FormWindow::Impl::CreateControl(std::size_t index, HWND container, POINT offset) {
  const auto& spec = form.controls[index];
  auto& control = controls[index];
  const ControlKind& kind = *control.kind;
  control.container = container;
  control.layout = forms::Bounds{.left = offset.x + spec.bounds.left,
                                 .top = offset.y + spec.bounds.top,
                                 .width = spec.bounds.width,
                                 .height = spec.bounds.height};
  const forms::Bounds place = scale(control.layout);
  control.bounds = RECT{place.left, place.top, place.left + place.width, place.top + place.height};
  creationOrder.push_back(index);
  if (MakePainted(index)) return;

  WindowParams params = kind.Params(spec);
  DWORD style = WS_CHILD | params.style;
  if (!params.hidden) style |= WS_VISIBLE;
  const forms::KindTraits& traits = forms::TraitsOf(spec.kind);
  if (traits.tabStop == forms::TabStop::Itself) style |= WS_TABSTOP;
  if (!spec.enabled) style |= WS_DISABLED;
  if (traits.startsGroup) style |= WS_GROUP;
  const std::string caption(traits.hasText ? spec.caption : std::string_view());
  const SIZE size = kind.WindowSize(*this, control);
  control.hwnd = CreateWindowExA(params.exStyle, params.windowClass, caption.c_str(), style, place.left, place.top,
                                 size.cx, size.cy + scale(params.extraHeight), container,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + index)),
                                 GetModuleHandleA(nullptr), traits.windowForInside ? this : nullptr);
  if (!control.hwnd) {
    throw std::runtime_error("could not create the control \"" + std::string(spec.name) + "\" of " +
                             std::string(form.name));
  }
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(spec)), FALSE);
  kind.Setup(*this, control);
}

void FormWindow::Impl::LinkMadeSince(std::size_t first) {
  // A copy: linking may make another page, which links its own controls.
  const std::vector<std::size_t> made(creationOrder.begin() + static_cast<std::ptrdiff_t>(first), creationOrder.end());
  for (const auto index : made) controls[index].kind->Link(*this, controls[index]);
}

void FormWindow::Impl::DeferContents(std::size_t page) { controls[page].contentsDeferred = true; }

void FormWindow::Impl::MakeContents(std::size_t page) {
  auto& control = controls[page];
  if (control.page) MakeContents(*control.page);  // a page on a page lies in its page's window
  if (!control.contentsDeferred) return;
  control.contentsDeferred = false;
  const std::size_t first = creationOrder.size();
  CreateChildren(control.spec->name, control.hwnd, POINT{0, 0});
  LinkMadeSince(first);
  // The new controls underline their accelerator letters as the rest of the form does.
  SendMessageA(control.hwnd, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
}

// Shows the icon or bitmap resource of a picture; a missing resource shows
// nothing. The picture keeps its own size, centred in its scaled place: a
// stretched icon or bitmap only turns blurred or blocky. A bitmap that other
// controls point into fills its scaled place, so they still meet what they
// point at.
void FormWindow::Impl::LoadPicture(ControlWindow& control) {
  const auto& spec = *control.spec;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (spec.resource == 0) return;
  const RECT& place = control.bounds;
  SIZE size{spec.bounds.width, spec.bounds.height};  // an icon is loaded at its declared size
  if (FindResourceA(instance, MAKEINTRESOURCEA(spec.resource), MAKEINTRESOURCEA(14))) {  // RT_GROUP_ICON
    HANDLE icon = LoadImageA(instance, MAKEINTRESOURCEA(spec.resource), IMAGE_ICON, size.cx, size.cy, LR_DEFAULTCOLOR);
    if (!icon) return;
    icons.emplace_back(static_cast<HICON>(icon));
    SendMessageA(control.hwnd, STM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
  } else if (FindResourceA(instance, MAKEINTRESOURCEA(spec.resource), MAKEINTRESOURCEA(2))) {  // RT_BITMAP
    const SIZE loaded = spec.scalePicture ? SIZE{place.right - place.left, place.bottom - place.top} : SIZE{0, 0};
    HANDLE bitmap =
        LoadImageA(instance, MAKEINTRESOURCEA(spec.resource), IMAGE_BITMAP, loaded.cx, loaded.cy, LR_DEFAULTCOLOR);
    if (!bitmap) return;
    bitmaps.emplace_back(static_cast<HBITMAP>(bitmap));
    SendMessageA(control.hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    BITMAP picture{};
    if (GetObjectA(bitmap, sizeof picture, &picture)) size = SIZE{picture.bmWidth, picture.bmHeight};
  } else {
    return;
  }
  SetWindowPos(control.hwnd, nullptr, (place.left + place.right - size.cx) / 2,
               (place.top + place.bottom - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::Impl::Build(HWND ownerWindow) {
  forms::CheckForm(form, handlers);
  CheckLimits(form);
  controls.clear();
  controls.resize(form.controls.size());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    controls[i].spec = &form.controls[i];
    controls[i].kind = &KindOf(form.controls[i].kind);
    controls[i].page = forms::PageOf(form, i);
    if (form.controls[i].isDefault) defaultButton = i;
  }
  creationOrder.clear();
  owner = ownerWindow;

  const std::string className(form.className.empty() ? std::string_view("PavaneForm") : form.className);
  RegisterWindowClasses(className);
  scale.dpi = SystemDpi();
  font = FormFont(scale(kFontCharHeight), FW_NORMAL);
  boldFont = FormFont(scale(kFontCharHeight), FW_BOLD);

  DWORD style = WS_CAPTION | WS_SYSMENU;
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (form.frame == forms::Frame::Single) {
    style |= WS_OVERLAPPED | WS_MINIMIZEBOX;
  } else if (form.frame == forms::Frame::Sizeable) {
    style |= WS_OVERLAPPEDWINDOW;
  } else {
    style |= WS_POPUP;
    exStyle |= WS_EX_DLGMODALFRAME;
  }
  if (TakesDrops()) exStyle |= WS_EX_ACCEPTFILES;  // what DragAcceptFiles sets, without loading the shell

  UniqueMenu bar;
  if (!form.menu.empty()) bar.Reset(BuildMenu(form.menu, kMenuIdBase, true));
  if (!form.popupMenu.empty()) {
    popup.Reset(BuildMenu(form.popupMenu, kPopupIdBase, false));
    menusByName[std::string(form.popupMenuName)] = popup.Get();
  }

  const int clientWidth = scale(form.clientWidth);
  const int clientHeight = scale(form.clientHeight);
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, bar ? TRUE : FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;

  const std::string caption(form.caption);
  const HWND window = CreateWindowExA(exStyle, className.c_str(), caption.c_str(), style, x, y, width, height,
                                      ownerWindow, bar.Get(), GetModuleHandleA(nullptr), this);
  if (!window) throw std::runtime_error("could not create the window " + std::string(form.name));
  bar.Release();  // the window owns its menu bar now; the window procedure has set `hwnd` to `window`

  try {
    // A menu bar that wraps takes more room than AdjustWindowRectEx assumed.
    RECT client;
    GetClientRect(hwnd, &client);
    const int dx = clientWidth - (client.right - client.left);
    const int dy = clientHeight - (client.bottom - client.top);
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

    CreateChildren({}, hwnd, POINT{0, 0});
    LinkMadeSince(0);
    BuildAccelerators();
    // The forms this program follows always underline their accelerator letters.
    SendMessageA(hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0);
  } catch (...) {
    DestroyWindow(hwnd);
    throw;
  }
}

}  // namespace pavane::win
