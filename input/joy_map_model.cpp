#include "input/joy_map_model.h"

#include "settings/settings.h"

namespace pavane {

JoystickMap::JoystickMap(std::string_view stored) {
  SplitList(stored, buttonList_);
  if (buttonList_.size() >= kJoyMapPositions) return;
  std::vector<std::string> defaults;
  SplitList(kDefaultJoyMap, defaults);
  buttonList_.insert(buttonList_.end(), defaults.begin() + static_cast<std::ptrdiff_t>(buttonList_.size()),
                     defaults.end());
}

std::string JoystickMap::FieldText(std::size_t position) const {
  const std::string& entry = buttonList_[position];
  return entry == "0" ? std::string("None") : "Button #" + entry;
}

bool JoystickMap::Type(std::size_t position, char character) {
  if (character < '0' || character > '9') return false;
  buttonList_[position] = std::string(1, character);
  return true;
}

std::string JoystickMap::StoredText() const { return JoinList(buttonList_); }

}  // namespace pavane
