#pragma once
// The GeoTIFF of a result raster, written with GDAL: Float32 bands with their
// descriptions, units and NoData, the geographic CRS of the result (EPSG:4612
// JGD2000 or EPSG:4301 Tokyo), pixel-is-area georeferencing, and metadata
// that say what the numbers and the positions are.
#include <string>

#include "render/result_raster.h"

namespace dorx {

// Empty on success, else why the file could not be written.
std::string WriteGeoTiff(const ResultRaster& raster, const std::string& path);

// The CRS as WKT: the ESRI flavour for a .prj beside a picture, or GDAL's
// own (WKT 2) for its .aux.xml.
enum class WktFlavour { kEsri, kGdal };
std::string CrsWkt(int epsg, WktFlavour flavour);

}  // namespace dorx
