#pragma once
// State of the terrain tiles that lives from one run to the next: the tile
// last loaded (TileLines, LoadedTilePath), and what the last run found missing.
#include <array>
#include <cstdint>
#include <map>
#include <string>

namespace dorx {

struct TerrainTiles {
  // Slot 200 holds the header, slot r (0..199) the data row r from the south edge.
  std::array<std::string, 201> TileLines;
  std::string LoadedTilePath;

  // Tiles of the last run that could not be opened, with the number of cells
  // they left without data.
  std::map<std::string, int64_t> missing_tiles;
};

}  // namespace dorx
