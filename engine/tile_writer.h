#pragma once
// Writing terrain tiles in the tile product's published layout, which the
// loading pass reads (tile_file.h) and which GDAL's JDEM driver opens.
//
// Header record, 1,009 characters and CR LF:
//   0-5 mesh code, 6-10 map scale (25000), 11-14, 15-18, 19-22 three years,
//   23-25 points west to east (200), 26-28 points south to north (200),
//   29-35 south-west latitude, 36-42 south-west longitude, 43-49 north-east
//   latitude, 50-56 north-east longitude (each DDDMMSS, Tokyo datum),
//   58-67 the 10-byte CP932 name of the tile, blanks elsewhere.
// Then 200 data records of 1,009 characters and CR LF, the northernmost
// first: 0-5 mesh code, 6-8 record number 001 to 200, then 200 fields "%5d"
// west to east, elevations in 0.1 m, -9999 for no data.
#include <array>
#include <cstdint>
#include <string>

#include "engine/grid_position.h"

namespace dorx {

inline constexpr int kTileCells = 200;
inline constexpr int32_t kNoElevation = -9999;
inline constexpr size_t kTileRecordChars = 1009;
inline constexpr size_t kTileNameBytes = 10;

// The elevations of one tile in 0.1 m, [row from the south edge][column from
// the west edge], as the loading pass addresses its fine rows and columns.
using TileGrid = std::array<std::array<int32_t, kTileCells>, kTileCells>;

// A tile with every cell at kNoElevation.
TileGrid EmptyTileGrid();

// "%d%d%d%d" of the four codes: the six-digit mesh code.
std::string MeshCodeText(const TileCode& tile);

// The tile's south-west and north-east corners, Tokyo datum, in whole
// arc-seconds.
struct TileCorners {
  int64_t south_arcsec, west_arcsec, north_arcsec, east_arcsec;
};
TileCorners CornersOf(const TileCode& tile);

// The whole tile file. `name` gives the 10 bytes at 58-67 (cut or padded
// with blanks); `year` fills the three year fields.
std::string TileFileText(const TileCode& tile, const std::string& name, int year, const TileGrid& values);

}  // namespace dorx
