#pragma once
// The wide-pen line rule of the canvas (docs/raster-rules.md).
#include "platform/bitmap.h"
#include "platform/point.h"

namespace dorx {

// A line drawn with a pen of `width` >= 2 pixels: every pixel whose centre lies
// within width / 2 of the segment (round ends, both end points covered). An odd
// width is centred on the pixel centres of the end points; an even width on
// the pixel corner above and left of them, so that width 2 covers two rows of
// a horizontal line (y - 1 and y) and a 2 x 2 block at each end. A segment of
// no length sets nothing, as with the one-pixel rule.
void DrawWideLinePixels(Bitmap& bitmap, Point from, Point to, int width, CanvasColour colour);

}  // namespace dorx
