#pragma once
// A result file as a georeferenced raster: one pixel per cell (per block of
// Coarse x Coarse cells when the store is reduced), rows from the north, in
// Float32 bands with a description, a unit and -9999 for cells without data.
//
// Placement: the raster covers the box of the KML overlays (north and west
// from the north-west corner cell, south and east from the south-east one,
// the template's rotation left aside), cut into equal cells, so each cell lies
// where the overlay puts it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/result_header.h"

namespace dorx {

inline constexpr float kRasterNoData = -9999.0f;
inline constexpr int kEpsgJgd2000 = 4612;
inline constexpr int kEpsgTokyo = 4301;

// The overlay box in degrees.
struct OverlayBox {
  double north = 0.0;
  double south = 0.0;
  double east = 0.0;
  double west = 0.0;
};

struct RasterBand {
  std::string description;
  std::string unit;
  std::vector<float> values;  // columns x rows, row by row from the north
};

struct ResultRaster {
  ResultHeader header;
  int flood_mode = 0;
  int32_t columns = 0;          // pixels
  int32_t rows = 0;
  int32_t cells_per_pixel = 1;  // Coarse of a reduced store, else 1
  OverlayBox box;
  // GDAL's affine transform: x = gt[0] + column gt[1], y = gt[3] + row gt[5],
  // pixel corners, degrees of longitude and latitude.
  std::array<double, 6> geotransform{};
  // The result's cells carry their Tokyo position and the shift to JGD2000;
  // a run without the datum table leaves every shift 0.
  int64_t cells_with_position = 0;
  int64_t cells_with_datum_shift = 0;
  int epsg = kEpsgTokyo;
  // The largest distance between a cell's own JGD2000 (or Tokyo) position and
  // the centre of its pixel, m on the sphere of 6378137 m.
  double largest_placement_error_m = 0.0;
  std::vector<RasterBand> bands;
};

struct RasterReading {
  std::optional<ResultRaster> raster;
  std::string error;  // why there is none
};

// flood_mode 0: the stored value (slot 12), the field strength in dB(uV/m),
// the received power in dBm, the ground elevation in m; flood_mode 1: the
// water depth (slot 13) and the ground elevation in m. A record past the end
// of a cut file has no data; a missing corner record is placed from the
// header's station position on the cell grid.
RasterReading ReadResultRaster(const std::string& result_path, int flood_mode);

}  // namespace dorx
