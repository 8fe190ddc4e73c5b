#include "terrain_import/bilinear_sample.h"

#include <algorithm>
#include <cmath>

namespace dorx {
namespace {

constexpr int32_t kLowestTenths = -9998;
constexpr int32_t kHighestTenths = 99999;

// The pixel's value, NaN outside the window.
double PixelValue(const PixelWindow& w, int32_t x, int32_t y) {
  const int32_t wx = x - w.x0, wy = y - w.y0;
  if (wx < 0 || wy < 0 || wx >= w.width || wy >= w.height) return std::nan("");
  return w.values_m[static_cast<size_t>(wy) * static_cast<size_t>(w.width) + static_cast<size_t>(wx)];
}

}  // namespace

std::optional<double> SampleBilinear(const PixelWindow& w, double px, double py) {
  if (!(px >= 0.0 && py >= 0.0 && px <= w.raster_width && py <= w.raster_height)) return std::nullopt;
  const double u = px - 0.5, v = py - 0.5;
  const double fx = u - std::floor(u), fy = v - std::floor(v);
  const auto clamp_x = [&](double i) { return std::clamp(static_cast<int32_t>(i), 0, w.raster_width - 1); };
  const auto clamp_y = [&](double j) { return std::clamp(static_cast<int32_t>(j), 0, w.raster_height - 1); };
  const int32_t xs[2] = {clamp_x(std::floor(u)), clamp_x(std::floor(u) + 1)};
  const int32_t ys[2] = {clamp_y(std::floor(v)), clamp_y(std::floor(v) + 1)};
  const double wxs[2] = {1.0 - fx, fx}, wys[2] = {1.0 - fy, fy};
  double weight = 0.0, sum = 0.0;
  for (int j = 0; j < 2; ++j) {
    for (int i = 0; i < 2; ++i) {
      const double wt = wxs[i] * wys[j];
      if (wt == 0.0) continue;
      const double value = PixelValue(w, xs[i], ys[j]);
      if (std::isnan(value)) continue;
      weight += wt;
      sum += wt * value;
    }
  }
  if (weight < 0.5) return std::nullopt;
  return sum / weight;
}

std::optional<int32_t> ElevationTenths(double elevation_m) {
  if (!std::isfinite(elevation_m)) return std::nullopt;
  const double tenths = std::round(elevation_m * 10.0);
  if (tenths < kLowestTenths || tenths > kHighestTenths) return std::nullopt;
  return static_cast<int32_t>(tenths);
}

}  // namespace dorx
