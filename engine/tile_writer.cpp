#include "engine/tile_writer.h"

#include "platform/c_format.h"

namespace dorx {
namespace {

// A tile is 5 minutes of latitude by 7.5 minutes of longitude; longitude
// codes count from 100 degrees, a latitude code is 40 minutes.
constexpr int64_t kTileHeight_arcsec = 300;
constexpr int64_t kTileWidth_arcsec = 450;
constexpr int64_t kPrimaryHeight_arcsec = 2400;
constexpr int64_t kPrimaryWidth_arcsec = 3600;
constexpr int64_t kLongitudeOrigin_arcsec = 100 * 3600;
constexpr int kMapScale = 25000;

// DDDMMSS of a whole number of arc-seconds.
int64_t DegreesMinutesSeconds(int64_t arcsec) {
  return arcsec / 3600 * 10000 + arcsec % 3600 / 60 * 100 + arcsec % 60;
}

std::string HeaderRecord(const TileCode& tile, const std::string& name, int year) {
  const TileCorners c = CornersOf(tile);
  std::string header = Format("%6s%5d%4d%4d%4d%3d%3d%07lld%07lld%07lld%07lld ", MeshCodeText(tile).c_str(), kMapScale,
                              year, year, year, kTileCells, kTileCells,
                              static_cast<long long>(DegreesMinutesSeconds(c.south_arcsec)),
                              static_cast<long long>(DegreesMinutesSeconds(c.west_arcsec)),
                              static_cast<long long>(DegreesMinutesSeconds(c.north_arcsec)),
                              static_cast<long long>(DegreesMinutesSeconds(c.east_arcsec)));
  header += (name + std::string(kTileNameBytes, ' ')).substr(0, kTileNameBytes);
  header.resize(kTileRecordChars, ' ');
  return header + "\r\n";
}

}  // namespace

TileGrid EmptyTileGrid() {
  TileGrid values;
  for (auto& row : values) row.fill(kNoElevation);
  return values;
}

std::string MeshCodeText(const TileCode& t) {
  return Format("%d%d%d%d", t.latitude_code, t.longitude_code, t.secondary_row, t.secondary_column);
}

TileCorners CornersOf(const TileCode& t) {
  const int64_t south = t.latitude_code * kPrimaryHeight_arcsec + t.secondary_row * kTileHeight_arcsec;
  const int64_t west =
      kLongitudeOrigin_arcsec + t.longitude_code * kPrimaryWidth_arcsec + t.secondary_column * kTileWidth_arcsec;
  return {south, west, south + kTileHeight_arcsec, west + kTileWidth_arcsec};
}

std::string TileFileText(const TileCode& tile, const std::string& name, int year, const TileGrid& values) {
  const std::string code = MeshCodeText(tile);
  std::string text = HeaderRecord(tile, name, year);
  text.reserve(text.size() * (kTileCells + 1));
  for (int record = 1; record <= kTileCells; ++record) {
    text += Format("%s%03d", code.c_str(), record);
    for (const int32_t value : values[static_cast<size_t>(kTileCells - record)]) text += Format("%5d", value);
    text += "\r\n";
  }
  return text;
}

}  // namespace dorx
