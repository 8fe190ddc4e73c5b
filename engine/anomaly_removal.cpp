#include <cmath>

#include "engine/elevation.h"
#include "engine/passes.h"

namespace dorx {
namespace {

// The scan state along one line: the magnitude of the previous cell's
// elevation before any replacement, and its stored value after it.
struct LineScan {
  bool first = true;
  double previous_magnitude_m = 0.0;
  double previous_value = 0.0;
};

// One cell of a line: a rise steeper than the threshold takes the stored
// value of the cell before it. The first cell of a line is its own
// predecessor, so it is never lowered.
void ScanCell(LineScan& scan, CellRecord& record, double threshold_m) {
  const double e = ElevationForRange_m(record.slot[kElevation]);
  if (scan.first) {
    scan.previous_magnitude_m = std::fabs(e);
    scan.previous_value = record.slot[kElevation];
    scan.first = false;
  }
  if (e - scan.previous_magnitude_m > threshold_m) record.slot[kElevation] = scan.previous_value;
  scan.previous_magnitude_m = std::fabs(e);
  scan.previous_value = record.slot[kElevation];
}

void FilterCell(Context& ctx, WindowLink& link, LineScan& scan, int type, int32_t a, int32_t b) {
  const ProjectParameters& p = ctx.params;
  ctx.CellAccess(READ_B, a, b);
  ScanCell(scan, ctx.store.CurrentRecord, p.Removal_of_Abnormal_Data);
  ctx.CellAccess(WRITE_A, a, b);
  link.ShowMessageCode(type == 1 ? 5007 : 5009, a + p.Range_West, b + p.Range_South);
  if (type == 3)
    WidenElevationRange(ctx.store.CurrentRecord.slot[kElevation], ctx.run.ElevationMax, ctx.run.ElevationMin);
}

}  // namespace

void RemoveAnomalies(Context& ctx, WindowLink& link, int type) {
  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  const int32_t south = p.Range_South, north = p.Range_North;
  const int32_t west = p.Range_West, east = p.Range_East;
  if (type == 1) {
    for (int32_t b = -south; b < north && !ctx.StopRequested; ++b) {
      LineScan scan;
      for (int32_t a = -west; a < east && !ctx.StopRequested; ++a) FilterCell(ctx, link, scan, type, a, b);
    }
  } else if (type == 3) {
    ctx.run.ElevationMax = 0.0;
    ctx.run.ElevationMin = 3800.0;
    for (int32_t a = -west; a < east && !ctx.StopRequested; ++a) {
      LineScan scan;
      for (int32_t b = -south; b < north && !ctx.StopRequested; ++b) FilterCell(ctx, link, scan, type, a, b);
    }
  }
}

}  // namespace dorx
