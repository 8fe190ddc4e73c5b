#pragma once
// Drawing on a Bitmap with the classic integer raster rules of a desktop
// canvas (documented in docs/raster-rules.md): lines exclude their end point,
// filled rectangles exclude their right and bottom edges, outlines lie inside
// their bounding box. Everything outside the picture is clipped.
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"
#include "platform/point.h"

namespace dorx {

enum class BrushStyle { kSolid, kClear };

// The drawing state that belongs to a picture's canvas.
struct CanvasState {
  CanvasColour pen_colour = kBlack;
  int pen_width = 1;  // pixels; 0 and below draw as 1
  CanvasColour brush_colour = kWhite;
  BrushStyle brush_style = BrushStyle::kSolid;
  CanvasColour font_colour = kBlack;
  int font_size_pt = 9;  // points at 96 dots per inch
  Point pen_position;
};

class Canvas {
 public:
  Canvas(Bitmap& bitmap, CanvasState& state) : bitmap_(bitmap), state_(state) {}

  CanvasState& state() { return state_; }
  Bitmap& bitmap() { return bitmap_; }

  void MoveTo(int x, int y);
  // Line from the pen position to (x, y); the pen moves there. A one-pixel pen
  // excludes the end point; a wider pen covers both ends with round caps.
  void LineTo(int x, int y);
  void Line(int x0, int y0, int x1, int y1) {
    MoveTo(x0, y0);
    LineTo(x1, y1);
  }
  // Fills [left, right) x [top, bottom) with the brush colour (whatever its style).
  // The boxes of FillRect, Rectangle and Ellipse may name their corners in any
  // order: they are ordered first, so (5, 5, 2, 2) is the box [2, 5) x [2, 5);
  // a box without width or height draws nothing.
  void FillRect(int left, int top, int right, int bottom);
  void FillRect(int left, int top, int right, int bottom, CanvasColour colour);
  // A frame in the pen colour along the inside of [left, right) x [top, bottom),
  // as many pixels wide as the pen; the inside is filled with the brush when the
  // brush is solid.
  void Rectangle(int left, int top, int right, int bottom);
  // The ellipse inside the box [left, right) x [top, bottom): outline in the pen
  // colour and width (inside the box), inside filled with the brush when the
  // brush is solid.
  void Ellipse(int left, int top, int right, int bottom);
  // Closed polygon: inside filled when the brush is solid, then the outline in
  // the pen, one line from every point to the next and from the last to the first.
  void Polygon(const std::vector<Point>& points);
  // UTF-8 text with its cell's top-left corner at (x, y), in the font colour and
  // size; the text's cell is filled with the brush colour first when the brush is solid.
  void TextOut(int x, int y, std::string_view utf8);
  // Width and height in pixels of the text's cell at the current font size.
  Point TextExtent(std::string_view utf8) const;
  // Copies the bitmap with its top-left corner at (x, y).
  void Draw(int x, int y, const Bitmap& source);

 private:
  Bitmap& bitmap_;
  CanvasState& state_;
};

}  // namespace dorx
