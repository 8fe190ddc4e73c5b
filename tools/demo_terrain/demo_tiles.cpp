#include "tools/demo_terrain/demo_tiles.h"

#include "engine/tile_writer.h"
#include "platform/c_format.h"
#include "platform/file_system.h"
#include "platform/sjis.h"
#include "tools/demo_terrain/demo_elevation.h"
#include "tools/demo_terrain/value_noise.h"

namespace dorx::demo {
namespace {

// Cells are 1.5 s by 2.25 s, in hundredths of a second:
constexpr int64_t kCellHeight_cs = 150;
constexpr int64_t kCellWidth_cs = 225;
constexpr int kCells = kTileCells;
// The year in the header fields, fixed so that an area always gives the same bytes.
constexpr int kDemoYear = 2026;

}  // namespace

std::string DemoTileText(const TileCode& tile) {
  const std::string name10 = Utf8ToCp932("デモ") + MeshCodeText(tile);  // 4 + 6 bytes
  const TileCorners corners = CornersOf(tile);
  const int64_t south_cs = corners.south_arcsec * 100, west_cs = corners.west_arcsec * 100;
  TileGrid values;
  for (int row = 0; row < kCells; ++row) {
    const int64_t lat_cs = south_cs + row * kCellHeight_cs;
    for (int column = 0; column < kCells; ++column)
      values[static_cast<size_t>(row)][static_cast<size_t>(column)] =
          DemoElevation(lat_cs, west_cs + column * kCellWidth_cs);
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
