#pragma once
// Reading terrain tiles: the lines of a tile file as the loading pass reads
// them, a per-run cache of files, and putting a file into TileLines.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/grid_position.h"
#include "engine/terrain_tiles.h"

namespace dorx {

// A line is read as fgets into a 1,011-byte buffer would read it.
inline constexpr size_t kTileLineChars = 1010;

struct TileFile {
  bool opened = false;
  std::vector<TileLine> lines;  // line t (t = 0 the header), at most 201
};

// The lines of a tile file as text-mode reading gives them (CR LF read as
// LF): up to 1,010 characters each, a longer line continuing in the next;
// at most 201 lines. A file that cannot be opened gives opened = false.
TileFile ReadTileFile(const std::string& path);
// The same from the file's bytes.
TileFile SplitTileLines(std::string_view raw);

// Every tile file a run has asked for, by path, "cannot be opened" included,
// so that a row crossing the same tiles again reads no file twice.
class TileFileCache {
 public:
  const TileFile& Get(const std::string& path);

 private:
  std::unordered_map<std::string, std::unique_ptr<TileFile>> files_;
};

// Puts line t of the file into slot 200 - t; slots of lines the file does not
// have keep their contents. LoadedTilePath becomes the path.
void ApplyTileFile(TerrainTiles& tiles, const TileFile& file, const std::string& path);

// "[%d%d%d%d] " + header bytes 58 to 67, ending at a zero byte or at the end
// of the header line.
std::string TileStatusText(const TerrainTiles& tiles, const TileCode& tile);

// The elevation of field `column` (characters 9 + 5 x column, five of them,
// only those the line has) of slot `row`, read as C's atol reads it; 0 for an
// empty field.
int32_t TileElevation(const TerrainTiles& tiles, int32_t row, int32_t column);

}  // namespace dorx
