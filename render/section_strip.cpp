// The section strip on ImageSEC: the whole line across the calculation area,
// its samples spread evenly over 800 pixels, west (or south) on the left.
#include <algorithm>
#include <vector>

#include "render/section_drawing.h"
#include "render/terrain_section.h"

namespace dorx {
namespace {

SectionPixels StripPixels(int32_t n) { return SectionPixels{150.0, true, n}; }

IndexedSample PathSample(const SectionState& s, int32_t index) {
  return IndexedSample{s.path[static_cast<size_t>(index)], index};
}

void DrawStripGround(const Context& ctx, RenderState& rs, Canvas& canvas) {
  const SectionState& s = rs.section;
  const SectionPixels px = StripPixels(s.n);
  for (int32_t k = 0; k < s.n; ++k) {
    const IndexedSample a = PathSample(s, k);
    const IndexedSample b = PathSample(s, k + 1);
    const CanvasColour colour = SegmentColour(ctx, rs.CurrentColour, a.sample, b.sample);
    DrawGroundSegment(canvas, GroundBetween(px, s.scale, a, b), rs.view.section, colour);
  }
}

void DrawStripFrameAndMasts(const Context& ctx, const SectionState& s, Canvas& canvas) {
  const SectionPixels px = StripPixels(s.n);
  canvas.state().pen_colour = kSilver;
  canvas.Rectangle(7, 9, 809, 160);
  // The line of sight is drawn whatever the strip's display mode.
  DrawSectionMasts(canvas, px, ctx, s.scale, PathSample(s, s.station_index), PathSample(s, s.target_index),
                   true);
  if (ctx.FloodMode == 0) return;
  // From the smaller to the larger index, over the segments the strip has.
  const int32_t first = std::min(s.station_index, s.target_index);
  const int32_t last = std::min(std::max(s.station_index, s.target_index), s.n - 1);
  for (int32_t k = first; k <= last; ++k)
    DrawWaterSurface(canvas, px, ctx, s.scale, SectionPointKind::kTerrainMast, PathSample(s, k),
                     PathSample(s, k + 1));
}

}  // namespace

void DrawSectionStrip(const Context& ctx, RenderState& rs) {
  Canvas canvas = rs.pictures.ImageSEC.canvas();
  canvas.state().brush_style = BrushStyle::kClear;
  DrawStripGround(ctx, rs, canvas);
  DrawStripFrameAndMasts(ctx, rs.section, canvas);
}

}  // namespace dorx
