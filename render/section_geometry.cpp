#include "render/section_geometry.h"

#include <algorithm>
#include <cmath>

#include "platform/cut.h"

namespace dorx {
namespace {

constexpr double R = kSectionEarthRadius_m;

// Central angle of a point at chord distance d from the station:
// |2 asin(d / 2R)|. The sine is held to [-1, 1], so a distance beyond the
// earth's diameter (only in a damaged file) gives half a turn, not NaN.
double CentralAngle(double distance_m) {
  const double half_chord = std::clamp(distance_m / 2 * kSectionEarthRadiusReciprocal, -1.0, 1.0);
  return std::fabs(2 * std::asin(half_chord));
}

// The y fraction of height h at central angle theta: 0 at the top of the
// chart area, 1 at its bottom. A chart without height puts everything at 1.
double FractionY(const SectionScale& scale, double theta, double h) {
  if (!(scale.vertical_scale_m > 0)) return 1.0;
  const double f = 1 - ((R + h) * std::cos(theta) - scale.base_m) / scale.vertical_scale_m;
  return std::isnan(f) ? 1.0 : f;
}

// The x fraction: 0 at the station, about 1 at the far end. A section
// without length puts everything at the station.
double FractionX(const SectionScale& scale, double theta, double h) {
  if (!(scale.horizontal_scale_m > 0)) return 0.0;
  const double f = (R + h) * std::sin(theta) / scale.horizontal_scale_m;
  return std::isnan(f) ? 0.0 : f;
}

bool CleansTerrainHeights(SectionPointKind kind) {
  return kind == SectionPointKind::kTerrain || kind == SectionPointKind::kTerrainMast;
}

bool IsMast(SectionPointKind kind) {
  return kind == SectionPointKind::kTerrainMast || kind == SectionPointKind::kLevelMast;
}

double CleanHeight(const SectionScale& scale, SectionPointKind kind, double height_m) {
  if (IsNoDataHeight(height_m)) return 0.0;
  if (CleansTerrainHeights(kind) && !(height_m < scale.area_height_limit_m)) return 0.0;
  return height_m;
}

}  // namespace

bool IsNoDataHeight(double height_m) { return CutToInt(height_m * 10) == -9999; }

double SectionHeightStep(double height_range_m) {
  // At 1 m or less the rule divides by log10(1) = 0 or yields no positive step.
  if (!(height_range_m > 1) || !std::isfinite(height_range_m)) return 10.0;
  return 10 * std::trunc(height_range_m / (10 * std::log10(height_range_m)) + 0.9);
}

SectionScale SetUpSectionScale(double length_m, const SectionScaleInputs& in) {
  SectionScale scale;
  scale.base_m = R * std::cos(CentralAngle(length_m));
  const double highest = in.fine_big ? in.section_highest_m : in.ElevationMax;
  const double lowest = in.fine_big ? in.section_lowest_m : in.ElevationMin;
  scale.height_range_m = std::fabs(highest) + std::fabs(lowest) + in.Tx_Altitude + in.Rx_Altitude;
  scale.vertical_scale_m = R - scale.base_m + scale.height_range_m;
  scale.horizontal_scale_m = length_m;
  scale.height_step_m = SectionHeightStep(scale.height_range_m);
  scale.area_height_limit_m = std::fabs(in.ElevationMax) + std::fabs(in.ElevationMin);
  return scale;
}

SectionFractions ProjectSectionPoint(const SectionScale& scale, SectionPointKind kind, double extra_m,
                                     double distance_m, double height_m) {
  const double h = CleanHeight(scale, kind, height_m);
  const double theta = CentralAngle(distance_m);
  SectionFractions f;
  f.upper_y = FractionY(scale, theta, IsMast(kind) ? h + extra_m : extra_m);
  f.lower_y = FractionY(scale, theta, h);
  f.x = FractionX(scale, theta, h);
  return f;
}

}  // namespace dorx
