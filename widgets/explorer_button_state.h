#pragma once

#include <vector>

namespace pavane::widgets {

// What a flat toolbar button does with the pointer, its latch and its group,
// apart from drawing. Buttons of one parent with the same non-zero group
// index form a group; `siblings` are the other buttons of that parent.
class ExplorerButtonState {
 public:
  using Siblings = std::vector<ExplorerButtonState*>;

  bool Enabled() const { return enabled_; }
  bool Hot() const { return hot_; }
  bool Pressed() const { return pressed_; }
  bool Down() const { return down_; }
  int GroupIndex() const { return groupIndex_; }
  bool AllowAllUp() const { return allowAllUp_; }

  // Each returns whether the button must be painted again.
  bool PointerEnter();
  bool PointerLeave();
  bool SetEnabled(bool enabled);
  bool SetGroupIndex(int groupIndex);
  // Latching down releases the other down buttons of the group; without a group it does nothing.
  bool SetDown(bool down, const Siblings& siblings);
  void SetAllowAllUp(bool allowAllUp, const Siblings& siblings);

  // The left button goes down on it: false when a disabled button ignores it.
  bool Press();
  // The dropped-down menu has closed (or the pointer was given up): the press
  // ends without a click, hot only while the pointer is still inside.
  void EndPressWithoutClick(bool pointerInside);
  // The left button comes up: whether the click fires (never with a
  // drop-down menu, which fires none).
  bool Release(bool pointerInside, bool hasDropDown, const Siblings& siblings);
  // The accelerator letter: hot at once, cold again afterwards unless the pointer is over it.
  void Accelerated(bool pointerInside);

 private:
  void ReleaseGroup(const Siblings& siblings);

  bool enabled_ = true;
  bool hot_ = false;
  bool pressed_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
};

}  // namespace pavane::widgets
