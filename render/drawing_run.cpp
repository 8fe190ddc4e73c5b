#include "render/drawing_run.h"

#include <optional>

#include "platform/cut.h"
#include "render/cell_painter.h"
#include "render/compose_map.h"
#include "render/file_report.h"
#include "render/info_panel.h"
#include "render/layers.h"
#include "render/map_geometry.h"
#include "render/map_overlays.h"
#include "render/result_reading.h"

namespace dorx {
namespace {

constexpr int kReadFailed = 115;
constexpr int kInvalidData = 1003;
constexpr int kOperationEnded = 0;

// Opens the result file as StoreFileA and reads a header that a run could
// have written; the failures are reported and the file is closed again.
std::optional<ResultHeader> OpenResultFile(Context& ctx, MessageSink& sink) {
  if (!ctx.store.StoreFileA.Open(ctx.ResultFilePath, "rb")) {
    ReportFileNotOpen(sink, FileAccess::kRead, ctx.ResultFilePath, kReadFailed);
    return std::nullopt;
  }
  std::optional<ResultHeader> header = ReadPlausibleResultHeader(ctx);
  if (!header) {
    ctx.store.StoreFileA.Close();
    sink.ShowMessageCode(kInvalidData);
  }
  return header;
}

void ResetMapLayers(Context& ctx, RenderState& rs, std::initializer_list<int> codes) {
  const int width = MapWidthPixels(ctx.geometry);
  const int height = MapHeightPixels(ctx.geometry);
  for (int code : codes) ResetLayer(rs.pictures, code, width, height);
  ResetLayer(rs.pictures, kLayerNOT, width, height);
}

void ShowPanel(Context& ctx, RenderState& rs) {
  rs.pictures.ImageNOT.visible = true;
  DrawInfoPanel(ctx, rs);
}

// Every cell from the south-west corner, row by row, while Stop is not
// pressed: `visit(x, y)` with x east-positive and y north-positive.
template <typename Visit>
void ForEachCell(Context& ctx, Visit visit) {
  const ProjectParameters& p = ctx.params;
  for (int32_t y = -p.Range_South; y < p.Range_North && !ctx.StopRequested; ++y)
    for (int32_t x = -p.Range_West; x < p.Range_East && !ctx.StopRequested; ++x) visit(x, y);
}

constexpr int kDrawingCodes[] = {kPaintTerrain, kPaintRamp, kPaintSteppedRamp, kPaintThreshold, kPaintLineOfSight};

}  // namespace

int PreviewScale(const MapGeometry& g) {
  const double longer = g.ImageHeight > g.ImageWidth ? g.ImageHeight : g.ImageWidth;
  const int e = CutToInt(longer * 0.0125 + 0.5);
  return e >= 1 ? e : 1;
}

int OpenResultForDrawing(Context& ctx, RenderState& rs, MessageSink& sink) {
  const std::optional<ResultHeader> header = OpenResultFile(ctx, sink);
  if (!header) return -1;
  ApplyResultHeader(*header, ctx);

  const int e = PreviewScale(ctx.geometry);
  ctx.geometry.ImageHeight = ctx.geometry.ImageHeight / e;
  ctx.geometry.ImageWidth = ctx.geometry.ImageWidth / e;
  PaintCell(ctx, rs, kSizePreview, 0, 0);
  ResetMapLayers(ctx, rs, {kLayerCSR});
  ShowPanel(ctx, rs);

  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  const double rows = RowCount(p);
  const double columns = ColumnCount(p);
  ForEachCell(ctx, [&](int32_t x, int32_t y) {
    const bool row_used = y % e == 0 || y == -p.Range_South;
    const bool column_used = x % e == 0 || x == -p.Range_West;
    if (!row_used || !column_used) return;
    ctx.CellAccess(READ_A_RESULT, x, y);
    const int px = CutToInt((static_cast<double>(x) + p.Range_West) * ctx.geometry.ImageWidth / columns);
    const int py = CutToInt((static_cast<double>(p.Range_North) - y) * ctx.geometry.ImageHeight / rows);
    sink.ShowMessageCode(kPaintPreview, px, py);
  });
  ctx.store.StoreFileA.Close();
  rs.pictures.ImageCSR.visible = true;
  return 0;
}

void DrawResult(Context& ctx, RenderState& rs, MessageSink& sink) {
  rs.pictures.ImageCSR.visible = true;
  rs.pictures.ImageNOT.visible = true;
  const std::optional<ResultHeader> header = OpenResultFile(ctx, sink);
  if (!header) return;
  ApplyResultHeader(*header, ctx);

  PaintCell(ctx, rs, kSizeDrawing, 0, 0);
  ResetMapLayers(ctx, rs, {kLayerCSR, kLayerMAP, kLayerMIX, kLayerSIM, kLayerSIM1, kLayerSIM2, kLayerSIM3});
  rs.pictures.ImageCSR.visible = true;
  ShowPanel(ctx, rs);

  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  ForEachCell(ctx, [&](int32_t x, int32_t y) {
    ctx.CellAccess(READ_A_RESULT, x, y);
    for (int code : kDrawingCodes) sink.ShowMessageCode(code, x + p.Range_West, y + p.Range_South);
  });
  ctx.store.StoreFileA.Close();

  ComposeMap(ctx, rs);
  ResetLayer(rs.pictures, kLayerCSR, MapWidthPixels(ctx.geometry), MapHeightPixels(ctx.geometry));
  rs.pictures.ImageCSR.canvas().Draw(0, 0, rs.pictures.ComposedBitmap);
  DrawStationMarker(ctx.geometry, rs.pictures, 1);
  sink.ShowMessageCode(kOperationEnded);
  rs.pictures.ImageCSR.visible = true;
}

}  // namespace dorx
