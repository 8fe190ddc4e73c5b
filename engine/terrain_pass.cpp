#include "engine/terrain_pass.h"

#include <cmath>

#include "engine/elevation.h"
#include "platform/cut.h"

namespace dorx {
namespace {

// The cell whose JGD2000 position is nearest to the station, rows and
// columns tracked on their own; ties keep the earlier (south, west) cell.
struct NearestCell {
  double best_latitude = 999999.99;
  double best_longitude = 999999.99;
  int32_t row = 0;
  int32_t column = 0;
  double tokyo_latitude = 0.0;
  double tokyo_longitude = 0.0;

  void Consider(const RunValues& run, double cell_lat, double cell_lon, const DatumShift& shift,
                int32_t row_from_south, int32_t column_from_west) {
    const double j = cell_lat + shift.latitude_arcsec;
    if (std::fabs(best_latitude - run.SourceLatSeconds) > std::fabs(j - run.SourceLatSeconds)) {
      tokyo_latitude = cell_lat;
      row = row_from_south;
      best_latitude = j;
    }
    const double g = cell_lon + shift.longitude_arcsec;
    if (std::fabs(best_longitude - run.SourceLonSeconds) > std::fabs(g - run.SourceLonSeconds)) {
      tokyo_longitude = cell_lon;
      column = column_from_west;
      best_longitude = g;
    }
  }
};

// The station's cell becomes offset (0, 0); the totals stay.
void RecentreArea(ProjectParameters& p, const NearestCell& nearest) {
  p.Range_North = p.Range_South + p.Range_North - nearest.row;
  p.Range_South = nearest.row;
  p.Range_East = p.Range_West + p.Range_East - nearest.column;
  p.Range_West = nearest.column;
}

Dms SecondsToDms(double seconds) {
  Dms dms;
  dms.degrees = CutToInt(seconds / 3600);
  dms.minutes = CutToInt(seconds / 60 - dms.degrees * 60);
  dms.seconds = seconds - dms.degrees * 3600 - dms.minutes * 60;
  return dms;
}

// Moves the station to the highest cell within v cells of the nearest cell
// when one is strictly higher than the station's own cell.
void CompensateStation(Context& ctx, TerrainReadCache& cache, const NearestCell& nearest) {
  const int32_t v = ctx.params.Compensation;
  int32_t best = ctx.run.SourceElevation;
  double best_lat = 0.0;
  double best_lon = 0.0;
  GridPosition grid;
  double cell_lat = nearest.tokyo_latitude - v * 1.5;
  for (int32_t r = -v; r <= v; ++r) {
    GridLatitude(grid, cell_lat);
    double cell_lon = nearest.tokyo_longitude - v * 2.25;
    for (int32_t c = -v; c <= v; ++c) {
      GridLongitude(grid, cell_lon);
      const CellTerrain cell = ReadCellTerrain(ctx, cache, grid);
      if (cell.elevation > best) {
        best = cell.elevation;
        best_lat = cell_lat + cell.shift.latitude_arcsec;
        best_lon = cell_lon + cell.shift.longitude_arcsec;
      }
      cell_lon += 2.25;
    }
    cell_lat += 1.5;
  }
  if (best > ctx.run.SourceElevation) {
    ctx.params.Source_North_latitude = SecondsToDms(best_lat);
    ctx.params.Source_East_longitude = SecondsToDms(best_lon);
    ctx.run.SourceElevation = best;
  }
}

void WriteTerrainRecord(CellRecord& record, const CellTerrain& cell, double cell_lat, double cell_lon) {
  record.Clear();
  record.slot[kElevation] = cell.elevation;
  record.slot[kLatitude] = cell_lat;
  record.slot[kLongitude] = cell_lon;
  record.slot[kLatitudeShift] = cell.shift.latitude_arcsec;
  record.slot[kLongitudeShift] = cell.shift.longitude_arcsec;
}

}  // namespace

double DmsToSeconds(const Dms& dms) { return dms.degrees * 3600 + dms.minutes * 60 + dms.seconds; }

void LoadTerrainPass(Context& ctx, WindowLink& link) {
  ProjectParameters& p = ctx.params;
  RunValues& run = ctx.run;
  run.SourceLatSeconds = DmsToSeconds(p.Source_North_latitude);
  run.SourceLonSeconds = DmsToSeconds(p.Source_East_longitude);
  run.ElevationMax = 0.0;
  run.ElevationMin = 3800.0;
  ctx.tiles.missing_tiles.clear();
  ctx.tiles.short_tiles.clear();
  NearestCell nearest;
  TerrainReadCache cache;
  GridPosition grid;
  ctx.CellAccess(RESET_CACHE, 0, 0);

  const int32_t south = p.Range_South, north = p.Range_North;
  const int32_t west = p.Range_West, east = p.Range_East;
  double cell_lat = run.SourceLatSeconds - south * 1.5;
  for (int32_t b = -south; b < north && !ctx.StopRequested; ++b) {
    GridLatitude(grid, cell_lat);
    double cell_lon = run.SourceLonSeconds - west * 2.25;
    for (int32_t a = -west; a < east && !ctx.StopRequested; ++a) {
      GridLongitude(grid, cell_lon);
      const CellTerrain cell = ReadCellTerrain(ctx, cache, grid);
      if (cell.tile_missing) ++ctx.tiles.missing_tiles[cache.tile_path];
      CellRecord& record = ctx.store.CurrentRecord;
      WriteTerrainRecord(record, cell, cell_lat, cell_lon);
      nearest.Consider(run, cell_lat, cell_lon, cell.shift, b + south, a + west);
      WidenElevationRange(record.slot[kElevation], run.ElevationMax, run.ElevationMin);
      ctx.CellAccess(WRITE_A, a, b);
      link.ShowMessageCode(5001, a + west, b + south);
      cell_lon += 2.25;
    }
    cell_lat += 1.5;
  }

  RecentreArea(p, nearest);
  GridLatitude(grid, nearest.tokyo_latitude);
  GridLongitude(grid, nearest.tokyo_longitude);
  run.SourceElevation = ReadCellTerrain(ctx, cache, grid).elevation;
  if (ctx.FloodMode == 0 && p.Compensation > 0) CompensateStation(ctx, cache, nearest);
}

}  // namespace dorx
