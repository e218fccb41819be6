#include "widgets/gradient_bands.h"

#include <cmath>

namespace pavane::widgets {
namespace {

// Halves to even, as the default floating-point rounding does.
int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

std::uint8_t Channel(int start, int stop, int band, int count) {
  const double step = static_cast<double>(stop - start) / (count - 1);
  return static_cast<std::uint8_t>(start + RoundHalfEven(step * band));
}

}  // namespace

std::optional<int> AcceptedGradientColors(int current, int requested) {
  if (requested == current || requested < kMinGradientColors || requested > kMaxGradientColors) return std::nullopt;
  return requested;
}

std::vector<Rgb> GradientBands(Rgb start, Rgb stop, int count) {
  std::vector<Rgb> bands;
  bands.reserve(static_cast<std::size_t>(count));
  for (int band = 0; band < count; ++band) {
    bands.push_back({Channel(start.r, stop.r, band, count), Channel(start.g, stop.g, band, count),
                     Channel(start.b, stop.b, band, count)});
  }
  return bands;
}

BandColumns ColumnsOfBand(int band, int width, int count) {
  return {RoundHalfEven(static_cast<double>(band) * width / count),
          RoundHalfEven(static_cast<double>(band + 1) * width / count)};
}

}  // namespace pavane::widgets
