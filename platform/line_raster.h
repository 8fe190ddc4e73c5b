#pragma once
// The one-pixel line rule of the canvas (docs/raster-rules.md).
#include "platform/bitmap.h"
#include "platform/point.h"

namespace dorx {

// Sets the pixels of the line from `from` to `to`: the start point included,
// the end point excluded, so a line to the same point sets nothing. Along the
// longer axis every pixel column (or row) gets one pixel; across it the pixel
// nearest to the exact line, a tie going to the smaller coordinate, so a line
// covers the same pixels in both directions apart from its excluded end.
void DrawLinePixels(Bitmap& bitmap, Point from, Point to, CanvasColour colour);

}  // namespace dorx
