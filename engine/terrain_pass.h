#pragma once
// The loading pass: one record per cell from the terrain tiles, the elevation
// range, the re-centring on the station's cell and the Compensation search.
#include <cstdint>
#include <string>

#include "engine/context.h"
#include "engine/grid_position.h"
#include "engine/tile_file.h"
#include "engine/window_link.h"

namespace dorx {

// What one run of the pass keeps between cells: the tile files read, the
// path of the last tile named, and the last datum lookup.
struct TerrainReadCache {
  TileFileCache files;
  bool has_tile = false;
  TileCode tile;
  std::string tile_path;
  bool has_key = false;
  int32_t key = 0;
  DatumShift shift;
};

struct CellTerrain {
  DatumShift shift;  // CellShift
  int32_t elevation = -9999;  // CellElevation, 0.1 m
  bool tile_missing = false;  // the tile could not be opened
};

// The datum shift and the elevation of the cell at `grid`, loading its tile
// into ctx.tiles when it is not the one loaded (and then setting the tile's
// status text as MessageText).
CellTerrain ReadCellTerrain(Context& ctx, TerrainReadCache& cache, const GridPosition& grid);

void LoadTerrainPass(Context& ctx, WindowLink& link);

// Degrees, minutes and seconds as arc-seconds.
double DmsToSeconds(const Dms& dms);

}  // namespace dorx
