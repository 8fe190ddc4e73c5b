#include "render/map_overlays.h"

#include <algorithm>
#include <string>

#include "platform/cut.h"
#include "render/map_geometry.h"

namespace dorx {
namespace {

constexpr int kMarkerArmBefore = 6;  // pixels before the station; the arm ends 7 after it
constexpr int kMarkerArmAfter = 7;
constexpr int kDigitWidth = 9;       // the right-hand numbers stand 9 pixels per digit from the edge
constexpr int kNumberFromTop = 2;
constexpr int kNumberFromBottom = 18;
constexpr int kNumberFromLeft = 2;

FormImage* MarkerTarget(Pictures& p, int target) {
  if (target == 1) return &p.ImageCSR;
  if (target == 3) return &p.ImageMIX;
  return nullptr;
}

FormImage* GridTarget(Pictures& p, int target) {
  if (target == 1) return &p.ImageCSR;
  if (target == 11 || target == 13) return &p.ImageMIX;
  return nullptr;
}

// The grid spacing in whole pixels: the farthest edge divided into GridCount
// intervals. 0 when there is no usable spacing (GridCount 0 or below, or
// more intervals than pixels).
int64_t GridSpacing(const MapGeometry& g, int32_t GridCount) {
  const double farthest = std::max({-1.0, g.NorthPixels, g.SouthPixels, g.EastPixels, g.WestPixels});
  if (GridCount <= 0) return 0;
  const int64_t spacing = CutToInt64(farthest / GridCount);
  return spacing > 0 ? spacing : 0;
}

// Whether line k (k x spacing pixels from the station) is drawn: offsets are
// compared with the row or column count, not with the picture size. Without
// a usable spacing only the lines numbered 0 are drawn, so every loop ends.
bool GridLineDrawn(int64_t k, int64_t spacing, double count) {
  if (spacing == 0) return k == 0 && 0 < count;
  return static_cast<double>(k * spacing) < count;
}

// The number of a line, at both of its ends.
void NumberHorizontalLine(Canvas& canvas, int64_t k, int y, int width) {
  const std::string number = std::to_string(k);
  canvas.TextOut(kNumberFromLeft, y, number);
  canvas.TextOut(width - kDigitWidth * static_cast<int>(number.size()), y, number);
}

void NumberVerticalLine(Canvas& canvas, int64_t k, int x, int height) {
  const std::string number = std::to_string(k);
  canvas.TextOut(x, kNumberFromTop, number);
  canvas.TextOut(x, height - kNumberFromBottom, number);
}

void DrawHorizontalLines(Canvas& canvas, const MapGeometry& g, double rows, int64_t spacing, int direction) {
  const int width = MapWidthPixels(g);
  for (int64_t k = direction < 0 ? 0 : 1; GridLineDrawn(k, spacing, rows); ++k) {
    const double offset = static_cast<double>(k * spacing);
    const int y = CutToInt(direction < 0 ? g.NorthPixels - offset : g.NorthPixels + offset);
    canvas.Line(0, y, width, y);
    NumberHorizontalLine(canvas, k, y, width);
  }
}

void DrawVerticalLines(Canvas& canvas, const MapGeometry& g, double columns, int64_t spacing, int direction) {
  const int height = MapHeightPixels(g);
  for (int64_t k = direction < 0 ? 0 : 1; GridLineDrawn(k, spacing, columns); ++k) {
    const double offset = static_cast<double>(k * spacing);
    const int x = CutToInt(direction < 0 ? g.WestPixels - offset : g.WestPixels + offset);
    canvas.Line(x, 0, x, height);
    NumberVerticalLine(canvas, k, x, height);
  }
}

}  // namespace

void DrawStationMarker(const MapGeometry& g, Pictures& pictures, int target) {
  FormImage* image = MarkerTarget(pictures, target);
  if (image == nullptr) return;
  Canvas canvas = image->canvas();
  canvas.state().pen_width = 1;
  canvas.state().pen_colour = kBlue;
  const int x = CutToInt(g.WestPixels);
  const int y = CutToInt(g.NorthPixels);
  canvas.Line(CutToInt(g.WestPixels - kMarkerArmBefore), y, CutToInt(g.WestPixels + kMarkerArmAfter), y);
  canvas.Line(x, CutToInt(g.NorthPixels - kMarkerArmBefore), x, CutToInt(g.NorthPixels + kMarkerArmAfter));
}

void DrawGrid(const Context& ctx, Pictures& pictures, int target) {
  FormImage* image = GridTarget(pictures, target);
  if (image == nullptr) return;
  Canvas canvas = image->canvas();
  // Numbers are written on a white ground.
  canvas.state().brush_style = BrushStyle::kSolid;
  canvas.state().brush_colour = kWhite;
  canvas.state().pen_colour = kSilver;
  canvas.state().pen_width = 1;
  canvas.state().font_size_pt = 9;
  const MapGeometry& g = ctx.geometry;
  const int64_t spacing = GridSpacing(g, ctx.drawing.GridCount);
  const double rows = RowCount(ctx.params);
  const double columns = ColumnCount(ctx.params);
  DrawHorizontalLines(canvas, g, rows, spacing, -1);  // northward, from line 0
  DrawHorizontalLines(canvas, g, rows, spacing, +1);  // southward, from line 1
  DrawVerticalLines(canvas, g, columns, spacing, -1);  // westward, from line 0
  DrawVerticalLines(canvas, g, columns, spacing, +1);  // eastward, from line 1
}

}  // namespace dorx
