#pragma once
// The path profile from the station to one cell: a walk across the cell grid
// in steps of 0.1 cell along the main direction, sampling every cell it
// enters, and the field strength from the highest cell above the direct line.
//
// A sampler stands for the profile sample access of the cell store (type 51):
// called with a cell's column and row offsets it either reads the cell and
// gives its elevation and distance (true), or skips it because it is the
// record it read last (false).
#include <cmath>
#include <cstdint>

#include "engine/cell_record.h"
#include "engine/context.h"
#include "engine/elevation.h"
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

// r rows north and c columns east of the station, fractional.
template <class Sampler>
void SampleProfile(PathProfile& path, const FieldSetup& setup, double r, double c, Sampler& sample) {
  const int32_t row = CutToInt(r);
  const int32_t column = CutToInt(c);
  if (row == path.last_row && column == path.last_column) return;
  path.last_row = row;
  path.last_column = column;
  // The walk may end one row beyond the north edge or one column beyond the
  // east edge: such a cell is not part of the store and is never read.
  if (row < -setup.south || row >= setup.north || column < -setup.west || column >= setup.east) return;
  SampleValues s;
  if (!sample(column, row, s)) return;
  const double d = path.cell_distance_m;
  const double z = path.h2_m + (path.h1_m - path.h2_m) * (d - s.distance_m) / d;
  if (s.elevation * 0.1 > z) {
    path.line_of_sight = -1;
    AddObstacle(path, s.elevation, s.distance_m);
  }
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
// north-south, otherwise along the rows. The test comes before each step, so
// the last sample lies at or up to 0.1 beyond the cell.
template <class Sampler>
void WalkProfile(PathProfile& path, const CellRecord& cell, const FieldSetup& setup, Sampler& sample) {
  const ProfileOffsets o = OffsetsOf(cell, setup);
  double a = 0;
  if (std::fabs(cell.slot[kNorthDistance]) <= std::fabs(cell.slot[kEastDistance])) {
    const double w = o.u != 0 ? o.t / o.u : 0;
    if (o.u < 0) {
      while (a > o.u) {
        a = a - 0.1;
        SampleProfile(path, setup, w * a, a, sample);
      }
    } else {
      while (a < o.u) {
        a = a + 0.1;
        SampleProfile(path, setup, w * a, a, sample);
      }
    }
  } else {
    const double v = o.t != 0 ? o.u / o.t : 0;
    if (o.t < 0) {
      while (a > o.t) {
        a = a - 0.1;
        SampleProfile(path, setup, a, v * a, sample);
      }
    } else {
      while (a < o.t) {
        a = a + 0.1;
        SampleProfile(path, setup, a, v * a, sample);
      }
    }
  }
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
