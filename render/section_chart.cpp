// The line-of-sight chart on ImageFIN: the section from the station to the
// target on a curved earth.
#include <cmath>
#include <string>
#include <vector>

#include "platform/c_format.h"
#include "platform/cut.h"
#include "platform/sjis.h"
#include "render/section_drawing.h"
#include "render/terrain_section.h"

namespace dorx {
namespace {

constexpr SectionPixels kChartPixels{480.0, false, 0};

// Heights of the height lines: 0, step, 2 x step, ... up to and including the
// first at or above the height range. The step is at least 10 m, so the list
// is short; a range that is not a finite number gives the line at 0 alone.
std::vector<double> HeightLineHeights(const SectionScale& scale) {
  std::vector<double> heights;
  for (double h = 0.0;; h += scale.height_step_m) {
    heights.push_back(h);
    if (!(h < scale.height_range_m) || !std::isfinite(scale.height_range_m)) break;
  }
  return heights;
}

void DrawChartGround(const Context& ctx, RenderState& rs, Canvas& canvas) {
  const std::vector<SectionSample>& s = rs.section.section;
  const SectionScale& scale = rs.section.scale;
  const int32_t t = static_cast<int32_t>(s.size()) - 2;
  // A section without length (target on the station's cell) has no ground.
  if (!(scale.horizontal_scale_m > 0)) return;
  for (int32_t k = 0; k <= t; ++k) {
    const IndexedSample a{s[static_cast<size_t>(k)], k};
    const IndexedSample b{s[static_cast<size_t>(k) + 1], k + 1};
    const CanvasColour colour = SegmentColour(ctx, rs.CurrentColour, a.sample, b.sample);
    DrawGroundSegment(canvas, GroundBetween(kChartPixels, scale, a, b), rs.view.fine, colour);
  }
}

void DrawHeightLines(const RenderState& rs, Canvas& canvas) {
  const std::vector<SectionSample>& s = rs.section.section;
  const SectionScale& scale = rs.section.scale;
  const int32_t t = static_cast<int32_t>(s.size()) - 2;
  const std::vector<double> heights = HeightLineHeights(scale);
  const SectionPointKind kind = SectionPointKind::kLevel;
  canvas.state().font_colour = kBlack;
  for (int32_t k = 0; k <= t; ++k) {
    const IndexedSample a{s[static_cast<size_t>(k)], k};
    const IndexedSample b{s[static_cast<size_t>(k) + 1], k + 1};
    for (double h : heights) {
      const Point from = ProjectSample(kChartPixels, scale, kind, 0.0, a, h).lower;
      const Point to = ProjectSample(kChartPixels, scale, kind, 0.0, b, h).lower;
      DrawLineIn(canvas, from, to, kSilver);
      if (k != t) continue;
      // The scale at the right: a tick and the height.
      DrawLineIn(canvas, Point{800, from.y}, Point{816, to.y}, kSilver);
      canvas.TextOut(824, to.y - 10, Format("%04d", CutToInt(h)));
    }
  }
  canvas.TextOut(864, 2, "[m]");
  canvas.FillRect(0, 0, 824, 10, kWhite);
}

void DrawChartFrameAndMasts(const Context& ctx, const RenderState& rs, Canvas& canvas) {
  const std::vector<SectionSample>& s = rs.section.section;
  const SectionScale& scale = rs.section.scale;
  const int32_t t = static_cast<int32_t>(s.size()) - 2;
  const IndexedSample station{s.front(), 0};
  const IndexedSample target{s[static_cast<size_t>(t)], t};

  const Point sea_at_target =
      ProjectSample(kChartPixels, scale, SectionPointKind::kTerrain, 0.0, target, target.sample.elevation_m).upper;
  canvas.state().pen_colour = kSilver;
  canvas.Rectangle(7, 9, sea_at_target.x + 1, sea_at_target.y + 2);

  DrawSectionMasts(canvas, kChartPixels, ctx, scale, station, target, rs.view.fine != DisplayMode::kNone);
  if (ctx.FloodMode == 0) return;
  for (int32_t k = 0; k <= t; ++k) {
    DrawWaterSurface(canvas, kChartPixels, ctx, scale, SectionPointKind::kTerrain,
                     IndexedSample{s[static_cast<size_t>(k)], k}, IndexedSample{s[static_cast<size_t>(k) + 1], k + 1});
  }
}

void DrawChartTexts(const CursorState& cursor, Canvas& canvas) {
  canvas.state().font_colour = kBlack;
  canvas.TextOut(8, 507, Cp932ToUtf8(cursor.title));
  canvas.TextOut(8, 525, Cp932ToUtf8(cursor.station_line));
  canvas.TextOut(8, 543, Cp932ToUtf8(cursor.cell_line));
}

}  // namespace

int SectionChartWidth(const std::string& cell_line_cp932) {
  const size_t width = 6 * cell_line_cp932.size();
  return width > 908 ? static_cast<int>(width) : 908;
}

void DrawSectionChart(const Context& ctx, RenderState& rs) {
  Canvas canvas = rs.pictures.ImageFIN.canvas();
  canvas.state().brush_style = BrushStyle::kClear;
  DrawChartGround(ctx, rs, canvas);
  DrawHeightLines(rs, canvas);
  DrawChartFrameAndMasts(ctx, rs, canvas);
  DrawChartTexts(rs.cursor, canvas);
}

}  // namespace dorx
