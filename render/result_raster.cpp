#include "render/result_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/cell_record.h"
#include "engine/cell_store.h"
#include "engine/store_file.h"
#include "render/budget_quantities.h"

namespace dorx {
namespace {

constexpr double kEarthRadius_m = 6378137.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kCellHeight_arcsec = 1.5;
constexpr double kCellWidth_arcsec = 2.25;

// The parameters that the record numbers depend on.
ProjectParameters RecordLayout(const ResultHeader& h) {
  ProjectParameters p;
  p.Range_North = h.Range_North;
  p.Range_South = h.Range_South;
  p.Range_East = h.Range_East;
  p.Range_West = h.Range_West;
  p.Coarse = h.Coarse;
  p.Flag_Reduction = h.Flag_Reduction;
  return p;
}

class RecordReader {
 public:
  RecordReader(const StoreFile& file, const ResultHeader& header) : file_(file), layout_(RecordLayout(header)) {}
  // The record of cell (a, b), or nothing past the end of the file.
  std::optional<CellRecord> At(int32_t a, int32_t b) const {
    const int64_t offset = RecordOffset(READ_A_RESULT, RecordNumber(layout_, a, b));
    CellRecord record;
    record.Clear();
    if (offset < 0 || file_.ReadAt(offset, record.slot.data(), sizeof(CellRecord)) < sizeof(CellRecord))
      return std::nullopt;
    return record;
  }

 private:
  const StoreFile& file_;
  ProjectParameters layout_;
};

struct LatLon {
  double latitude_deg;
  double longitude_deg;
};

bool HasPosition(const CellRecord& r) {
  for (const int slot : {kLatitude, kLongitude, kLatitudeShift, kLongitudeShift})
    if (!std::isfinite(r.slot[slot]) || r.slot[slot] == NO_DATA) return false;
  return true;
}

LatLon RecordPosition(const CellRecord& r) {
  return {(r.slot[kLatitude] + r.slot[kLatitudeShift]) / 3600, (r.slot[kLongitude] + r.slot[kLongitudeShift]) / 3600};
}

// Where the cell lies when its record is missing: the station's position
// moved by whole cells, without a datum shift.
LatLon GridPositionOf(const ResultHeader& h, int32_t a, int32_t b) {
  return {(h.SourceLatSeconds + b * kCellHeight_arcsec) / 3600, (h.SourceLonSeconds + a * kCellWidth_arcsec) / 3600};
}

LatLon CornerPosition(const RecordReader& records, const ResultHeader& h, int32_t a, int32_t b) {
  const std::optional<CellRecord> r = records.At(a, b);
  if (r && HasPosition(*r)) return RecordPosition(*r);
  return GridPositionOf(h, a, b);
}

// The KML overlay's box: north and west of the north-west corner cell, south
// and east of the south-east one.
OverlayBox BoxOf(const RecordReader& records, const ResultHeader& h) {
  const LatLon nw = CornerPosition(records, h, -h.Range_West, h.Range_North - 1);
  const LatLon se = CornerPosition(records, h, h.Range_East - 1, -h.Range_South);
  return {nw.latitude_deg, se.latitude_deg, se.longitude_deg, nw.longitude_deg};
}

float Stored(double value) {
  return std::isfinite(value) && value != NO_DATA ? static_cast<float>(value) : kRasterNoData;
}

float GroundElevation_m(const CellRecord& r) {
  return r.slot[kElevation] == NO_DATA || !std::isfinite(r.slot[kElevation]) ? kRasterNoData
                                                                              : static_cast<float>(r.slot[kElevation] * 0.1);
}

std::vector<RasterBand> EmptyBands(int flood_mode, size_t pixels) {
  std::vector<RasterBand> bands;
  if (flood_mode == 0) {
    bands.push_back({"map value: received power dBW + 10 log10(4 Rx_Impedance) + 90 (open-circuit voltage dBuV - 30)",
                     "dB", {}});
    bands.push_back({"electric field strength at the receiving antenna (0 dBi)", "dBuV/m", {}});
    bands.push_back({"received power behind the receiving feeder (0 dBi antenna)", "dBm", {}});
  } else {
    bands.push_back({"water depth", "m", {}});
  }
  bands.push_back({"ground elevation", "m", {}});
  for (RasterBand& band : bands) band.values.assign(pixels, kRasterNoData);
  return bands;
}

void FillPixel(ResultRaster& raster, size_t pixel, const CellRecord& r) {
  const ResultHeader& h = raster.header;
  std::vector<RasterBand>& bands = raster.bands;
  if (raster.flood_mode == 0) {
    const double stored = r.slot[kFieldStrength];
    bands[0].values[pixel] = Stored(stored);
    if (bands[0].values[pixel] != kRasterNoData) {
      bands[1].values[pixel] = static_cast<float>(FieldStrength_dBuVm(stored, h.Rx_Impedance, h.Rx_Loss, h.Tx_Frequency));
      bands[2].values[pixel] = static_cast<float>(ReceivedPower_dBm(stored, h.Rx_Impedance));
    }
  } else {
    bands[0].values[pixel] = Stored(r.slot[kFloodDepth]);
  }
  bands.back().values[pixel] = GroundElevation_m(r);
}

double PlacementError_m(const ResultRaster& raster, int32_t column, int32_t row, const LatLon& cell) {
  const auto& gt = raster.geotransform;
  const double centre_lon = gt[0] + (column + 0.5) * gt[1];
  const double centre_lat = gt[3] + (row + 0.5) * gt[5];
  const double north_m = (cell.latitude_deg - centre_lat) * kRadiansPerDegree * kEarthRadius_m;
  const double east_m =
      (cell.longitude_deg - centre_lon) * kRadiansPerDegree * kEarthRadius_m * std::cos(cell.latitude_deg * kRadiansPerDegree);
  return std::hypot(north_m, east_m);
}

void Georeference(ResultRaster& raster, int32_t total_rows, int32_t total_columns) {
  const OverlayBox& box = raster.box;
  const double cell_width_deg = (box.east - box.west) / total_columns;
  const double cell_height_deg = (box.north - box.south) / total_rows;
  raster.geotransform = {box.west, cell_width_deg * raster.cells_per_pixel, 0.0,
                         box.north, 0.0, -cell_height_deg * raster.cells_per_pixel};
}

int32_t CeilQuotient(int32_t cells, int32_t step) { return (cells + step - 1) / step; }

}  // namespace

RasterReading ReadResultRaster(const std::string& result_path, int flood_mode) {
  StoreFile file;
  if (!file.Open(result_path, "rb")) return {std::nullopt, "Read: " + result_path};
  std::array<uint8_t, kResultHeaderBytes> bytes{};
  ResultRaster raster;
  if (file.ReadAt(0, bytes.data(), bytes.size()) < bytes.size()) return {std::nullopt, "not a result file: " + result_path};
  DecodeResultHeader(bytes, raster.header);
  if (!ResultHeaderIsPlausible(raster.header)) return {std::nullopt, "not a result file: " + result_path};
  const ResultHeader& h = raster.header;
  raster.flood_mode = flood_mode != 0 ? 1 : 0;
  raster.cells_per_pixel = h.Flag_Reduction != 0 ? std::max<int32_t>(h.Coarse, 1) : 1;
  const int32_t total_rows = h.Range_South + h.Range_North;
  const int32_t total_columns = h.Range_West + h.Range_East;
  raster.rows = CeilQuotient(total_rows, raster.cells_per_pixel);
  raster.columns = CeilQuotient(total_columns, raster.cells_per_pixel);

  const RecordReader records(file, h);
  raster.box = BoxOf(records, h);
  Georeference(raster, total_rows, total_columns);
  raster.bands = EmptyBands(raster.flood_mode, static_cast<size_t>(raster.rows) * raster.columns);
  for (int32_t row = 0; row < raster.rows; ++row) {
    const int32_t b = (raster.rows - 1 - row) * raster.cells_per_pixel - h.Range_South;
    for (int32_t column = 0; column < raster.columns; ++column) {
      const int32_t a = column * raster.cells_per_pixel - h.Range_West;
      const std::optional<CellRecord> r = records.At(a, b);
      if (!r) continue;
      FillPixel(raster, static_cast<size_t>(row) * raster.columns + column, *r);
      if (!HasPosition(*r)) continue;
      ++raster.cells_with_position;
      if (r->slot[kLatitudeShift] != 0 || r->slot[kLongitudeShift] != 0) ++raster.cells_with_datum_shift;
      raster.largest_placement_error_m =
          std::max(raster.largest_placement_error_m, PlacementError_m(raster, column, row, RecordPosition(*r)));
    }
  }
  raster.epsg = raster.cells_with_datum_shift > 0 ? kEpsgJgd2000 : kEpsgTokyo;
  return {std::move(raster), ""};
}

}  // namespace dorx
