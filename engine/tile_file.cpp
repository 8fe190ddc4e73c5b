#include "engine/tile_file.h"

#include <algorithm>
#include <cstdio>

#include "platform/c_format.h"
#include "platform/c_number.h"
#include "platform/file_system.h"
#include "platform/text_stream.h"

namespace dorx {
namespace {

// 201 lines of 1,010 characters, each line end possibly CR LF: no byte after
// these can reach TileLines.
constexpr size_t kMostRawBytes = TerrainTiles::kSlots * kTileLineChars * 2 + 1;

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// The first `limit` bytes of a regular file; nothing when it cannot be opened.
bool ReadFilePrefix(const std::string& path, size_t limit, std::string& bytes) {
  if (path.size() > kMaxPathBytes || !FileExists(path)) return false;
  std::unique_ptr<FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
  if (!f) return false;
  bytes.resize(limit);
  const size_t n = std::fread(bytes.data(), 1, limit, f.get());
  bytes.resize(n);
  return true;
}

TileLine CString(std::string_view chunk) {
  return std::make_shared<const std::string>(chunk.substr(0, chunk.find('\0')));
}

}  // namespace

TileFile SplitTileLines(std::string_view raw) {
  TileFile file;
  file.opened = true;
  const std::string text = TranslateLineEnds(raw);
  size_t start = 0;
  while (start < text.size() && file.lines.size() < static_cast<size_t>(TerrainTiles::kSlots)) {
    const size_t most = std::min(kTileLineChars, text.size() - start);
    const size_t line_end = text.find('\n', start);
    const size_t length =
        (line_end != std::string::npos && line_end - start < most) ? line_end - start + 1 : most;
    file.lines.push_back(CString(std::string_view(text).substr(start, length)));
    start += length;
  }
  return file;
}

TileFile ReadTileFile(const std::string& path) {
  std::string raw;
  if (!ReadFilePrefix(path, kMostRawBytes, raw)) return TileFile{};
  return SplitTileLines(raw);
}

const TileFile& TileFileCache::Get(const std::string& path) {
  auto found = files_.find(path);
  if (found == files_.end())
    found = files_.emplace(path, std::make_unique<TileFile>(ReadTileFile(path))).first;
  return *found->second;
}

void ApplyTileFile(TerrainTiles& tiles, const TileFile& file, const std::string& path) {
  for (size_t t = 0; t < file.lines.size(); ++t)
    tiles.TileLines[static_cast<size_t>(TerrainTiles::kHeaderSlot) - t] = file.lines[t];
  tiles.LoadedTilePath = path;
}

std::string TileStatusText(const TerrainTiles& tiles, const TileCode& tile) {
  std::string text = Format("[%d%d%d%d] ", tile.latitude_code, tile.longitude_code,
                            tile.secondary_row, tile.secondary_column);
  const TileLine& header = tiles.TileLines[TerrainTiles::kHeaderSlot];
  if (header && header->size() > 58) text += header->substr(58, 10);
  return text;
}

int32_t TileElevation(const TerrainTiles& tiles, int32_t row, int32_t column) {
  if (row < 0 || row >= TerrainTiles::kSlots || column < 0) return 0;
  const TileLine& line = tiles.TileLines[static_cast<size_t>(row)];
  const int64_t position = 9 + 5 * int64_t{column};
  if (!line || position >= static_cast<int64_t>(line->size())) return 0;
  return AtolC(std::string_view(*line).substr(static_cast<size_t>(position), 5));
}

}  // namespace dorx
