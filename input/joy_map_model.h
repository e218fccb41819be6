#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pavane {

// Start, Select, Y, X, B, A, L, R.
inline constexpr std::size_t kJoyMapPositions = 8;

// The joystick map while it is being edited: ButtonList, the stored entries
// as texts. Entries are kept as they were read (a stored 12 stays 12) until a
// digit is typed over them. A stored map shorter than the eight positions is
// filled up with the default map's entries, which the fields then show; the
// entries of a longer one that no field shows are written back as they were.
class JoystickMap {
 public:
  explicit JoystickMap(std::string_view stored);

  const std::vector<std::string>& ButtonList() const { return buttonList_; }

  // "None" for the entry "0", otherwise "Button #" and the entry.
  std::string FieldText(std::size_t position) const;

  // A character typed into the field of `position`: a digit replaces its
  // entry (true), anything else changes nothing (false).
  bool Type(std::size_t position, char character);

  // The entries joined with ", ".
  std::string StoredText() const;

 private:
  std::vector<std::string> buttonList_;
};

}  // namespace pavane
