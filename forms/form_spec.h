#pragma once

#include <span>
#include <string_view>

namespace pavane::forms {

// Windows and dialogs are declared as tables of these; the Win32 form engine
// turns a table into real windows and routes their events to handlers by name.

enum class Kind {
  Label,  // static text; `focuses` names the control its accelerator focuses
  Edit,
  ReadOnlyEdit,  // borderless, selectable, not editable (the About box link)
  Button,
  CheckBox,
  GroupBox,
  RadioGroup,     // a group box holding one radio button per item
  DropDownList,   // combo box that cannot be typed into
  OwnerDrawList,  // drop-down list with owner-drawn rows of `itemHeight`
  DrivePicker,    // drop-down list of drives: each row the drive-type icon, then its text (the letter first)
  ListBox,
  UpDown,       // bound to the edit named in `buddy`
  Picture,      // shows the icon or bitmap resource `resource`
  Panel,        // plain container
  Bevel,        // etched line
  PageControl,  // tabs; its pages are the Page controls whose parent it is
  Page,
  Painted,  // windowless control that the widget named in `widget` paints on its parent
  Shape,    // a rectangle filled with `color`, without outline, above the pictures it lies on
};

// The results of a modal form: the button, Esc or close box that ended it.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct Control {
  Kind kind;
  std::string_view name;
  std::string_view parent = {};   // empty: the form's client area
  std::string_view caption = {};  // text, initial edit text or page caption
  Bounds bounds = {};
  int tabOrder = -1;  // among the controls of the same parent; -1: not a tab stop
  int tag = 0;
  std::span<const std::string_view> items = {};
  int columns = 1;    // radio groups
  int selected = -1;  // initially selected item; -1: none
  bool checked = false;
  int rangeMin = 0;  // up-down range and start position
  int rangeMax = 0;
  int position = 0;
  std::string_view buddy = {};    // up-down: the edit it drives
  std::string_view focuses = {};  // label: the control its accelerator focuses
  // Handler names, raised with the control as sender.
  std::string_view onClick = {};        // click; lists: every change of the selection; up-downs: after a move
  std::string_view onDoubleClick = {};  // list boxes: an entry is double-clicked (after the click's selection)
  std::string_view onChanging = {};     // up-down: before the position moves
  std::string_view onEnter = {};        // the control receives the focus
  std::string_view onKeyDown = {};      // a key goes down (its virtual-key code), before the form's own keys;
                                        // Shift, Ctrl and Alt when they come up with no other key between
  std::string_view onKeyPress = {};     // a character is typed
  std::string_view onMouseEnter = {};   // painted controls: the pointer comes over it, leaves it,
  std::string_view onMouseLeave = {};   // a button goes down on it, and comes up again
  std::string_view onMouseDown = {};
  std::string_view onMouseUp = {};
  std::string_view onDropFiles = {};  // files are dropped on it (their paths in the event)
  int modalResult = 0;                // buttons that end a dialog: 1 OK, 2 Cancel
  bool isDefault = false;             // Enter
  bool isCancel = false;              // Esc
  bool enabled = true;
  bool bold = false;
  bool wordWrap = false;               // labels: keep the declared size and wrap; others fit their text
  bool path = false;                   // labels: a path, on one line at the declared size, its middle
                                       // left out when it is too long; the whole of it in a tooltip
  bool readOnly = false;               // edits: not editable; the text centred, never scrolled, and the
                                       // whole field highlighted while it has the focus
  bool multiSelect = false;            // list boxes: Shift and Ctrl extend the selection
  int itemHeight = 0;                  // lists; 0: the system's
  int resource = 0;                    // picture or glyph resource; drive pickers: the first of the icons of
                                       // fixed, removable, remote, CD-ROM and RAM drives, numbered in that order
  bool scalePicture = false;           // a bitmap other controls point into scales with them
  std::string_view dropDownMenu = {};  // tool buttons: the pop-up menu they drop down
  std::string_view widget = {};        // painted controls: the widget that draws them
  unsigned color = 0;                  // shapes: 0xRRGGBB
};

struct MenuItem {
  int level;  // 0: menu bar entry; 1: its items
  std::string_view name;
  std::string_view caption;        // "-" for a separator
  std::string_view shortcut = {};  // "Ctrl+O", "F9"
  std::string_view handler = {};   // chosen; an item with items of its own: it is about to open
};

enum class Frame {
  Single,    // main window: not resizable, system menu and minimise box
  Dialog,    // fixed dialog frame with only the system menu
  Sizeable,  // a normal window: sizing frame, system menu, minimise and maximise boxes
};

struct Form {
  std::string_view className;
  std::string_view name;
  std::string_view caption;
  int clientWidth;
  int clientHeight;
  Frame frame;
  std::span<const Control> controls;
  std::span<const MenuItem> menu = {};
  std::span<const MenuItem> popupMenu = {};  // one pop-up menu, if any
  std::string_view popupMenuName = {};
  std::string_view onPopupMenuOpen = {};  // handler raised when the pop-up menu is about to open
  std::string_view initialFocus = {};
  int icon = 0;
  std::string_view onDestroy = {};     // handler raised when the form goes, however it is closed
  std::string_view onDropFiles = {};   // files are dropped on the form outside controls that take them
  bool enterAndEscapeAreKeys = false;  // neither presses a button nor ends the form: its key-down controls take them
};

}  // namespace pavane::forms
