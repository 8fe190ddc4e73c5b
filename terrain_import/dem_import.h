#pragma once
// Turning elevation sources into terrain tiles: for every tile the sources
// cover, the value of each 1.5" x 2.25" cell is the elevation at the cell's
// centre (Tokyo datum), moved into the source's datum with the datum-shift
// table, sampled bilinearly and rounded to 0.1 m; cells no source covers are
// no data. An existing tile is merged: its cells with data are kept unless
// `replace` is set.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/grid_position.h"
#include "files/datum_table.h"
#include "terrain_import/elevation_source.h"

namespace dorx {

// Japan as the grid covers it: latitudes 20..46 N, longitudes 122..154 E.
inline constexpr DegreeArea kJapanArea{20.0, 46.0, 122.0, 154.0};

struct ImportOptions {
  std::string mesh_folder;  // ends in a separator
  bool replace = false;
  // The datum-shift table for sources in JGD2000 (and those taken as it);
  // null: positions are used as they are (no shift).
  const DatumShiftTable* datum = nullptr;
  // Called before each tile with its number (from 1), the count and its code.
  std::function<void(size_t, size_t, const std::string&)> progress;
};

struct ImportSummary {
  std::vector<std::string> tiles_written;  // paths
  int64_t tiles_merged = 0;                // of them, tiles that existed before
  int64_t cells_with_data = 0;             // in the tiles written
  int64_t cells_without_data = 0;
};

struct ImportResult {
  ImportSummary summary;
  std::string error;  // empty on success; then nothing was written
};

// The tiles in which a source may have data (its extent, widened by the
// largest datum shift), inside Japan.
std::vector<TileCode> TilesOfSource(const ElevationSource& source);

// Imports the sources into every tile on which the centre of at least one
// cell lies on a source's raster; the first source that gives a cell data
// wins. Nothing is written when a source lies outside Japan or cannot be
// read, an existing tile is not a whole tile (unless `replace`), or no tile
// is covered: the tiles are written beside their place and moved there only
// when all are ready.
ImportResult ImportDem(const std::vector<std::unique_ptr<ElevationSource>>& sources, const ImportOptions& options);

}  // namespace dorx
