#include "platform/canvas.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/ellipse_raster.h"
#include "platform/line_raster.h"
#include "platform/polygon_raster.h"
#include "platform/text_renderer.h"

namespace dorx {
namespace {

// A box given by two corners in any order, with left <= right and top <= bottom,
// as a desktop canvas orders the boxes of its frames and ellipses.
struct Box {
  int left, top, right, bottom;
};

Box Ordered(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}

// Fills [left, right) x [top, bottom) as given: an inverted box is empty here.
void FillBox(Bitmap& bitmap, Box b, CanvasColour colour) {
  const int first_row = std::max(b.top, 0);
  const int end_row = std::min(b.bottom, bitmap.height());
  for (int y = first_row; y < end_row; ++y) bitmap.FillSpan(y, b.left, b.right, colour);
}

}  // namespace

void Canvas::MoveTo(int x, int y) { state_.pen_position = {x, y}; }

void Canvas::LineTo(int x, int y) {
  DrawLinePixels(bitmap_, state_.pen_position, {x, y}, state_.pen_colour);
  state_.pen_position = {x, y};
}

void Canvas::FillRect(int left, int top, int right, int bottom) {
  FillRect(left, top, right, bottom, state_.brush_colour);
}

void Canvas::FillRect(int left, int top, int right, int bottom, CanvasColour colour) {
  FillBox(bitmap_, Ordered(left, top, right, bottom), colour);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  const Box b = Ordered(left, top, right, bottom);
  if (b.left == b.right || b.top == b.bottom) return;
  if (state_.brush_style == BrushStyle::kSolid)
    FillBox(bitmap_, {b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, state_.brush_colour);
  const CanvasColour pen = state_.pen_colour;
  FillBox(bitmap_, {b.left, b.top, b.right, b.top + 1}, pen);
  FillBox(bitmap_, {b.left, b.bottom - 1, b.right, b.bottom}, pen);
  FillBox(bitmap_, {b.left, b.top, b.left + 1, b.bottom}, pen);
  FillBox(bitmap_, {b.right - 1, b.top, b.right, b.bottom}, pen);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const Box b = Ordered(left, top, right, bottom);
  std::optional<CanvasColour> fill;
  if (state_.brush_style == BrushStyle::kSolid) fill = state_.brush_colour;
  DrawEllipsePixels(bitmap_, b.left, b.top, b.right, b.bottom, state_.pen_colour, fill);
}

void Canvas::Polygon(const std::vector<Point>& points) {
  if (points.empty()) return;
  if (state_.brush_style == BrushStyle::kSolid)
    FillPolygonPixels(bitmap_, points, state_.brush_colour);
  for (size_t i = 0; i < points.size(); ++i)
    DrawLinePixels(bitmap_, points[i], points[(i + 1) % points.size()], state_.pen_colour);
}

void Canvas::TextOut(int x, int y, std::string_view utf8) {
  std::optional<CanvasColour> background;
  if (state_.brush_style == BrushStyle::kSolid) background = state_.brush_colour;
  TextRenderer::Shared().Draw(bitmap_, x, y, utf8, state_.font_size_pt, state_.font_colour,
                              background);
}

Point Canvas::TextExtent(std::string_view utf8) const {
  const TextCell cell = TextRenderer::Shared().Measure(utf8, state_.font_size_pt);
  return {cell.width, cell.height()};
}

void Canvas::Draw(int x, int y, const Bitmap& source) {
  if (&source == &bitmap_) {  // rows would be overwritten before they are read
    const Bitmap copy = source;
    Draw(x, y, copy);
    return;
  }
  const int64_t first_col = std::max<int64_t>(0, -static_cast<int64_t>(x));
  const int64_t end_col =
      std::min<int64_t>(source.width(), static_cast<int64_t>(bitmap_.width()) - x);
  if (first_col >= end_col) return;
  const size_t bytes = static_cast<size_t>(end_col - first_col) * 3;
  for (int sy = 0; sy < source.height(); ++sy) {
    const int64_t ty = static_cast<int64_t>(y) + sy;
    if (ty < 0 || ty >= bitmap_.height()) continue;
    std::memcpy(bitmap_.Row(static_cast<int>(ty)) + (x + first_col) * 3,
                 source.Row(sy) + first_col * 3, bytes);
  }
}

}  // namespace dorx
