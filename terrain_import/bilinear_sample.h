#pragma once
// Bilinear sampling of an elevation raster whose pixels are areas, as GDAL
// reads rasters: pixel (i, j) covers i..i+1 and j..j+1 in pixel coordinates
// and its value stands at its centre (i + 0.5, j + 0.5).
#include <cstdint>
#include <optional>
#include <vector>

namespace dorx {

// A block of a raster of raster_width x raster_height pixels: the pixels
// x0..x0+width-1 by y0..y0+height-1, row by row, NaN for no data.
struct PixelWindow {
  int32_t raster_width = 0, raster_height = 0;
  int32_t x0 = 0, y0 = 0, width = 0, height = 0;
  std::vector<double> values_m;
};

// The value at pixel coordinates (px, py): nothing outside the raster
// (px < 0, px > width, and so for py), else the bilinear mix of the four
// pixel centres around the point; at the raster's outer half pixels the
// edge pixels stand in for the missing ones. Neighbours without data (or
// outside the window) drop out and the weights of the others are scaled up;
// nothing when they carry less than half of the weight.
std::optional<double> SampleBilinear(const PixelWindow& window, double px, double py);

// An elevation in metres as whole tenths of a metre, rounded half away from
// zero; nothing when the tile format cannot hold it (-9999 is no data, five
// characters hold -9998 to 99999).
std::optional<int32_t> ElevationTenths(double elevation_m);

}  // namespace dorx
