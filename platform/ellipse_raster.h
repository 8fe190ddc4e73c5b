#pragma once
// The ellipse rule of the canvas (docs/raster-rules.md).
#include <optional>

#include "platform/bitmap.h"

namespace dorx {

// The ellipse inscribed in [left, right) x [top, bottom): its extreme pixels
// are the columns left and right - 1 and the rows top and bottom - 1. The
// outline is set in `outline`, the pixels inside it in `fill` when given. A
// box without area sets nothing; the caller orders the edges.
//
// The outline of a pen `pen_width` pixels wide (below 1 counts as 1) is the
// shape of the box less the inside of the shape of the box shrunk by
// pen_width - 1 on every side, so that it stays inside the box; with width 1
// the outline is the shape's pixels that lack one of their four neighbours.
void DrawEllipsePixels(Bitmap& bitmap, int left, int top, int right, int bottom,
                       CanvasColour outline, std::optional<CanvasColour> fill,
                       int pen_width = 1);

}  // namespace dorx
