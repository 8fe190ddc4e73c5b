#pragma once
// The tiles (secondary meshes) that hold the cells of an area.
#include <vector>

#include "engine/grid_position.h"

namespace dorx {

// An area in degrees (the grid's own coordinates, Tokyo datum).
struct DegreeArea {
  double lat_min = 0.0, lat_max = 0.0, lon_min = 0.0, lon_max = 0.0;
};

// The tiles that hold every position of the area, edges included, south to
// north, west to east.
std::vector<TileCode> TilesCovering(const DegreeArea& area);

}  // namespace dorx
