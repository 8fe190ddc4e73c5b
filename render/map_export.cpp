#include "render/map_export.h"

#include <optional>

#include "platform/c_format.h"
#include "platform/file_system.h"
#include "platform/png_writer.h"
#include "platform/sjis.h"
#include "render/compose_map.h"
#include "render/file_report.h"
#include "render/geotiff_writer.h"
#include "render/kmz_writer.h"
#include "render/layers.h"
#include "render/map_geometry.h"
#include "render/map_overlays.h"
#include "render/result_raster.h"
#include "render/world_files.h"

namespace dorx {
namespace {

constexpr int kExportFileFailed = 119;

// The name patterns of entries 0 to 5, field-strength mode and flood mode.
constexpr const char* kFieldPatterns[6] = {"%s.sn.png", "%s.sx.png", "%s.sg.png", "%s.sx.kml", "%s.sg.kml", "%s.sf.png"};
constexpr const char* kFloodPatterns[6] = {"%s.wn.png", "%s.wx.png", "%s.wg.png", "%s.wx.kml", "%s.wg.kml", "%s.wf.png"};

// A PNG that cannot be written is reported like an export file that cannot
// be created, and the save goes on with the next file.
void SavePng(const Context& ctx, const std::string& name_cp932, const Bitmap& picture,
             std::optional<CanvasColour> transparent, MessageSink& sink) {
  const std::string path = ExportPath(ctx, name_cp932);
  if (!WritePng(path, picture, transparent)) ReportFileNotOpen(sink, FileAccess::kWrite, path, kExportFileFailed);
}

// ComposedBitmap on the export surface, then the overlays, then the PNG with
// white as its transparent colour.
void SaveMapPng(Context& ctx, RenderState& rs, const std::string& name_cp932, bool with_grid, MessageSink& sink) {
  Pictures& p = rs.pictures;
  p.ImageMIX.canvas().Draw(0, 0, p.ComposedBitmap);
  if (with_grid) DrawGrid(ctx, p, 11);
  DrawStationMarker(ctx.geometry, p, 3);
  SavePng(ctx, name_cp932, p.ImageMIX.picture(), kWhite, sink);
}

void ReportWriteFailure(MessageSink& sink, const std::string& path) {
  ReportFileNotOpen(sink, FileAccess::kWrite, path, kExportFileFailed);
}

// The GeoTIFF of the result and the world files of the two map pictures.
void SaveGeoreferencedFiles(Context& ctx, const ExportNames& names, MessageSink& sink) {
  const RasterReading reading = ReadResultRaster(ctx.ResultFilePath, ctx.FloodMode);
  if (!reading.raster) {
    ReportFileNotOpen(sink, FileAccess::kRead, ctx.ResultFilePath, kExportFileFailed);
    return;
  }
  const ResultRaster& raster = *reading.raster;
  const std::string tif = ExportPath(ctx, GeoTiffName(ctx.params.Project_Name));
  if (!WriteGeoTiff(raster, tif).empty()) ReportWriteFailure(sink, tif);
  for (const int entry : {1, 2}) {
    const std::string png = ExportPath(ctx, names.entry[entry]);
    if (!FileExists(png)) continue;  // its failure is reported already
    const std::string failed = WriteWorldFiles(png, raster.box, MapWidthPixels(ctx.geometry),
                                               MapHeightPixels(ctx.geometry), raster.epsg);
    if (!failed.empty()) ReportWriteFailure(sink, failed);
  }
}

// The KMZ of each overlay that was written, with its picture.
void SaveKmzFiles(const Context& ctx, const ExportNames& names, MessageSink& sink) {
  for (const auto& [kml, png] : {std::pair{3, 1}, std::pair{4, 2}}) {
    const std::string kml_path = ExportPath(ctx, names.entry[kml]);
    const std::string png_path = ExportPath(ctx, names.entry[png]);
    if (!FileExists(kml_path) || !FileExists(png_path)) continue;  // reported already
    const std::string kmz = ExportPath(ctx, KmzName(names.entry[kml]));
    if (!WriteKmz(kmz, kml_path, png_path, Cp932ToUtf8(names.entry[png]))) ReportWriteFailure(sink, kmz);
  }
}

// The view as it was before the save.
void RestoreView(Context& ctx, RenderState& rs) {
  Pictures& p = rs.pictures;
  ResetLayer(p, kLayerCSR, MapWidthPixels(ctx.geometry), MapHeightPixels(ctx.geometry));
  ComposeMap(ctx, rs);
  p.ImageCSR.canvas().Draw(0, 0, p.ComposedBitmap);
  DrawStationMarker(ctx.geometry, p, 1);
  p.ImageCSR.visible = true;
}

}  // namespace

ExportNames BuildExportNames(const std::string& project_name_cp932, int flood_mode) {
  const auto& patterns = flood_mode != 0 ? kFloodPatterns : kFieldPatterns;
  ExportNames names;
  for (size_t i = 0; i < names.entry.size(); ++i) names.entry[i] = Format(patterns[i], project_name_cp932.c_str());
  return names;
}

std::string GeoTiffName(const std::string& project_name_cp932) { return project_name_cp932 + ".tif"; }

std::string KmzName(const std::string& kml_name_cp932) {
  return kml_name_cp932.substr(0, kml_name_cp932.size() - 4) + ".kmz";
}

std::vector<std::string> SavedFilePaths(const Context& ctx, bool with_chart) {
  const ExportNames names = BuildExportNames(ctx.params.Project_Name, ctx.FloodMode);
  std::vector<std::string> paths;
  for (size_t i = 0; i < names.entry.size(); ++i) {
    if (i == 5 && !with_chart) continue;
    paths.push_back(ExportPath(ctx, names.entry[i]));
  }
  paths.push_back(ExportPath(ctx, GeoTiffName(ctx.params.Project_Name)));
  for (const size_t i : {1, 2}) {
    const WorldFileNames world = WorldFileNamesOf(ExportPath(ctx, names.entry[i]));
    paths.insert(paths.end(), {world.world, world.prj, world.aux});
  }
  for (const size_t i : {3, 4}) paths.push_back(ExportPath(ctx, KmzName(names.entry[i])));
  return paths;
}

std::string ExportPath(const Context& ctx, const std::string& name_cp932) {
  return FolderOf(ctx.ResultFilePath) + Cp932ToUtf8(name_cp932);
}

LatLonDeg CellLatLon(Context& ctx, int32_t column, int32_t row) {
  ctx.CellAccess(RESET_CACHE, 0, 0);
  ctx.CellAccess(READ_A_RESULT, column, row);
  const CellRecord& r = ctx.store.CurrentRecord;
  return LatLonDeg{(r.slot[kLatitude] + r.slot[kLatitudeShift]) / 3600,
                   (r.slot[kLongitude] + r.slot[kLongitudeShift]) / 3600};
}

void WriteOverlayKml(Context& ctx, const ExportNames& names, int kind, MessageSink& sink) {
  if (kind != 1 && kind != 3) return;
  if (!ctx.store.StoreFileA.Open(ctx.ResultFilePath, "rb")) {
    ReportFileNotOpen(sink, FileAccess::kRead, ctx.ResultFilePath, kExportFileFailed);
    return;
  }
  const ProjectParameters& p = ctx.params;
  OverlayText text;
  text.project_name = p.Project_Name;
  text.icon_name = names.entry[kind == 1 ? 1 : 2];
  // The box spans from the north-west corner cell to the south-east one.
  text.corner = [&ctx, &p](OverlayCorner corner) {
    return corner == OverlayCorner::kNorthWest ? CellLatLon(ctx, -p.Range_West, p.Range_North - 1)
                                               : CellLatLon(ctx, p.Range_East - 1, -p.Range_South);
  };
  WriteOverlayKmlFile(ctx.ProgramFolder + "Dorx.kml", ExportPath(ctx, names.entry[kind == 1 ? 3 : 4]), text, sink);
  ctx.store.StoreFileA.Close();
}

void SaveMapImages(Context& ctx, RenderState& rs, MessageSink& sink) {
  const ExportNames names = BuildExportNames(ctx.params.Project_Name, ctx.FloodMode);
  Pictures& p = rs.pictures;
  SavePng(ctx, names.entry[0], p.ImageNOT.picture(), std::nullopt, sink);
  ComposeMap(ctx, rs);
  SaveMapPng(ctx, rs, names.entry[1], false, sink);
  SaveMapPng(ctx, rs, names.entry[2], true, sink);  // the grid whatever CheckBoxGrid says
  if (rs.view.fine != DisplayMode::kNone) SavePng(ctx, names.entry[5], p.ImageFIN.picture(), std::nullopt, sink);
  WriteOverlayKml(ctx, names, 1, sink);
  WriteOverlayKml(ctx, names, 3, sink);
  SaveGeoreferencedFiles(ctx, names, sink);
  SaveKmzFiles(ctx, names, sink);
  RestoreView(ctx, rs);
}

}  // namespace dorx
