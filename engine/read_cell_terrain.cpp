#include "engine/terrain_pass.h"

namespace dorx {
namespace {

DatumShift CellShift(const DatumShiftTable& datum, TerrainReadCache& cache, const GridPosition& grid) {
  const int32_t key = DatumKey(grid);
  if (!cache.has_key || cache.key != key) {
    cache.shift = datum.Lookup(key);
    cache.key = key;
    cache.has_key = true;
  }
  return cache.shift;
}

const std::string& CellTilePath(const std::string& mesh_folder, TerrainReadCache& cache,
                                const GridPosition& grid) {
  const TileCode tile = TileCodeOf(grid);
  if (!cache.has_tile || !(cache.tile == tile)) {
    cache.tile_path = TilePath(mesh_folder, tile);
    cache.tile = tile;
    cache.has_tile = true;
  }
  return cache.tile_path;
}

}  // namespace

CellTerrain ReadCellTerrain(Context& ctx, TerrainReadCache& cache, const GridPosition& grid) {
  CellTerrain cell;
  cell.shift = CellShift(ctx.datum, cache, grid);
  const std::string& path = CellTilePath(ctx.MeshFolder, cache, grid);
  if (path != ctx.tiles.LoadedTilePath) {
    const TileFile& file = cache.files.Get(path);
    if (!file.opened) {
      cell.tile_missing = true;
      return cell;  // TileLines and LoadedTilePath stay: the next cell tries again
    }
    if (file.lines.size() < static_cast<size_t>(TerrainTiles::kSlots))
      ctx.tiles.short_tiles[path] = static_cast<int32_t>(file.lines.size());
    ApplyTileFile(ctx.tiles, file, path);
    ctx.SetMessageText(TileStatusText(ctx.tiles, cache.tile));
  }
  // A cell south or west of the grid's origin has no place in any tile.
  if (grid.fine_row < 0 || grid.fine_column < 0) return cell;
  cell.elevation = TileElevation(ctx.tiles, grid.fine_row, grid.fine_column);
  return cell;
}

}  // namespace dorx
