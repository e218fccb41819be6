#pragma once

#include "forms/form_spec.h"

namespace pavane::forms {

// Where Tab stops for a control.
enum class TabStop {
  None,
  Itself,
  CheckedItem,  // radio groups: at the checked radio button
};

// What a kind of control is, for every engine that makes forms (the real
// windows, the forms of the tests) and for the check of the tables. One
// entry per kind: a new kind is one entry here, and its window in the Win32
// engine.
struct KindTraits {
  TabStop tabStop = TabStop::None;
  bool startsGroup = true;       // begins a group for the arrow keys; a label or picture stays with what follows
  bool holdsControls = false;    // controls are declared inside it
  bool windowForInside = false;  // the controls inside lie in a window of its own (their places are in it)
  bool hasText = false;          // its caption is its text, shown and read back
  bool hasItems = false;         // a list of entries, one of them (or several) selected
  bool radioButtons = false;     // its items are radio buttons, one of them checked
  bool checkable = false;        // a check state
  bool hasPosition = false;      // an up-down's position in its range
  bool pushButton = false;       // Enter presses it while it has the focus; it can be the default button
};

const KindTraits& TraitsOf(Kind kind);

}  // namespace pavane::forms
