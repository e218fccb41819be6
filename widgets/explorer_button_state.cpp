#include "widgets/explorer_button_state.h"

namespace pavane::widgets {

bool ExplorerButtonState::PointerEnter() {
  hot_ = true;
  return !down_ && enabled_;
}

bool ExplorerButtonState::PointerLeave() {
  hot_ = false;
  return !down_ && enabled_;
}

bool ExplorerButtonState::SetEnabled(bool enabled) {
  if (enabled == enabled_) return false;
  enabled_ = enabled;
  if (groupIndex_ == 0) down_ = false;
  pressed_ = false;
  hot_ = false;
  return true;
}

bool ExplorerButtonState::SetGroupIndex(int groupIndex) {
  if (groupIndex == groupIndex_) return false;
  groupIndex_ = groupIndex;
  if (groupIndex_ != 0 || !down_) return false;
  down_ = false;
  return true;
}

void ExplorerButtonState::ReleaseGroup(const Siblings& siblings) {
  for (ExplorerButtonState* other : siblings) {
    if (other != this && other->groupIndex_ == groupIndex_ && other->down_) other->down_ = false;
  }
}

bool ExplorerButtonState::SetDown(bool down, const Siblings& siblings) {
  if (down == down_ || groupIndex_ == 0) return false;
  down_ = down;
  if (down_) ReleaseGroup(siblings);
  return true;
}

void ExplorerButtonState::SetAllowAllUp(bool allowAllUp, const Siblings& siblings) {
  allowAllUp_ = allowAllUp;
  if (groupIndex_ == 0) return;
  for (ExplorerButtonState* other : siblings) {
    if (other->groupIndex_ == groupIndex_) other->allowAllUp_ = allowAllUp;
  }
}

bool ExplorerButtonState::Press() {
  if (!enabled_) return false;
  pressed_ = true;
  hot_ = true;
  return true;
}

void ExplorerButtonState::EndPressWithoutClick(bool pointerInside) {
  if (!pointerInside) hot_ = false;
  pressed_ = false;
}

bool ExplorerButtonState::Release(bool pointerInside, bool hasDropDown, const Siblings& siblings) {
  if (!enabled_ || !pressed_) return false;
  pressed_ = false;
  if (hot_ && groupIndex_ != 0) {
    if (!down_) {
      ReleaseGroup(siblings);
      down_ = true;
    } else if (allowAllUp_) {
      down_ = false;
    }
  }
  if (!hot_) return false;
  if (!pointerInside) hot_ = false;
  return !hasDropDown;
}

void ExplorerButtonState::Accelerated(bool pointerInside) {
  if (!pointerInside) hot_ = false;
}

}  // namespace pavane::widgets
