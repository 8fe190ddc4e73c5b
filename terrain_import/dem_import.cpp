#include "terrain_import/dem_import.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <tuple>

#include "engine/tile_file.h"
#include "engine/tile_writer.h"
#include "platform/file_system.h"
#include "platform/local_time.h"

namespace dorx {
namespace {

// The Tokyo-to-JGD2000 shifts in Japan stay below 20 arc-seconds.
constexpr double kWidestShift_deg = 0.01;
constexpr double kCellHeight_arcsec = 1.5;
constexpr double kCellWidth_arcsec = 2.25;
constexpr size_t kCellsPerTile = static_cast<size_t>(kTileCells) * kTileCells;
constexpr const char* kPendingSuffix = ".importing";

// South to north, then west to east.
struct SouthToNorth {
  bool operator()(const TileCode& a, const TileCode& b) const {
    return std::tie(a.latitude_code, a.secondary_row, a.longitude_code, a.secondary_column) <
           std::tie(b.latitude_code, b.secondary_row, b.longitude_code, b.secondary_column);
  }
};

// The cell centres of the tile (row from the south, then column) as
// longitudes and latitudes in degrees of the source's datum.
void CellCentres(const TileCode& tile, SourceDatum datum, const DatumShiftTable* table, std::vector<double>& lon_deg,
                 std::vector<double>& lat_deg) {
  const TileCorners corners = CornersOf(tile);
  lon_deg.clear(), lat_deg.clear();
  for (int row = 0; row < kTileCells; ++row) {
    const double lat_arcsec = static_cast<double>(corners.south_arcsec) + (row + 0.5) * kCellHeight_arcsec;
    for (int column = 0; column < kTileCells; ++column) {
      const double lon_arcsec = static_cast<double>(corners.west_arcsec) + (column + 0.5) * kCellWidth_arcsec;
      DatumShift shift;
      if (table && datum == SourceDatum::kJgd2000) {
        GridPosition grid;
        GridLatitude(grid, lat_arcsec);
        GridLongitude(grid, lon_arcsec);
        shift = table->Lookup(DatumKey(grid));
      }
      lat_deg.push_back((lat_arcsec + shift.latitude_arcsec) / 3600.0);
      lon_deg.push_back((lon_arcsec + shift.longitude_arcsec) / 3600.0);
    }
  }
}

// Fills the cells still without data from the source and counts the cells
// whose centre lies on the source's raster; false when the source cannot be
// read.
bool SampleSource(const ElevationSource& source, const TileCode& tile, const DatumShiftTable* table,
                  TileGrid& values, int64_t& cells_on_source) {
  std::vector<double> px, py;
  CellCentres(tile, source.datum(), table, px, py);
  source.ToPixels(px, py);
  double x_min = std::numeric_limits<double>::infinity(), x_max = -x_min, y_min = x_min, y_max = -x_min;
  for (size_t i = 0; i < px.size(); ++i) {
    if (!std::isfinite(px[i]) || !std::isfinite(py[i])) continue;
    x_min = std::min(x_min, px[i]), x_max = std::max(x_max, px[i]);
    y_min = std::min(y_min, py[i]), y_max = std::max(y_max, py[i]);
  }
  if (!(x_min <= x_max)) return true;
  const auto pixel = [](double p) { return static_cast<int32_t>(std::clamp(std::floor(p - 0.5), -1.0, 1e9)); };
  PixelWindow window;
  if (!source.Read(pixel(x_min), pixel(y_min), pixel(x_max) + 1, pixel(y_max) + 1, window)) return false;
  for (size_t i = 0; i < px.size(); ++i) {
    if (!(px[i] >= 0.0 && py[i] >= 0.0 && px[i] <= window.raster_width && py[i] <= window.raster_height)) continue;
    ++cells_on_source;
    int32_t& cell = values[i / kTileCells][i % kTileCells];
    if (cell != kNoElevation) continue;
    if (const auto m = SampleBilinear(window, px[i], py[i]))
      if (const auto tenths = ElevationTenths(*m)) cell = *tenths;
  }
  return true;
}

bool Overlaps(const DegreeArea& a, const DegreeArea& b) {
  return a.lat_min <= b.lat_max && b.lat_min <= a.lat_max && a.lon_min <= b.lon_max && b.lon_min <= a.lon_max;
}

DegreeArea AreaOf(const TileCode& tile) {
  const TileCorners c = CornersOf(tile);
  return {c.south_arcsec / 3600.0, c.north_arcsec / 3600.0, c.west_arcsec / 3600.0, c.east_arcsec / 3600.0};
}

// An existing tile, read as the loading pass reads it.
struct ExistingTile {
  bool exists = false;
  bool whole = false;
  TileGrid values{};
};

ExistingTile ReadExistingTile(const std::string& path) {
  ExistingTile existing;
  const TileFile file = ReadTileFile(path);
  existing.exists = file.opened || FileExists(path);
  existing.whole = file.opened && file.lines.size() == static_cast<size_t>(TerrainTiles::kSlots);
  if (!existing.whole) return existing;
  TerrainTiles tiles;
  ApplyTileFile(tiles, file, path);
  for (int row = 0; row < kTileCells; ++row)
    for (int column = 0; column < kTileCells; ++column)
      existing.values[static_cast<size_t>(row)][static_cast<size_t>(column)] = TileElevation(tiles, row, column);
  return existing;
}

// The imported cells over the existing ones: an existing cell with data
// stays unless `replace`; a cell without imported data keeps the old value.
void Merge(const ExistingTile& existing, bool replace, TileGrid& values) {
  if (!existing.whole) return;
  for (size_t row = 0; row < values.size(); ++row) {
    for (size_t column = 0; column < values[row].size(); ++column) {
      const int32_t old_value = existing.values[row][column];
      int32_t& cell = values[row][column];
      if (cell == kNoElevation || (!replace && old_value != kNoElevation)) cell = old_value;
    }
  }
}

bool CreateFolders(const std::string& folder) {
  for (size_t at = folder.find(kSeparator, 1); at != std::string::npos; at = folder.find(kSeparator, at + 1))
    if (!CreateFolder(folder.substr(0, at + 1))) return false;
  return true;
}

void RemovePending(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) RemoveFile(path + kPendingSuffix);
}

int64_t CellsWithData(const TileGrid& values) {
  int64_t count = 0;
  for (const auto& row : values)
    for (const int32_t v : row) count += v != kNoElevation;
  return count;
}

// The source's extent widened by the largest datum shift: where its cells
// may lie in the Tokyo datum.
DegreeArea WidenedArea(const ElevationSource& source) {
  const DegreeArea& b = source.bounds();
  return {b.lat_min - kWidestShift_deg, b.lat_max + kWidestShift_deg, b.lon_min - kWidestShift_deg,
          b.lon_max + kWidestShift_deg};
}

}  // namespace

std::vector<TileCode> TilesOfSource(const ElevationSource& source) {
  DegreeArea area = WidenedArea(source);
  area = {std::max(area.lat_min, kJapanArea.lat_min), std::min(area.lat_max, kJapanArea.lat_max),
          std::max(area.lon_min, kJapanArea.lon_min), std::min(area.lon_max, kJapanArea.lon_max)};
  if (!(area.lat_min < area.lat_max && area.lon_min < area.lon_max)) return {};
  return TilesCovering(area);
}

ImportResult ImportDem(const std::vector<std::unique_ptr<ElevationSource>>& sources, const ImportOptions& options) {
  ImportResult result;
  std::set<TileCode, SouthToNorth> planned;
  for (const auto& source : sources) {
    const std::vector<TileCode> tiles = TilesOfSource(*source);
    if (tiles.empty()) {
      const DegreeArea& b = source->bounds();
      char extent[160];
      std::snprintf(extent, sizeof extent, "latitude %.4f..%.4f, longitude %.4f..%.4f", b.lat_min, b.lat_max,
                    b.lon_min, b.lon_max);
      result.error = source->path() + ": lies outside Japan (" + extent + "; the grid covers latitude 20..46 N, " +
                     "longitude 122..154 E)";
      return result;
    }
    planned.insert(tiles.begin(), tiles.end());
  }
  const int year = CurrentLocalTime().year;
  std::vector<std::string> pending;
  ImportSummary& summary = result.summary;
  size_t number = 0;
  for (const TileCode& tile : planned) {
    const std::string code = MeshCodeText(tile);
    if (options.progress) options.progress(++number, planned.size(), code);
    TileGrid values = EmptyTileGrid();
    int64_t cells_on_sources = 0;
    for (const auto& source : sources) {
      if (!Overlaps(AreaOf(tile), WidenedArea(*source))) continue;
      if (!SampleSource(*source, tile, options.datum, values, cells_on_sources)) {
        RemovePending(pending);
        result.error = source->path() + ": cannot be read";
        return result;
      }
    }
    if (cells_on_sources == 0) continue;  // not covered after all
    const std::string path = TilePath(options.mesh_folder, tile);
    const ExistingTile existing = ReadExistingTile(path);
    if (existing.exists && !existing.whole && !options.replace) {
      RemovePending(pending);
      result.error = path + ": exists but is not a whole tile (give --replace to overwrite it)";
      return result;
    }
    Merge(existing, options.replace, values);
    const int64_t with_data = CellsWithData(values);
    if (!CreateFolders(FolderOf(path)) ||
        !WriteWholeFile(path + kPendingSuffix, TileFileText(tile, "DEM " + code, year, values))) {
      RemovePending(pending);
      result.error = path + ": cannot be written";
      return result;
    }
    pending.push_back(path);
    summary.tiles_merged += existing.whole;
    summary.cells_with_data += with_data;
    summary.cells_without_data += static_cast<int64_t>(kCellsPerTile) - with_data;
  }
  if (pending.empty()) {
    result.error = "the sources cover no cell of any tile";
    return result;
  }
  for (const std::string& path : pending) {
    if (std::rename((path + kPendingSuffix).c_str(), path.c_str()) != 0) {
      result.error = path + ": cannot be written";
      return result;
    }
    summary.tiles_written.push_back(path);
  }
  return result;
}

}  // namespace dorx
