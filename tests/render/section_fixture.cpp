#include "render/section_fixture.h"

#include <cmath>

namespace dorx::test {

double HillElevation_m(int32_t a) { return 100.0 + 400.0 * std::exp(-((a - 10) / 4.0) * ((a - 10) / 4.0)); }

CellRecord HillCellRecord(int32_t a, int32_t b) {
  CellRecord r = NamedCellRecord(a, b);
  r.slot[kDistance] = std::hypot(a * 250.0, b * 200.0);
  r.slot[kElevation] = a < -14 ? NO_DATA : std::trunc(HillElevation_m(a) * 10);
  r.slot[kFieldStrength] = 45.0 - 1.5 * std::abs(a);
  r.slot[kFloodDepth] = a < -14 ? NO_DATA : 200.0 - r.slot[kElevation] * 0.1;
  return r;
}

HillResult::HillResult() : DrawnResult({20, 40, 10, 10}, 300.0, 100.0) {
  ctx.run.ElevationMax = 500.0;
  ctx.run.ElevationMin = 0.0;
  ctx.params.Tx_Altitude = 50.0;
  ctx.params.Rx_Altitude = 10.0;
  ctx.params.WaterLevel = 200.0;
  ctx.params.Project_Name = Sjis("試験局");
  WriteResult(HillCellRecord);
  rs.cursor.X = kHillTargetX;
  rs.cursor.Y = kHillTargetY;
}

}  // namespace dorx::test
