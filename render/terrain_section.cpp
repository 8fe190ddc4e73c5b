#include "render/terrain_section.h"

#include "render/cursor_cell.h"
#include "render/layers.h"
#include "render/section_walk.h"

namespace dorx {
namespace {

constexpr int kChartHeight = 570;
constexpr int kStripWidth = 816;
constexpr int kStripHeight = 160;

void PreparePicture(FormImage& image, bool with_font) {
  image.canvas_state.pen_width = 1;
  image.canvas_state.brush_style = BrushStyle::kClear;
  if (with_font) image.canvas_state.font_size_pt = 9;
}

SectionScaleInputs ScaleInputs(const Context& ctx, const RenderState& rs) {
  SectionScaleInputs in;
  in.ElevationMax = ctx.run.ElevationMax;
  in.ElevationMin = ctx.run.ElevationMin;
  in.section_highest_m = rs.section.highest_m;
  in.section_lowest_m = rs.section.lowest_m;
  in.Tx_Altitude = ctx.params.Tx_Altitude;
  in.Rx_Altitude = ctx.params.Rx_Altitude;
  in.fine_big = rs.view.fine_big;
  return in;
}

}  // namespace

void DrawTerrainSection(Context& ctx, RenderState& rs, MessageSink& sink) {
  if (!OpenResultFileForMouse(ctx, sink)) return;
  WalkSection(ctx, SectionLineOfCursor(ctx, rs.cursor.X, rs.cursor.Y), rs.section);
  ctx.store.StoreFileA.Close();

  ResetLayer(rs.pictures, kLayerFIN, SectionChartWidth(rs.cursor.cell_line), kChartHeight);
  PreparePicture(rs.pictures.ImageFIN, true);
  ResetLayer(rs.pictures, kLayerSEC, kStripWidth, kStripHeight);
  PreparePicture(rs.pictures.ImageSEC, false);
  // The scale reaches the target's sample, the last of the section.
  const SectionSample& target = rs.section.section[rs.section.section.size() - 2];
  rs.section.scale = SetUpSectionScale(target.distance_m, ScaleInputs(ctx, rs));

  DrawSectionChart(ctx, rs);
  DrawSectionStrip(ctx, rs);
}

}  // namespace dorx
