#pragma once
// State of the terrain tiles that lives from one run to the next: the tile
// last loaded (TileLines, LoadedTilePath), and what the last run found
// missing or short, for the report of the command line.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace dorx {

// One line of a tile file as read (at most 1,010 characters, the line end
// included when it fits), cut at a zero byte as a C string would be.
using TileLine = std::shared_ptr<const std::string>;

struct TerrainTiles {
  static constexpr int kSlots = 201;
  static constexpr int kHeaderSlot = 200;

  // Slot 200 holds the header, slot r (0..199) the data row r from the south
  // edge. An empty slot (never filled) reads as an empty line.
  std::array<TileLine, kSlots> TileLines;
  std::string LoadedTilePath;

  // Tiles of the last run that could not be opened, with the number of cells
  // of the area they left without data.
  std::map<std::string, int64_t> missing_tiles;
  // Tiles of the last run that opened but hold fewer than 201 lines, with the
  // number of lines they hold.
  std::map<std::string, int32_t> short_tiles;
};

}  // namespace dorx
