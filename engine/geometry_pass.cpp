#include <cmath>

#include "engine/elevation.h"
#include "engine/passes.h"

namespace dorx {
namespace {

constexpr double kRadiansPerArcsec = 4.848136811728395e-6;  // 1 / 206264.8
constexpr double kEarthDiameter_m = 12756274;
constexpr double kInverseEarthRadius_per_m = 1.567855942887398e-07;  // 1 / 6378137
constexpr double kInversePi = 0.31830988614222805;

struct GeometrySetup {
  double source_lat_arcsec;
  double source_lon_arcsec;
  double tx_antenna_height_m;  // h1
  double rx_altitude_m;
  bool use_pattern;
};

// Slots 5 to 9 and 14 of one cell on a sphere of radius 6378137 m.
void CellGeometry(CellRecord& r, const GeometrySetup& s, const AntennaPattern& pattern, int32_t a, int32_t b) {
  double* slot = r.slot.data();
  const double h2 = GroundHeight_m(slot[kElevation]) + s.rx_altitude_m;
  const double h1 = s.tx_antenna_height_m;
  const double lat = slot[kLatitude] + slot[kLatitudeShift];
  const double lon = slot[kLongitude] + slot[kLongitudeShift];
  const double dy = std::sin((lat - s.source_lat_arcsec) * kRadiansPerArcsec / 2) * kEarthDiameter_m;
  const double dx = std::sin((lon - s.source_lon_arcsec) * kRadiansPerArcsec / 2) * kEarthDiameter_m *
                    std::cos(lat * kRadiansPerArcsec);
  const double d = std::sqrt(dy * dy + dx * dx);
  const double alpha = std::fabs(std::asin(d / 2 * kInverseEarthRadius_per_m));
  slot[kNorthDistance] = dy;
  slot[kEastDistance] = dx;
  slot[kDistance] = d;
  slot[kHalfAngle] = alpha;
  // The chord between the point h1 above the sphere at the station and the
  // point h2 above it at the cell, 2 alpha apart seen from the centre.
  const double e = std::cos(alpha) * (h2 - h1);
  const double h = std::sin(alpha) * (h2 + h1) + d;
  slot[kAntennaDistance] = std::sqrt(e * e + h * h);
  slot[kPatternFactor] = 1.0;
  if (s.use_pattern) slot[kPatternFactor] = pattern.PatternFactorAt(BearingDegrees(a, b, dy, dx));
}

}  // namespace

double BearingDegrees(int32_t a, int32_t b, double dy, double dx) {
  double beta = 90;
  if (dx != 0) beta = std::fabs(std::atan(dy / dx)) * 180 * kInversePi;
  if (a == 0 && b > 0) return 0;
  if (a == 0 && b < 0) return 180;
  if (a > 0 && b == 0) return 90;
  if (a < 0 && b == 0) return 270;
  if (a > 0 && b > 0) return 90 - beta;
  if (a < 0 && b > 0) return 270 + beta;
  if (a < 0 && b < 0) return 270 - beta;
  if (a > 0 && b < 0) return 90 + beta;
  return beta;  // the station's own cell
}

void GeometryPass(Context& ctx, WindowLink& link) {
  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  const GeometrySetup setup{ctx.run.SourceLatSeconds, ctx.run.SourceLonSeconds,
                            TxAntennaHeight_m(ctx.run.SourceElevation, p.Tx_Altitude), p.Rx_Altitude,
                            ctx.FloodMode == 0 && p.Antenna_Pattern_File != kNoPattern};
  const int32_t south = p.Range_South, north = p.Range_North;
  const int32_t west = p.Range_West, east = p.Range_East;
  for (int32_t b = -south; b < north && !ctx.StopRequested; ++b) {
    for (int32_t a = -west; a < east && !ctx.StopRequested; ++a) {
      if (ctx.CellAccess(READ_A, a, b) == 1) {
        CellGeometry(ctx.store.CurrentRecord, setup, ctx.pattern, a, b);
        ctx.CellAccess(WRITE_B, a, b);
      }
      link.ShowMessageCode(5003, a + west, b + south);
    }
  }
  link.ShowMessageCode(5003, 0, 0);
}

}  // namespace dorx
