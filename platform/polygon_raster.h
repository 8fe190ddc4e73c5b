#pragma once
// The polygon fill rule of the canvas (docs/raster-rules.md).
#include <vector>

#include "platform/bitmap.h"
#include "platform/point.h"

namespace dorx {

// Fills the inside of the closed polygon by the even-odd rule, testing pixel
// centres: a vertex (x, y) is the centre of pixel (x, y). On row y an edge
// counts when y lies in [its lower y, its upper y), and the pixels from each
// odd crossing (included) to the next even one (excluded) are set. The outline
// is not part of this: the canvas draws it with the line rule afterwards.
void FillPolygonPixels(Bitmap& bitmap, const std::vector<Point>& points, CanvasColour colour);

}  // namespace dorx
