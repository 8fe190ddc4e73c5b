#include "render/cursor_readout.h"

#include <cmath>

#include "platform/cut.h"
#include "render/cursor_cell.h"
#include "render/cursor_texts.h"
#include "render/map_overlays.h"

namespace dorx {
namespace {

constexpr int kReadoutText = 1011;
constexpr int kOnImageCSR = 1;

// Reads the record of the cell under the cursor into rs.cursor.cell. The
// cache is reset first, so the read is never skipped as a repeat of the
// drawing run's last read; a record the file does not hold reads as no data.
void ReadCursorCell(Context& ctx, RenderState& rs) {
  const AreaCell cell = CellUnderCursor(ctx, rs.cursor.X, rs.cursor.Y);
  ctx.CellAccess(RESET_CACHE, 0, 0);
  ctx.store.CurrentRecord.Clear();
  if (ctx.CellAccess(READ_A_RESULT, cell.column, cell.row) > 0) rs.cursor.cell = ctx.store.CurrentRecord;
}

// The circle round the station through (x, y): the box of radius d about the
// station, its top measured from the picture's bottom edge.
void DrawCircleThrough(Canvas& canvas, const MapGeometry& g, int32_t x, int32_t y) {
  const double ex = x - g.WestPixels;
  const double ey = g.NorthPixels - y;
  const double d = std::sqrt(ex * ex + ey * ey);
  canvas.Ellipse(CutToInt(g.WestPixels - d), CutToInt(g.ImageHeight - (g.SouthPixels + d)),
                 CutToInt(g.WestPixels + d), CutToInt(g.NorthPixels + d));
}

void DrawCursorFigures(const MapGeometry& g, const CursorState& cursor, Pictures& pictures) {
  FormImage& image = pictures.ImageCSR;
  image.canvas_state.brush_style = BrushStyle::kClear;
  image.canvas_state.pen_width = 1;
  Canvas canvas = image.canvas();
  const int32_t sx = CutToInt(g.WestPixels);
  const int32_t sy = CutToInt(g.NorthPixels);

  canvas.state().pen_colour = kBlue;
  canvas.Line(sx, sy, cursor.X, cursor.Y);
  canvas.state().pen_colour = kGreen;  // the cursor mirrored through the station
  canvas.Line(sx, sy, CutToInt(2 * g.WestPixels - cursor.X), CutToInt(2 * g.NorthPixels - cursor.Y));
  canvas.state().pen_colour = kLightBlue;
  DrawCircleThrough(canvas, g, cursor.X, cursor.Y);

  canvas.state().pen_colour = kBlack;
  canvas.Line(sx, sy, cursor.click_x, cursor.click_y);
  canvas.state().pen_colour = kGrey;
  DrawCircleThrough(canvas, g, cursor.click_x, cursor.click_y);

  DrawStationMarker(g, pictures, kOnImageCSR);
}

bool CursorOnMap(const MapGeometry& g, int32_t X, int32_t Y) {
  return !(Y < 0 || Y > CutToInt(g.ImageHeight) || X < 0 || X > CutToInt(g.ImageWidth));
}

}  // namespace

void UpdateCursorReadout(Context& ctx, RenderState& rs, MessageSink& sink) {
  if (!CursorOnMap(ctx.geometry, rs.cursor.X, rs.cursor.Y)) return;
  if (!OpenResultFileForMouse(ctx, sink)) return;
  ReadCursorCell(ctx, rs);
  ctx.store.StoreFileA.Close();

  DrawCursorFigures(ctx.geometry, rs.cursor, rs.pictures);

  sink.SetMessageText(StatusText(rs.cursor.cell, ctx));
  sink.ShowMessageCode(kReadoutText);

  rs.cursor.station_line = StationLine(ctx);
  rs.cursor.cell_line = CellLine(rs.cursor.cell);
  rs.cursor.title = TitleLine(ctx.params);
}

}  // namespace dorx
