#pragma once

#include <optional>
#include <vector>

#include "widgets/colors.h"

namespace pavane::widgets {

inline constexpr int kMinGradientColors = 8;
inline constexpr int kMaxGradientColors = 512;
inline constexpr int kDefaultGradientColors = 64;

// The new band count for a request: nothing when it is the current one or
// outside 8 to 512, which are ignored.
std::optional<int> AcceptedGradientColors(int current, int requested);

// `count` bands from `start` to `stop`: band i is start + round(step * i) per
// channel, with step = (stop - start) / (count - 1) and halves rounded to
// even, so the first band is `start` and the last `stop`.
std::vector<Rgb> GradientBands(Rgb start, Rgb stop, int count);

// The columns band `band` of `count` fills across `width` pixels on a
// display with a palette: round(band * width / count) up to, not including,
// round((band + 1) * width / count).
struct BandColumns {
  int left = 0;
  int right = 0;
};
BandColumns ColumnsOfBand(int band, int width, int count);

}  // namespace pavane::widgets
