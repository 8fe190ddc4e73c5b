#pragma once
// The projection of the terrain section onto a curved earth: the station's
// vertical points up, the sea surface bends down towards the far end and
// straight lines stay straight. Distances are the chords of the cell records
// (slot 7); heights are metres above sea level.
namespace dorx {

inline constexpr double kSectionEarthRadius_m = 6378137.0;
inline constexpr double kSectionEarthRadiusReciprocal = 1.567855942887398e-07;

struct SectionScale {
  double base_m = kSectionEarthRadius_m;  // R x cos(angle of the far end)
  double height_range_m = 0.0;            // terrain and antennas the chart holds
  double vertical_scale_m = 0.0;          // R - base + height range
  double horizontal_scale_m = 0.0;        // the section length
  double height_step_m = 10.0;            // spacing of the height lines
  // |ElevationMax| + |ElevationMin| of the area: terrain heights at or above it
  // are drawn at sea level (kinds kTerrain and kTerrainMast).
  double area_height_limit_m = 0.0;
};

struct SectionScaleInputs {
  double ElevationMax = 0.0;  // the area's, from the result header
  double ElevationMin = 0.0;
  double section_highest_m = 0.0;  // the section's own, used with fine_big
  double section_lowest_m = 0.0;
  double Tx_Altitude = 0.0;
  double Rx_Altitude = 0.0;
  bool fine_big = false;  // CheckBoxFineBig: the section's extremes set the height range
};

// The scale of a section of length_m metres (the chord of its far end).
SectionScale SetUpSectionScale(double length_m, const SectionScaleInputs& inputs);

// 10 x cut(range / (10 x log10(range)) + 0.9): 100 -> 50, 1000 -> 340,
// 3000 -> 870. A range of 1 m or less (or not a finite number) gives 10, so
// the height lines always advance.
double SectionHeightStep(double height_range_m);

// Kinds of point: kTerrain (extra up from sea level, height the ground) and
// kTerrainMast (extra up from the ground) clean terrain heights; kLevel and
// kLevelMast, the same, clean only NO_DATA.
enum class SectionPointKind { kTerrain = 1, kTerrainMast = 3, kLevel = 11, kLevelMast = 13 };

// Fractions of the chart: y 0 at the top of the chart area and 1 at its
// bottom, x 0 at the station and about 1 at the far end.
struct SectionFractions {
  double upper_y = 0.0;
  double lower_y = 0.0;
  double x = 0.0;
};

// A section without length (horizontal scale 0) puts every point at x 0; a
// chart without height (vertical scale 0) puts every point at y 1. No result
// is ever NaN.
SectionFractions ProjectSectionPoint(const SectionScale& scale, SectionPointKind kind, double extra_m,
                                     double distance_m, double height_m);

// A NO_DATA height: one whose value x 10, cut toward zero, is -9999.
bool IsNoDataHeight(double height_m);

}  // namespace dorx
