#pragma once
// The ellipse rule of the canvas (docs/raster-rules.md).
#include <optional>

#include "platform/bitmap.h"

namespace dorx {

// The ellipse inscribed in [left, right) x [top, bottom): its extreme pixels
// are the columns left and right - 1 and the rows top and bottom - 1. The
// outline is set in `outline`, the pixels inside it in `fill` when given. A
// box without area sets nothing; the caller orders the edges.
void DrawEllipsePixels(Bitmap& bitmap, int left, int top, int right, int bottom,
                       CanvasColour outline, std::optional<CanvasColour> fill);

}  // namespace dorx
