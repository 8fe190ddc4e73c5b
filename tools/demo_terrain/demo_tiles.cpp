#include "tools/demo_terrain/demo_tiles.h"

#include <cmath>

#include "engine/tile_writer.h"
#include "platform/c_format.h"
#include "platform/file_system.h"
#include "platform/sjis.h"
#include "tools/demo_terrain/demo_elevation.h"
#include "tools/demo_terrain/value_noise.h"

namespace dorx::demo {
namespace {

// A tile is 5 minutes of latitude (300 s) by 7.5 minutes of longitude
// (450 s); its cells 1.5 s by 2.25 s, 200 each way. In hundredths of a second:
constexpr int64_t kTileHeight_cs = 30000;
constexpr int64_t kTileWidth_cs = 45000;
constexpr int64_t kCellHeight_cs = 150;
constexpr int64_t kCellWidth_cs = 225;
constexpr int64_t kCsPerDegree = 360000;
constexpr int64_t kMeshLongitudeOrigin_cs = 100 * kCsPerDegree;  // longitude codes count from 100 degrees
constexpr int kCells = kTileCells;
// The year in the header fields, fixed so that an area always gives the same bytes.
constexpr int kDemoYear = 2026;

// The tile's south-west corner in hundredths of an arc-second.
struct TileCorner {
  int64_t lat_cs;
  int64_t lon_cs;
};

TileCorner CornerOf(const TileCode& t) {
  // Latitude code = whole part of degrees x 1.5: one code is 40 minutes.
  return {(int64_t{t.latitude_code} * 8 + t.secondary_row) * kTileHeight_cs,
          kMeshLongitudeOrigin_cs + (int64_t{t.longitude_code} * 8 + t.secondary_column) * kTileWidth_cs};
}

std::string CodeDigits(const TileCode& t) {
  return Format("%d%d%d%d", t.latitude_code, t.longitude_code, t.secondary_row, t.secondary_column);
}

// The tile row (or column) of the band that holds the position.
int64_t Band(double degrees, int64_t origin_cs, int64_t band_cs) {
  const int64_t value_cs = static_cast<int64_t>(std::floor(degrees * static_cast<double>(kCsPerDegree)));
  return FloorDiv(value_cs - origin_cs, band_cs);
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
      GridLongitude(grid, (static_cast<double>(kMeshLongitudeOrigin_cs + col * kTileWidth_cs) + kTileWidth_cs / 2) / 100.0);
      tiles.push_back(TileCodeOf(grid));
    }
  }
  return tiles;
}

std::string DemoTileText(const TileCode& tile) {
  const std::string name10 = Utf8ToCp932("デモ") + CodeDigits(tile);  // 4 + 6 bytes
  const TileCorner corner = CornerOf(tile);
  TileGrid values;
  for (int row = 0; row < kCells; ++row) {
    const int64_t lat_cs = corner.lat_cs + row * kCellHeight_cs;
    for (int column = 0; column < kCells; ++column)
      values[static_cast<size_t>(row)][static_cast<size_t>(column)] =
          DemoElevation(lat_cs, corner.lon_cs + column * kCellWidth_cs);
  }
  return TileFileText(tile, name10, kDemoYear, values);
}

std::vector<std::string> WriteDemoTiles(const std::string& mesh_folder, const DegreeArea& area, std::string& error) {
  std::vector<std::string> written;
  if (!CreateFolder(mesh_folder)) {
    error = "cannot create " + mesh_folder;
    return {};
  }
  for (const TileCode& tile : TilesCovering(area)) {
    const std::string path = TilePath(mesh_folder, tile);
    if (!CreateFolder(FolderOf(path)) || !WriteWholeFile(path, DemoTileText(tile))) {
      error = "cannot write " + path;
      return {};
    }
    written.push_back(path);
  }
  return written;
}

}  // namespace dorx::demo
