#include "platform/canvas.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

#include "platform/ellipse_raster.h"
#include "platform/line_raster.h"
#include "platform/polygon_raster.h"
#include "platform/text_renderer.h"
#include "platform/wide_line_raster.h"

namespace dorx {
namespace {

// A box given by two corners in any order, with left <= right and top <= bottom,
// as a desktop canvas orders the boxes of its frames and ellipses.
struct Box {
  int64_t left, top, right, bottom;
};

Box Ordered(int left, int top, int right, int bottom) {
  return {std::min(left, right), std::min(top, bottom), std::max(left, right),
          std::max(top, bottom)};
}

// Fills [left, right) x [top, bottom) as given: an inverted box is empty here.
void FillBox(Bitmap& bitmap, Box b, CanvasColour colour) {
  const int64_t first_row = std::max<int64_t>(b.top, 0);
  const int64_t end_row = std::min<int64_t>(b.bottom, bitmap.height());
  for (int64_t y = first_row; y < end_row; ++y)
    bitmap.FillSpan(static_cast<int>(y), b.left, b.right, colour);
}

// A line in the pen: the one-pixel rule for widths up to 1, the wide rule above.
void DrawPenLine(Bitmap& bitmap, const CanvasState& state, Point from, Point to) {
  if (state.pen_width > 1)
    DrawWideLinePixels(bitmap, from, to, state.pen_width, state.pen_colour);
  else
    DrawLinePixels(bitmap, from, to, state.pen_colour);
}

}  // namespace

void Canvas::MoveTo(int x, int y) { state_.pen_position = {x, y}; }

void Canvas::LineTo(int x, int y) {
  DrawPenLine(bitmap_, state_, state_.pen_position, {x, y});
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
  // The frame is a band as wide as the pen along the inside of the box.
  const int64_t w = std::max(state_.pen_width, 1);
  if (state_.brush_style == BrushStyle::kSolid)
    FillBox(bitmap_, {b.left + w, b.top + w, b.right - w, b.bottom - w}, state_.brush_colour);
  const CanvasColour pen = state_.pen_colour;
  const int64_t band_right = std::min(b.left + w, b.right);
  const int64_t band_left = std::max(b.right - w, b.left);
  const int64_t band_bottom = std::min(b.top + w, b.bottom);
  const int64_t band_top = std::max(b.bottom - w, b.top);
  FillBox(bitmap_, {b.left, b.top, b.right, band_bottom}, pen);
  FillBox(bitmap_, {b.left, band_top, b.right, b.bottom}, pen);
  FillBox(bitmap_, {b.left, b.top, band_right, b.bottom}, pen);
  FillBox(bitmap_, {band_left, b.top, b.right, b.bottom}, pen);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const Box b = Ordered(left, top, right, bottom);
  std::optional<CanvasColour> fill;
  if (state_.brush_style == BrushStyle::kSolid) fill = state_.brush_colour;
  DrawEllipsePixels(bitmap_, static_cast<int>(b.left), static_cast<int>(b.top),
                    static_cast<int>(b.right), static_cast<int>(b.bottom), state_.pen_colour, fill,
                    state_.pen_width);
}

void Canvas::Polygon(const std::vector<Point>& points) {
  if (points.empty()) return;
  if (state_.brush_style == BrushStyle::kSolid)
    FillPolygonPixels(bitmap_, points, state_.brush_colour);
  for (size_t i = 0; i < points.size(); ++i)
    DrawPenLine(bitmap_, state_, points[i], points[(i + 1) % points.size()]);
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
