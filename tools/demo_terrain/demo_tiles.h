#pragma once
// The demo terrain as tile files: every secondary mesh that an area touches,
// written in the tile format the loading pass reads.
#include <string>
#include <vector>

#include "engine/grid_position.h"

namespace dorx::demo {

// An area in degrees (the grid's own coordinates).
struct DegreeArea {
  double lat_min = 0.0, lat_max = 0.0, lon_min = 0.0, lon_max = 0.0;
};

// The tiles that hold every cell of the area, south to north, west to east.
std::vector<TileCode> TilesCovering(const DegreeArea& area);

// One tile in the published layout (engine/tile_writer.h) with the 10-byte
// CP932 name "デモ" + the 6-digit code at bytes 58 to 67.
std::string DemoTileText(const TileCode& tile);

// Writes the tiles below `mesh_folder` (ending in a separator) as
// <mesh>LLMM/LLMMRC.mem; the paths written, or an empty list and `error`
// on the first failure.
std::vector<std::string> WriteDemoTiles(const std::string& mesh_folder, const DegreeArea& area, std::string& error);

}  // namespace dorx::demo
