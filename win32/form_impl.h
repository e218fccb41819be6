#pragma once

// The inside of FormWindow, shared by the files of the form engine
// (form_window.cpp, form_build.cpp, form_keyboard.cpp). Nothing else includes it.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "forms/form_spec.h"
#include "win32/form_window.h"
#include "win32/handle.h"

namespace pavane::win {

// Command and control IDs are derived from table positions.
inline constexpr int kControlIdBase = 0x0100;  // + control index
inline constexpr int kRadioIdBase = 0x2000;    // + control index * kMaxRadioItems + item
inline constexpr int kMaxRadioItems = 32;
inline constexpr int kMenuIdBase = 0x6000;     // + main menu item index
inline constexpr int kPopupIdBase = 0x6800;    // + pop-up menu item index
inline constexpr int kDynamicIdBase = 0x7000;  // commands added at run time
inline constexpr int kDynamicIdEnd = 0x7FFF;
// Radio button IDs of the last control must stay below the menu IDs.
inline constexpr std::size_t kMaxControls = (kMenuIdBase - kRadioIdBase) / kMaxRadioItems;

// The character height of the form font ("MS Sans Serif", 8 pt at 96 dpi).
inline constexpr int kFontCharHeight = 11;

struct ControlWindow {
  const forms::Control* spec = nullptr;
  HWND hwnd = nullptr;
  HWND container = nullptr;         // the real window it is a child of
  std::vector<HWND> items;          // radio groups: one button per item
  std::optional<std::size_t> page;  // the page it lies on, if any
  UniqueGdiObject glyph;            // buttons with a picture
};

struct FormWindow::Impl {
  explicit Impl(const forms::Form& f) : form(f) {}
  ~Impl();

  const forms::Form& form;
  std::vector<ControlWindow> controls;  // in table order
  std::vector<std::size_t> creationOrder;
  std::map<std::string, Handler, std::less<>> handlers;
  std::map<std::string, MenuHandler, std::less<>> menuHandlers;

  HWND hwnd = nullptr;
  HWND owner = nullptr;
  UniqueGdiObject font;
  UniqueGdiObject boldFont;
  UniqueMenu popup;  // the menu bar belongs to the window
  UniqueAccelerators accelerators;
  std::vector<UniqueIcon> icons;
  std::vector<UniqueGdiObject> bitmaps;
  std::map<std::string_view, HMENU> menusByName;
  std::map<UINT, MenuHandler> dynamicCommands;

  std::function<void()> onDestroy;
  std::map<unsigned, std::function<void()>> timers;
  HWND savedFocus = nullptr;
  bool shownOnce = false;
  bool modal = false;
  bool modalEnded = false;
  int modalResult = 0;

  // form_build.cpp
  void Validate() const;
  void Build(HWND ownerWindow);
  std::vector<std::size_t> OrderedChildren(std::string_view parent) const;
  void CreateChildren(std::string_view parent, HWND container, POINT offset, std::optional<std::size_t> page);
  void CreateControl(std::size_t index, HWND container, POINT offset, std::optional<std::size_t> page);
  HMENU BuildMenu(std::span<const forms::MenuItem> items, int idBase, bool bar);
  void BuildAccelerators();
  void LoadPicture(ControlWindow& control);

  // form_window.cpp
  std::size_t IndexOf(std::string_view name) const;
  std::optional<std::size_t> FindIndex(std::string_view name) const;
  std::optional<std::size_t> IndexOfId(int id) const;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void OnCommand(int id, int code, HWND from);
  void Click(std::size_t index);
  void MoveDefaultFrame(std::optional<std::size_t> focused);
  void RunHandler(std::string_view name, const forms::Control& sender);
  void RunMenuHandler(std::string_view name);
  void DropDown(std::size_t index);
  void DrawListRow(const DRAWITEMSTRUCT& item);
  void DrawGlyphButton(const ControlWindow& control, const DRAWITEMSTRUCT& item);
  void SelectPage(std::size_t pageControl, int page);
  void ShowSelectedPage(std::size_t pageControl);
  std::vector<std::size_t> PagesOf(std::size_t pageControl) const;
  void FocusControl(std::size_t index, bool selectText);
  HWND FocusTarget(std::size_t index) const;
  void MoveRadioTabStop(std::size_t index);
  int SelectedPage(std::size_t pageControl) const;

  // form_keyboard.cpp
  bool PreTranslate(MSG& msg);
  bool HandleEnterOrEscape(const MSG& msg);
  bool HandleMnemonic(char typed);
  void CyclePage(int step);
};

// Creation and lookup of the live forms, for the message loop (form_window.cpp).
FormWindow::Impl* FormOfWindow(HWND window);
void RegisterForm(FormWindow::Impl* form);
void UnregisterForm(FormWindow::Impl* form);
// Live forms created without an owner: the message loop runs while there are any.
int LiveMainForms();
void RegisterWindowClasses(std::string_view topLevelClass);
LRESULT CALLBACK ContainerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
inline constexpr const char* kContainerClass = "PavaneFormContainer";

// A window's text as a std::string.
std::string WindowText(HWND window);

// Sizes a one-line label to its text in its own font, as the label draws it
// ("&" marks an accelerator), so no text is ever cut off.
void FitLabelToText(HWND label);

}  // namespace pavane::win
