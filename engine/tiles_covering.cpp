#include "engine/tiles_covering.h"

#include <cmath>
#include <cstdint>

#include "platform/exact_division.h"

namespace dorx {
namespace {

// A tile is 5 minutes of latitude (300 s) by 7.5 minutes of longitude
// (450 s). In hundredths of a second:
constexpr int64_t kTileHeight_cs = 30000;
constexpr int64_t kTileWidth_cs = 45000;
constexpr int64_t kCsPerDegree = 360000;
constexpr int64_t kMeshLongitudeOrigin_cs = 100 * kCsPerDegree;  // longitude codes count from 100 degrees

// The tile row (or column) of the band that holds the position.
int64_t Band(double degrees, int64_t origin_cs, int64_t band_cs) {
  const int64_t value_cs = static_cast<int64_t>(std::floor(degrees * static_cast<double>(kCsPerDegree)));
  return static_cast<int64_t>(FloorDivide(value_cs - origin_cs, band_cs));
}

}  // namespace

std::vector<TileCode> TilesCovering(const DegreeArea& area) {
  std::vector<TileCode> tiles;
  const int64_t row_first = Band(area.lat_min, 0, kTileHeight_cs), row_last = Band(area.lat_max, 0, kTileHeight_cs);
  const int64_t col_first = Band(area.lon_min, kMeshLongitudeOrigin_cs, kTileWidth_cs);
  const int64_t col_last = Band(area.lon_max, kMeshLongitudeOrigin_cs, kTileWidth_cs);
  for (int64_t row = row_first; row <= row_last; ++row) {
    for (int64_t col = col_first; col <= col_last; ++col) {
      // Named by the grid position of the tile's centre, as the loading pass
      // names the tile of a cell.
      GridPosition grid;
      GridLatitude(grid, (static_cast<double>(row * kTileHeight_cs) + kTileHeight_cs / 2) / 100.0);
      GridLongitude(grid,
                    (static_cast<double>(kMeshLongitudeOrigin_cs + col * kTileWidth_cs) + kTileWidth_cs / 2) / 100.0);
      tiles.push_back(TileCodeOf(grid));
    }
  }
  return tiles;
}

}  // namespace dorx
