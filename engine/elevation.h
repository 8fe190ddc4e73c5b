#pragma once
// The few conversions of a stored elevation (slot 0, whole tenths of a metre,
// -9999 = no data) that several passes share.
#include <cstdint>

#include "platform/cut.h"

namespace dorx {

inline constexpr int32_t kNoElevation = -9999;

// The elevation that the elevation range and the anomaly test use: -10 m for
// a cell without data.
inline double ElevationForRange_m(double slot0) { return slot0 <= -9999 ? -10.0 : slot0 * 0.1; }

// Widens the area's elevation range (ElevationMax, ElevationMin) by one cell.
inline void WidenElevationRange(double slot0, double& max_m, double& min_m) {
  const double e = ElevationForRange_m(slot0);
  if (e > max_m) max_m = e;
  if (e < min_m) min_m = e;
}

// The ground under an antenna: 0 m for a cell without data.
inline double GroundHeight_m(double slot0) { return CutToInt(slot0) == kNoElevation ? 0.0 : slot0 * 0.1; }

// The transmitting antenna above sea level. A station whose own cell has no
// elevation stands on 0 m, as every receiving cell without data does.
inline double TxAntennaHeight_m(int32_t source_elevation, double tx_altitude_m) {
  const double ground_m = source_elevation == kNoElevation ? 0.0 : source_elevation * 0.1;
  return ground_m + tx_altitude_m;
}

}  // namespace dorx
