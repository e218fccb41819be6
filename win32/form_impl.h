#pragma once

// The inside of FormWindow, shared by the files of the form engine. Nothing
// else includes it.

#include <windows.h>

#include <shellapi.h>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/dpi_scale.h"
#include "forms/form_spec.h"
#include "forms/form_view.h"
#include "win32/form_window.h"
#include "win32/handles.h"
#include "win32/painted_control.h"

namespace pavane::win {

// Command and control IDs are derived from table positions.
inline constexpr int kControlIdBase = 0x0100;  // + control index
inline constexpr int kRadioIdBase = 0x2000;    // + control index * kMaxRadioItems + item
inline constexpr int kMaxRadioItems = 32;
inline constexpr int kMenuIdBase = 0x6000;     // + main menu item index
inline constexpr int kPopupIdBase = 0x6800;    // + pop-up menu item index
inline constexpr int kDynamicIdBase = 0x7000;  // menu items added at run time
inline constexpr int kDynamicIdEnd = 0x7FFF;
// Radio button IDs of the last control must stay below the menu IDs.
inline constexpr std::size_t kMaxControls = (kMenuIdBase - kRadioIdBase) / kMaxRadioItems;

// The character height of the form font ("MS Sans Serif", 8 pt) at 96 dpi.
inline constexpr int kFontCharHeight = 11;

class ControlKind;

struct ControlWindow {
  const forms::Control* spec = nullptr;
  const ControlKind* kind = nullptr;
  HWND hwnd = nullptr;              // none for painted controls
  HWND container = nullptr;         // the real window it lies in
  forms::Bounds layout;             // its place in the container at 96 dpi
  RECT bounds{};                    // its place in the container, in pixels
  std::vector<HWND> items;          // radio groups: one button per item
  std::optional<std::size_t> page;  // the page it lies on, if any
  bool contentsDeferred = false;    // pages: the controls on it are made when first needed
  UniqueBitmap glyph;               // buttons with a picture
  std::unique_ptr<PaintedControl> painted;
  std::unique_ptr<PaintedSite> site;
};

struct RuntimeItem {
  std::string menu;
  forms::RuntimeMenuItem item;
};

// The menu items added at run time, by command ID and by menu and name.
// IDs freed by removed items are given out again first.
class RuntimeItems {
 public:
  // The new item's command ID; throws when none is left.
  UINT Add(std::string_view menu, const forms::RuntimeMenuItem& item);
  // The ID the item had; nothing when the menu holds no such item.
  std::optional<UINT> Remove(std::string_view menu, std::string_view name);
  const RuntimeItem* Find(UINT id) const;

 private:
  static std::string Key(std::string_view menu, std::string_view name);
  std::map<UINT, RuntimeItem> byId_;
  std::map<std::string, UINT, std::less<>> idByName_;
  std::vector<UINT> freed_;
  UINT next_ = kDynamicIdBase;
};

struct FormWindow::Impl {
  Impl(const forms::Form& f, forms::HandlerTable h) : form(f), handlers(std::move(h)) {}
  ~Impl();

  const forms::Form& form;
  forms::HandlerTable handlers;
  std::vector<ControlWindow> controls;  // in table order
  std::vector<std::size_t> creationOrder;

  HWND hwnd = nullptr;
  HWND owner = nullptr;
  forms::DpiScale scale;  // the screen's, taken when the form is made
  UniqueFont font;
  UniqueFont boldFont;
  HFONT FontOf(const forms::Control& spec) const { return static_cast<HFONT>((spec.bold ? boldFont : font).Get()); }
  UniqueMenu popup;         // the menu bar belongs to the window
  HWND tooltips = nullptr;  // owned by the window, and destroyed with it
  std::string tooltipText;  // the tip shown, kept while it shows
  UniqueAccelerators accelerators;
  std::vector<UniqueIcon> icons;
  std::vector<UniqueBitmap> bitmaps;
  std::map<std::string, HMENU, std::less<>> menusByName;
  RuntimeItems runtimeItems;
  MessageHook messageHook;

  std::map<unsigned, std::function<void()>> timers;
  std::optional<std::size_t> defaultButton;   // the button Enter presses when no other push button has the focus
  std::optional<std::size_t> hotPainted;      // the painted control under the pointer
  std::optional<std::size_t> pressedPainted;  // the painted control a button went down on
  HWND savedFocus = nullptr;
  struct ModifierTap {
    int key = 0;  // Shift, Ctrl or Alt, gone down in `window` with no other key since
    HWND window = nullptr;
  } tap;
  bool shownOnce = false;
  bool modal = false;
  bool modalEnded = false;
  int modalResult = 0;

  // Looking controls up. A control on a page not made yet is made, with the
  // rest of its page, when it is looked up.
  std::size_t IndexOf(std::string_view name) const;
  ControlWindow& Made(std::size_t index);
  ControlWindow& At(std::string_view name) { return Made(IndexOf(name)); }
  std::optional<std::size_t> IndexOfId(int id) const;
  // The control whose window (or radio button) is `window`.
  std::optional<std::size_t> IndexOfWindow(HWND window) const;

  // Events.
  void Raise(std::string_view handler, std::size_t index, int key = 0, char character = 0);
  void Click(std::size_t index);
  void EndWith(int result);

  // form_build.cpp
  void Build(HWND ownerWindow);
  void CreateChildren(std::string_view parent, HWND container, POINT offset);
  void CreateControl(std::size_t index, HWND container, POINT offset);
  // Ties the controls made since creationOrder[first] to the others (up-downs to their buddies).
  void LinkMadeSince(std::size_t first);
  // A hidden page's controls are made when the page first shows or one of
  // them is looked up: a window with many pages shows sooner.
  void DeferContents(std::size_t page);
  void MakeContents(std::size_t page);
  void LoadPicture(ControlWindow& control);

  // form_menus.cpp
  HMENU BuildMenu(std::span<const forms::MenuItem> items, int idBase, bool bar);
  void BuildAccelerators();
  bool RunMenuCommand(int id);
  // A menu of the table is about to open: its handler may fill it.
  void MenuOpening(HMENU menu);
  void DropDown(std::size_t index);

  // form_router.cpp
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool Route(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnCommand(int id, int code, HWND from);
  void MoveDefaultFrame(std::optional<std::size_t> focused);

  // painted_control.cpp: windowless controls on `container`. MakePainted is
  // false for a control that gets a window.
  bool MakePainted(std::size_t index);
  void PaintPainted(HWND container, HDC dc);
  bool PointerMessage(HWND container, UINT message, LPARAM lParam);

  // Pages and focus (form_window.cpp).
  void SelectPage(std::size_t pageControl, int page);
  void ShowSelectedPage(std::size_t pageControl);
  int SelectedPage(std::size_t pageControl) const;
  void FocusControl(std::size_t index, bool selectText);
  HWND FocusTarget(std::size_t index) const;
  void MoveRadioTabStop(std::size_t index);

  // form_drop.cpp: files dropped from the shell.
  bool TakesDrops() const;
  void DropFiles(HDROP drop);

  // form_keyboard.cpp
  bool PreTranslate(MSG& msg);
  bool KeyEvent(MSG& msg);
  bool HandleEnterOrEscape(const MSG& msg);
  bool HandleMnemonic(char typed);
  void CyclePage(int step);
};

// Creation and lookup of the live forms, for the message loop (form_router.cpp).
FormWindow::Impl* FormOfWindow(HWND window);
// Live forms created without an owner: the message loop runs while there are any.
int LiveMainForms();
void RegisterWindowClasses(std::string_view topLevelClass);
inline constexpr const char* kContainerClass = "PavaneFormContainer";

// A window's text as a std::string.
std::string WindowText(HWND window);

}  // namespace pavane::win
