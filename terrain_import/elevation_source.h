#pragma once
// An elevation source for the terrain import: any raster GDAL opens
// (GeoTIFF, SRTM .hgt, VRT, the tiles themselves) or one DEM XML file of the
// national survey, with its datum, its extent in latitude and longitude and
// the pixels around given positions.
#include <memory>
#include <string>
#include <vector>

#include "engine/tiles_covering.h"
#include "terrain_import/bilinear_sample.h"

class GDALDataset;
class OGRCoordinateTransformation;

namespace dorx {

// The datum a source's positions are in. JGD2011 and WGS 84 are taken as
// JGD2000: their differences from it (a few centimetres to decimetres in
// Japan, metres in the north-east after the 2011 earthquake) are far below
// the 50 m cells.
enum class SourceDatum { kTokyo, kJgd2000 };

class ElevationSource {
 public:
  // A file named *.xml is read as the survey's DEM XML, any other through
  // GDAL. Nothing, and `error` saying why, when the file cannot be used:
  // not readable, a zip archive, damaged, no or an unknown coordinate system.
  static std::unique_ptr<ElevationSource> Open(const std::string& path, std::string& error);
  ~ElevationSource();
  ElevationSource(const ElevationSource&) = delete;
  ElevationSource& operator=(const ElevationSource&) = delete;

  const std::string& path() const { return path_; }
  SourceDatum datum() const { return datum_; }
  // The coordinate system as a user knows it, e.g. "JGD2011 (EPSG:6668), taken as JGD2000".
  const std::string& datum_text() const { return datum_text_; }
  // The raster's extent in latitude and longitude of its own datum.
  const DegreeArea& bounds() const { return bounds_; }

  // Turns longitudes and latitudes (degrees, the source's datum) into pixel
  // coordinates in place; NaN where the position cannot be mapped.
  void ToPixels(std::vector<double>& lon_to_px, std::vector<double>& lat_to_py) const;
  // The pixels x0..x1, y0..y1 (cut to the raster) in metres; NaN for no data.
  // False when the raster cannot be read.
  bool Read(int32_t x0, int32_t y0, int32_t x1, int32_t y1, PixelWindow& window) const;

 private:
  ElevationSource() = default;
  bool Prepare(std::string& error);

  std::string path_;
  GDALDataset* dataset_ = nullptr;
  OGRCoordinateTransformation* to_raster_crs_ = nullptr;  // null for a geographic raster
  double inverse_[6] = {};
  SourceDatum datum_ = SourceDatum::kJgd2000;
  std::string datum_text_;
  DegreeArea bounds_;
};

}  // namespace dorx
