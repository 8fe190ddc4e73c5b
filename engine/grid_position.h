#pragma once
// Where a position lies in the Japanese grid-square (mesh) system: primary
// mesh (1 degree of longitude by 40 minutes of latitude), secondary mesh
// (7.5 by 5 minutes, one terrain tile) and the 2.25 by 1.5 second cell.
#include <cstdint>
#include <string>

namespace dorx {

struct GridPosition {
  int32_t latitude_code = 0;     // trunc(latitude in degrees x 1.5)
  int32_t secondary_row = 0;     // 0..7, 5-minute band inside the primary mesh
  int32_t fine_row = 0;          // 0..199, 1.5-second row from the tile's south edge
  int32_t latitude_seconds = 0;  // 0..299, whole seconds inside the secondary mesh
  int32_t longitude_code = 0;    // trunc(longitude in degrees - 100)
  int32_t secondary_column = 0;  // 0..7, 7.5-minute band inside the primary mesh
  int32_t fine_column = 0;       // 0..199, 2.25-second column from the tile's west edge
  int32_t longitude_seconds = 0; // 0..449, whole seconds inside the secondary mesh
};

// Fill the latitude or the longitude half of the position (arc-seconds).
void GridLatitude(GridPosition& grid, double latitude_arcsec);
void GridLongitude(GridPosition& grid, double longitude_arcsec);

// The 8-digit third-mesh code of the cell: latitude code, longitude code,
// secondary row, secondary column, the 30-second row and the 45-second column
// inside the secondary mesh, written one after another and read back as an
// integer (as C's atol would read the text).
int32_t DatumKey(const GridPosition& grid);

// The four numbers that name a tile.
struct TileCode {
  int32_t latitude_code = 0;
  int32_t longitude_code = 0;
  int32_t secondary_row = 0;
  int32_t secondary_column = 0;
  bool operator==(const TileCode&) const = default;
};
TileCode TileCodeOf(const GridPosition& grid);

// MeshFolder + "%d%d/%d%d%d%d.mem".
std::string TilePath(const std::string& mesh_folder, const TileCode& tile);

}  // namespace dorx
