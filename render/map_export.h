#pragma once
// Export of the map being drawn: PNG images of the panel, the map and the map
// with grid, the line-of-sight chart, and two KML ground overlays, all next to
// the result file and named after the header's Project_Name.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/context.h"
#include "files/kml_template.h"
#include "files/message_sink.h"
#include "render/render_state.h"

namespace dorx {

// Entries: 0 panel, 1 map, 2 map with grid, 3 and 4 the overlays of 1 and 2,
// 5 line-of-sight chart. CP932 names, as formatted from Project_Name.
struct ExportNames {
  std::array<std::string, 6> entry;
};
ExportNames BuildExportNames(const std::string& project_name_cp932, int flood_mode);

// The native path of an entry: the result file's folder plus the name in UTF-8.
std::string ExportPath(const Context& ctx, const std::string& name_cp932);

// Latitude and longitude in JGD2000 degrees of a cell (column east-positive,
// row north-positive from the station) of the result file open as StoreFileA.
LatLonDeg CellLatLon(Context& ctx, int32_t column, int32_t row);

// kind 1: entry 3 showing entry 1; kind 3: entry 4 showing entry 2.
// "Read: <path>" / 119 when the result file cannot be opened; 117 when the
// template is missing; "Write: <path>" / 119 when the output cannot be created.
void WriteOverlayKml(Context& ctx, const ExportNames& names, int kind, MessageSink& sink);

// The files for GIS tools that the save writes beside the pictures: the
// GeoTIFF "<Project_Name>.tif", and for each map picture (entries 1 and 2) its
// world file, .prj and .png.aux.xml and the KMZ of its overlay ("name.sx.kmz").
std::string GeoTiffName(const std::string& project_name_cp932);
std::string KmzName(const std::string& kml_name_cp932);

// Every file the save writes: the entries in their order (entry 5 only when
// the line-of-sight chart is saved), the GeoTIFF, the world files, the KMZs.
std::vector<std::string> SavedFilePaths(const Context& ctx, bool with_chart);

// The whole save. A PNG that cannot be written sends "Write: <path>" with
// code 119 and the save goes on with the next file; so does a GIS file. A
// result file that cannot be read gives no GeoTIFF and no world files
// ("Read: <path>", 119); an overlay that was not written gives no KMZ.
void SaveMapImages(Context& ctx, RenderState& rs, MessageSink& sink);

}  // namespace dorx
