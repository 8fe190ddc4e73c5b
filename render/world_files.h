#pragma once
// The files beside a map picture that place it in a GIS without the KML: the
// world file (".pgw": pixel width, two rotation terms, pixel height, and the
// centre of the top-left pixel), the CRS as ESRI WKT (".prj") and GDAL's
// auxiliary file (".png.aux.xml") with the same CRS.
#include <string>

#include "render/result_raster.h"

namespace dorx {

// The names beside "name.sx.png": "name.sx.pgw", "name.sx.prj", "name.sx.png.aux.xml".
struct WorldFileNames {
  std::string world;
  std::string prj;
  std::string aux;
};
WorldFileNames WorldFileNamesOf(const std::string& png_path);

// The world file text of a picture of width x height pixels stretched over the
// overlay box, as the KML overlay stretches it (CR LF lines).
std::string WorldFileText(const OverlayBox& box, int width_px, int height_px);

// Writes the three files; the path of the first that could not be written,
// or empty.
std::string WriteWorldFiles(const std::string& png_path, const OverlayBox& box, int width_px, int height_px, int epsg);

}  // namespace dorx
