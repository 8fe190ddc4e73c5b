#include "render/progress_refresh.h"

#include <cstdlib>

#include "render/cell_painter.h"
#include "render/map_overlays.h"
#include "render/pixel_fill.h"

namespace dorx {

bool IsRefreshCell(int Coarse, int column, int row) {
  // In 64 bits, so that the magnitude of the lowest int exists.
  const int64_t abs_column = std::llabs(static_cast<int64_t>(column));
  const int64_t abs_row = std::llabs(static_cast<int64_t>(row));
  return (abs_row % 100 == Coarse && abs_column % 100 == 0) || (column == 0 && row == 0);
}

void RefreshView(const Context& ctx, RenderState& rs, int code, int column, int row) {
  const bool terrain = code == kPaintTerrainRun || code == kPaintTerrainGeometry;
  const bool result = code == kPaintResultRun || code == kPaintRamp;
  if (!(terrain || result) || !IsRefreshCell(ctx.params.Coarse, column, row)) return;
  Pictures& p = rs.pictures;
  Bitmap& copy = terrain ? p.TerrainBitmap : p.LayerBitmap;
  CopyAtMapSize(terrain ? p.ImageMAP.picture() : p.ImageSIM.picture(), ctx.geometry, copy);
  p.ImageCSR.canvas().Draw(0, 0, copy);
  if (code != kPaintTerrainRun) DrawStationMarker(ctx.geometry, p, 1);
}

}  // namespace dorx
