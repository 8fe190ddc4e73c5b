#include "render/section_drawing.h"

#include "platform/cut.h"
#include "render/colour_scales.h"

namespace dorx {

CanvasColour SegmentColour(const Context& ctx, Rgb& CurrentColour, const SectionSample& first,
                           const SectionSample& second) {
  if (IsNoDataHeight(first.elevation_m) && IsNoDataHeight(second.elevation_m)) return kGrey;
  CurrentColour = ctx.settings.Color_RGB_Gray;
  if (ctx.FloodMode == 0)
    FieldColour(first.field_strength, ctx.drawing, CurrentColour);
  else
    WaterColour(first.flood_depth, ctx.drawing, CurrentColour);
  return CurrentColour.CanvasValue();
}

void DrawLineIn(Canvas& canvas, Point from, Point to, CanvasColour colour) {
  canvas.state().pen_colour = colour;
  canvas.Line(from.x, from.y, to.x, to.y);
}

void DrawGroundSegment(Canvas& canvas, const GroundSegment& s, DisplayMode mode, CanvasColour colour) {
  if (mode == DisplayMode::kColour) {
    CanvasState& state = canvas.state();
    const BrushStyle brush = state.brush_style;
    state.brush_style = BrushStyle::kSolid;
    state.brush_colour = colour;
    state.pen_colour = colour;
    canvas.Polygon({s.sea0, s.ground0, s.ground1, s.sea1});
    state.brush_style = brush;
    DrawLineIn(canvas, s.ground0, s.ground1, kBlack);
  } else if (mode == DisplayMode::kLine) {
    DrawLineIn(canvas, s.ground0, s.ground1, kGrey);
  }
}

int SectionPixels::X(const SectionFractions& f, int32_t index) const {
  if (!x_from_index) return CutToInt(800 * f.x + 8);
  if (n <= 0) return 8;
  return static_cast<int>(int64_t{index} * 800 / n + 8);
}

int SectionPixels::Y(double fraction) const { return CutToInt(y_span * fraction + 10); }

ProjectedSample ProjectSample(const SectionPixels& px, const SectionScale& scale, SectionPointKind kind,
                              double extra_m, IndexedSample at, double height_m) {
  const SectionFractions f = ProjectSectionPoint(scale, kind, extra_m, at.sample.distance_m, height_m);
  const int x = px.X(f, at.index);
  return ProjectedSample{Point{x, px.Y(f.upper_y)}, Point{x, px.Y(f.lower_y)}};
}

GroundSegment GroundBetween(const SectionPixels& px, const SectionScale& scale, IndexedSample first,
                            IndexedSample second) {
  const SectionPointKind kind = SectionPointKind::kTerrain;
  const ProjectedSample a = ProjectSample(px, scale, kind, 0.0, first, first.sample.elevation_m);
  const ProjectedSample b = ProjectSample(px, scale, kind, 0.0, second, second.sample.elevation_m);
  return GroundSegment{a.upper, a.lower, b.lower, b.upper};
}

namespace {

void DrawMastOf(Canvas& canvas, const ProjectedSample& p, CanvasColour colour) {
  DrawLineIn(canvas, p.lower, p.upper, colour);
}

}  // namespace

void DrawSectionMasts(Canvas& canvas, const SectionPixels& px, const Context& ctx, const SectionScale& scale,
                      IndexedSample station, IndexedSample target, bool line_of_sight) {
  const SectionPointKind mast = SectionPointKind::kTerrainMast;
  if (ctx.FloodMode == 0) {
    const ProjectedSample tx =
        ProjectSample(px, scale, mast, ctx.params.Tx_Altitude, station, station.sample.elevation_m);
    const ProjectedSample rx = ProjectSample(px, scale, mast, ctx.params.Rx_Altitude, target, target.sample.elevation_m);
    DrawMastOf(canvas, tx, kMagenta);
    DrawMastOf(canvas, rx, kBlack);
    if (line_of_sight) DrawLineIn(canvas, tx.upper, rx.upper, kBlue);
    return;
  }
  const double level = ctx.params.WaterLevel;
  DrawMastOf(canvas, ProjectSample(px, scale, mast, level, station, station.sample.elevation_m), kMagenta);
  DrawMastOf(canvas, ProjectSample(px, scale, mast, level, target, 0.0), kBlack);
}

void DrawWaterSurface(Canvas& canvas, const SectionPixels& px, const Context& ctx, const SectionScale& scale,
                      SectionPointKind kind, IndexedSample first, IndexedSample second) {
  const double level = ctx.params.WaterLevel;
  DrawLineIn(canvas, ProjectSample(px, scale, kind, 0.0, first, level).lower,
             ProjectSample(px, scale, kind, 0.0, second, level).lower, kBlue);
}

}  // namespace dorx
