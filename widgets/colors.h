#pragma once

#include <cstdint>
#include <functional>

namespace pavane::widgets {

// A colour as the widgets keep it: 0x00BBGGRR for a red-green-blue colour, or
// kSystemColor plus a system colour index for one that follows the system.
using Color = std::uint32_t;
inline constexpr Color kSystemColor = 0x80000000u;
constexpr Color SystemColor(int index) { return kSystemColor | static_cast<Color>(index); }

inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clGray = 0x808080;
inline constexpr Color clActiveCaption = SystemColor(2);
inline constexpr Color clInactiveCaption = SystemColor(3);
inline constexpr Color clWindowText = SystemColor(8);
inline constexpr Color clBtnFace = SystemColor(15);
inline constexpr Color clBtnShadow = SystemColor(16);
inline constexpr Color clBtnHighlight = SystemColor(20);

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Rgb&) const = default;
};

// The system's colour table: the red, green and blue of a system colour index.
using SystemColors = std::function<Rgb(int index)>;

inline Rgb ToRgb(Color color, const SystemColors& system) {
  if (color & kSystemColor) return system(static_cast<int>(color & 0xFF));
  return {static_cast<std::uint8_t>(color & 0xFF), static_cast<std::uint8_t>((color >> 8) & 0xFF),
          static_cast<std::uint8_t>((color >> 16) & 0xFF)};
}

inline Color FromRgb(Rgb rgb) {
  return static_cast<Color>(rgb.r) | (static_cast<Color>(rgb.g) << 8) | (static_cast<Color>(rgb.b) << 16);
}

}  // namespace pavane::widgets
