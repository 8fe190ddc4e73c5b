#include "render/cell_painter.h"

#include <algorithm>
#include <cstdint>

#include "render/cell_block.h"
#include "render/colour_scales.h"
#include "render/map_geometry.h"
#include "render/pixel_fill.h"
#include "render/progress_refresh.h"
#include "render/terrain_run_painting.h"

namespace dorx {
namespace {

constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr int kPreviewBlockPixels = 4;

double ElevationMetres(const CellRecord& record) { return record.slot[kElevation] * 0.1; }

// Slot 13 and the water ramp take the place of slot 12 and the field ramp in
// flood mode.
double ResultValue(const Context& ctx, const CellRecord& record) {
  return ctx.FloodMode != 0 ? record.slot[kFloodDepth] : record.slot[kFieldStrength];
}

void RampColour(const Context& ctx, double value, Rgb& colour) {
  if (ctx.FloodMode != 0)
    WaterColour(value, ctx.drawing, colour);
  else
    FieldColour(value, ctx.drawing, colour);
}

void TerrainColour(const Context& ctx, const CellRecord& record, Rgb& colour) {
  TerrainGrey(ElevationMetres(record), ctx.run.ElevationMin, ctx.run.ElevationMax, ctx.settings.Color_RGB_Sea,
              colour);
}

// The rows R as the block edges count them; within the limits of any run the
// sum is far inside 32 bits.
int32_t RowsForBlocks(const ProjectParameters& p) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{p.Range_South} + p.Range_North, INT32_MIN, INT32_MAX));
}

PixelBlock PreviewBlock(int x, int y) {
  auto end = [](int start) {
    return static_cast<int32_t>(std::min<int64_t>(int64_t{start} + kPreviewBlockPixels, INT32_MAX));
  };
  return PixelBlock{x, end(x), y, end(y)};
}

// Writes CurrentColour for a result-layer or preview code, starting from white.
void ChooseResultColour(const Context& ctx, int code, const CellRecord& record, Rgb& colour) {
  colour = kWhiteRgb;
  const double value = ResultValue(ctx, record);
  switch (code) {
    case kPaintResultRun:
    case kPaintRamp:
      RampColour(ctx, value, colour);
      break;
    case kPaintSteppedRamp:
      RampColour(ctx, SteppedValue(value, ctx.drawing.DrawStep), colour);
      break;
    case kPaintThreshold:
      if (value >= ctx.drawing.DrawLowerLimit) colour = ctx.settings.Color_RGB;
      break;
    case kPaintLineOfSight:
      if (record.slot[kLineOfSight] > 0) colour = ctx.settings.Color_RGB;  // slot 11 in both modes
      break;
    case kPaintPreview:
      RampColour(ctx, value, colour);
      if (colour == kWhiteRgb) TerrainColour(ctx, record, colour);
      break;
    default:
      break;
  }
}

FormImage* TargetOf(Pictures& p, int code) {
  switch (code) {
    case kPaintResultRun:
    case kPaintRamp: return &p.ImageSIM;
    case kPaintSteppedRamp: return &p.ImageSIM1;
    case kPaintThreshold: return &p.ImageSIM2;
    case kPaintLineOfSight: return &p.ImageSIM3;
    case kPaintPreview: return &p.ImageCSR;
    default: return nullptr;
  }
}

// 5001: grey on the fixed scale, block edges by the cell's latitude; the map
// size follows the cell's latitude too.
void PaintTerrainRunCell(Context& ctx, RenderState& rs, int column, int row) {
  const CellRecord& record = ctx.store.CurrentRecord;
  const PixelBlock block = TerrainRunBlock(ctx.params, record, column, row);
  SizeFromTerrainCell(ctx.geometry, ctx.params, record);
  const uint8_t g = TerrainRunGrey(record.slot[kElevation]);
  rs.CurrentColour = Rgb{g, g, g};
  FillPixelBlock(rs.pictures.ImageMAP.picture(), block, rs.CurrentColour.CanvasValue());
}

// 5003 and 5011: TerrainGrey with the area's range, sea in SeaColour. The
// terrain layer is filled before the sea rule, which never blanks it.
void PaintTerrainCell(Context& ctx, RenderState& rs, int column, int row) {
  const CellRecord& record = ctx.store.CurrentRecord;
  rs.CurrentColour = kWhiteRgb;
  TerrainColour(ctx, record, rs.CurrentColour);
  const PixelBlock block = CellPixelBlock(ctx.geometry, RowsForBlocks(ctx.params), column, row);
  FillPixelBlock(rs.pictures.ImageMAP.picture(), block, rs.CurrentColour.CanvasValue());
}

void PaintResultCell(Context& ctx, RenderState& rs, int code, int a, int b) {
  const CellRecord& record = ctx.store.CurrentRecord;
  ChooseResultColour(ctx, code, record, rs.CurrentColour);
  // The sea rule: with CheckBoxSea checked sea cells stay blank.
  if (ElevationMetres(record) <= -10 && rs.view.sea) rs.CurrentColour = kWhiteRgb;
  const PixelBlock block =
      code == kPaintPreview ? PreviewBlock(a, b) : CellPixelBlock(ctx.geometry, RowsForBlocks(ctx.params), a, b);
  FillPixelBlock(TargetOf(rs.pictures, code)->picture(), block, rs.CurrentColour.CanvasValue());
}

}  // namespace

void PaintCell(Context& ctx, RenderState& rs, int code, int a, int b) {
  switch (code) {
    case kSizeRunEstimate:
    case kSizeRunReduction:
    case kSizeDrawing:
    case kSizePreview:
      ApplySizingCode(ctx, code);
      return;  // a sizing code paints nothing and refreshes nothing
    case kPaintTerrainRun:
      PaintTerrainRunCell(ctx, rs, a, b);
      break;
    case kPaintTerrainGeometry:
    case kPaintTerrain:
      PaintTerrainCell(ctx, rs, a, b);
      break;
    case kPaintResultRun:
    case kPaintRamp:
    case kPaintSteppedRamp:
    case kPaintThreshold:
    case kPaintLineOfSight:
    case kPaintPreview:
      PaintResultCell(ctx, rs, code, a, b);
      break;
    default:
      return;
  }
  RefreshView(ctx, rs, code, a, b);
}

}  // namespace dorx
