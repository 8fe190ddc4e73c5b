#include "render/cursor_mouse.h"

#include "render/cursor_readout.h"
#include "render/map_overlays.h"
#include "render/terrain_section.h"

namespace dorx {
namespace {
constexpr int kOnImageCSR = 1;
}  // namespace

void MouseMoveOverMap(Context& ctx, RenderState& rs, MessageSink& sink, bool run_active, int32_t X,
                      int32_t Y) {
  if (run_active || !ctx.ImageReady || !ctx.CursorTracking) return;
  rs.cursor.X = X;
  rs.cursor.Y = Y;
  rs.pictures.ImageCSR.canvas().Draw(0, 0, rs.pictures.ComposedBitmap);
  if (rs.view.grid) DrawGrid(ctx, rs.pictures, kOnImageCSR);
  UpdateCursorReadout(ctx, rs, sink);
  if (rs.view.move) DrawTerrainSection(ctx, rs, sink);
}

bool ClickOnMap(Context& ctx, RenderState& rs, MessageSink& sink, bool run_active, MapScroll scroll) {
  if (run_active || !ctx.ImageReady) return false;
  // Mouse moves that the event processing inside the click delivers must not
  // redraw the map.
  ctx.CursorTracking = false;
  rs.pictures.ImageSEC.visible = true;
  rs.cursor.click_x = rs.cursor.X;
  rs.cursor.click_y = rs.cursor.Y;
  const bool show_chart = rs.view.fine != DisplayMode::kNone;
  if (show_chart) {
    rs.cursor.saved_scroll = scroll;
    rs.pictures.ImageCSR.visible = false;
    rs.pictures.ImageFIN.visible = true;
  }
  if (!rs.view.move) {
    UpdateCursorReadout(ctx, rs, sink);
    DrawTerrainSection(ctx, rs, sink);
  }
  ctx.CursorTracking = true;
  return show_chart;
}

std::optional<MapScroll> ClickOnChart(Context& ctx, RenderState& rs) {
  if (!ctx.ImageReady) return std::nullopt;
  ctx.CursorTracking = true;
  rs.pictures.ImageCSR.visible = true;
  rs.pictures.ImageFIN.visible = false;
  return rs.cursor.saved_scroll;
}

}  // namespace dorx
