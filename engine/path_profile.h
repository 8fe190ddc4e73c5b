#pragma once
// The path profile from the station to one cell: a walk across the cell grid
// in steps of 0.1 cell along the main direction, sampling every cell it
// enters, and the field strength from the highest cell above the direct line.
//
// A sampler stands for the profile sample access of the cell store (type 51):
// called with a cell's column and row offsets it either reads the cell and
// gives its elevation and distance (true), or skips it because it is the
// record it read last (false).
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/cell_record.h"
#include "engine/context.h"
#include "engine/elevation.h"
#include "engine/walk_steps.h"
#include "platform/cut.h"

namespace dorx {

// What the field-strength pass takes from the context, fixed for the pass.
struct FieldSetup {
  double origin_lat_arcsec = 0.0;  // ProfileOrigin: the station with whole seconds
  double origin_lon_arcsec = 0.0;
  double tx_antenna_height_m = 0.0;  // h1
  double rx_altitude_m = 0.0;
  // The calculation area: a sample outside it is never read.
  int32_t south = 0, north = 0, west = 0, east = 0;
  double tx_power_W = 0.0;
  double antenna_gain_dB = 0.0;
  double tx_loss_dB = 0.0;
  double rx_loss_dB = 0.0;
  double rx_impedance_ohm = 0.0;
  double frequency_MHz = 0.0;
};
FieldSetup MakeFieldSetup(const Context& ctx);

struct SampleValues {
  double elevation = 0.0;   // slot 0, 0.1 m
  double distance_m = 0.0;  // slot 7
};

// The per-path state. Only the highest obstacle (the first sampled among
// equal heights) enters the loss, so it is kept as a running maximum instead
// of a list that long rough paths could overflow.
struct PathProfile {
  double h1_m = 0.0;
  double h2_m = 0.0;
  double cell_distance_m = 0.0;  // slot 7 of the cell
  int32_t last_row = 0;
  int32_t last_column = 0;
  int line_of_sight = 1;  // 1 no obstacle, -1 at least one
  int64_t obstacle_count = 0;
  double highest_elevation = NO_DATA;  // 0.1 m
  double highest_distance_m = NO_DATA;
};

struct ProfileResult {
  double field_strength = 0.0;  // dBuV/m
  int line_of_sight = 1;
};

void ResetProfile(PathProfile& path, const CellRecord& cell, const FieldSetup& setup);

// Keeps the highest obstacle; among equal heights the earlier one stays.
inline void AddObstacle(PathProfile& path, double elevation, double distance_m) {
  if (path.obstacle_count == 0 || path.highest_elevation < elevation) {
    path.highest_elevation = elevation;
    path.highest_distance_m = distance_m;
  }
  ++path.obstacle_count;
}

// The cell a step of the walk lands in, rows north and columns east of the
// station's cell.
struct WalkCell {
  int32_t row = 0;
  int32_t column = 0;
};

inline bool InsideArea(const FieldSetup& setup, int32_t row, int32_t column) {
  return row >= -setup.south && row < setup.north && column >= -setup.west && column < setup.east;
}

// One step of the walk into `cell`: a cell other than the last one entered is
// sampled. The walk may end one row beyond the north edge or one column
// beyond the east edge: such a cell is not part of the store and is never
// read. Returns false when the walk has left an area that holds the
// station's cell: both coordinates of a walk move away from that cell
// monotonically, so no later step can come back into the area.
template <class Sampler>
bool EnterCell(PathProfile& path, const FieldSetup& setup, WalkCell cell, Sampler& sample) {
  if (cell.row == path.last_row && cell.column == path.last_column) return true;
  path.last_row = cell.row;
  path.last_column = cell.column;
  if (!InsideArea(setup, cell.row, cell.column)) return !InsideArea(setup, 0, 0);
  SampleValues s;
  if (!sample(cell.column, cell.row, s)) return true;
  const double d = path.cell_distance_m;
  const double z = path.h2_m + (path.h1_m - path.h2_m) * (d - s.distance_m) / d;
  if (s.elevation * 0.1 > z) {
    path.line_of_sight = -1;
    AddObstacle(path, s.elevation, s.distance_m);
  }
  return true;
}

// The cell's JGD2000 position relative to the origin in rows (t) and columns (u).
struct ProfileOffsets {
  double t = 0.0;
  double u = 0.0;
};
inline ProfileOffsets OffsetsOf(const CellRecord& cell, const FieldSetup& setup) {
  const double* s = cell.slot.data();
  return {(s[kLatitude] + s[kLatitudeShift] - setup.origin_lat_arcsec) * 2.0 / 3.0,
          (s[kLongitude] + s[kLongitudeShift] - setup.origin_lon_arcsec) * 4.0 / 9.0};
}

// The walk: along the columns when the path runs more east-west than
// north-south, otherwise along the rows. Position a runs along the main axis
// from 0 in steps of 0.1 towards `end`; the other axis stands at slope x a.
struct ProfileWalk {
  bool along_columns = true;
  double end = 0.0;    // u along the columns, t along the rows
  double slope = 0.0;  // t / u or u / t, 0 when the divisor is 0
};

inline ProfileWalk WalkOf(const CellRecord& cell, const FieldSetup& setup) {
  const ProfileOffsets o = OffsetsOf(cell, setup);
  ProfileWalk w;
  w.along_columns = std::fabs(cell.slot[kNorthDistance]) <= std::fabs(cell.slot[kEastDistance]);
  w.end = w.along_columns ? o.u : o.t;
  const double other = w.along_columns ? o.t : o.u;
  w.slope = w.end != 0 ? other / w.end : 0;
  return w;
}

inline WalkCell CellAt(const ProfileWalk& w, int32_t main, int32_t cross) {
  return w.along_columns ? WalkCell{cross, main} : WalkCell{main, cross};
}

inline int32_t CrossAt(const ProfileWalk& w, double a) { return CutToInt(w.slope * a); }

// The walk one step after the other. The test comes before each step, so the
// last sample lies at or up to 0.1 beyond the cell.
template <class Sampler>
void WalkStepByStep(PathProfile& path, const FieldSetup& setup, const ProfileWalk& w, Sampler& sample) {
  double a = 0;
  if (w.end < 0) {
    while (a > w.end) {
      a = a - 0.1;
      if (!EnterCell(path, setup, CellAt(w, CutToInt(a), CrossAt(w, a)), sample)) return;
    }
  } else {
    while (a < w.end) {
      a = a + 0.1;
      if (!EnterCell(path, setup, CellAt(w, CutToInt(a), CrossAt(w, a)), sample)) return;
    }
  }
}

// The same walk over the step table, entering the same cells in the same
// order without visiting every step: along the walk both cell coordinates
// change monotonically, so between two steps in the same cell every step is
// in that cell. Within the steps of one main-axis cell (known from the
// table) the first change of the other coordinate is found by bisection.
// False when the table cannot carry the walk.
template <class Sampler>
bool WalkByTable(PathProfile& path, const FieldSetup& setup, const ProfileWalk& w, Sampler& sample) {
  if (!std::isfinite(w.slope) || path.last_row != 0 || path.last_column != 0) return false;
  const WalkSteps& table = TheWalkSteps();
  const std::span<const double> at = table.position;
  const bool down = w.end < 0;
  // Steps 1 .. last are taken: `last` is the first step not short of the end.
  size_t last = 0;
  {
    size_t lo = 0, hi = at.size();
    while (lo < hi) {
      const size_t mid = lo + (hi - lo) / 2;
      if (down ? -at[mid] > w.end : at[mid] < w.end) lo = mid + 1;
      else hi = mid;
    }
    last = lo;
  }
  if (last >= at.size()) return false;
  const double sign = down ? -1.0 : 1.0;
  auto cross_at = [&](size_t k) { return CrossAt(w, sign * at[k]); };
  size_t k = 0;
  int32_t main = 0, cross = 0;
  while (k < last) {
    // Steps k + 1 .. span_end stay in main-axis cell `main`.
    const size_t next_cell = table.first_step[static_cast<size_t>(main) + 1];
    const size_t span_end = std::min(next_cell - 1, last);
    while (k < span_end && cross_at(span_end) != cross) {
      size_t lo = k, hi = span_end;  // cross_at(lo) == cross, cross_at(hi) != cross
      while (hi - lo > 1) {
        const size_t mid = lo + (hi - lo) / 2;
        if (cross_at(mid) == cross) lo = mid;
        else hi = mid;
      }
      k = hi;
      cross = cross_at(k);
      if (!EnterCell(path, setup, CellAt(w, down ? -main : main, cross), sample)) return true;
    }
    k = span_end;
    if (k >= last) break;
    k = next_cell;
    ++main;
    cross = cross_at(k);
    if (!EnterCell(path, setup, CellAt(w, down ? -main : main, cross), sample)) return true;
  }
  return true;
}

template <class Sampler>
void WalkProfile(PathProfile& path, const CellRecord& cell, const FieldSetup& setup, Sampler& sample) {
  const ProfileWalk w = WalkOf(cell, setup);
  if (!WalkByTable(path, setup, w, sample)) WalkStepByStep(path, setup, w, sample);
}

double ComputeFieldStrength(const CellRecord& cell, const PathProfile& path, const FieldSetup& setup);

template <class Sampler>
ProfileResult TraceProfile(const CellRecord& cell, const FieldSetup& setup, Sampler& sample) {
  PathProfile path;
  ResetProfile(path, cell, setup);
  WalkProfile(path, cell, setup, sample);
  return ProfileResult{ComputeFieldStrength(cell, path, setup), path.line_of_sight};
}

// The sample access of the cell store itself (CellAccess type 51).
struct StoreSampler {
  CellStore& store;
  const ProjectParameters& params;
  bool operator()(int32_t column, int32_t row, SampleValues& out) {
    if (CellAccess(store, params, READ_B_SAMPLE, column, row) <= 0) return false;
    out.elevation = store.SampleRecord.slot[kElevation];
    out.distance_m = store.SampleRecord.slot[kDistance];
    return true;
  }
};

}  // namespace dorx
