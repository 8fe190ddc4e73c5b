#pragma once
// Whole-block pixel work on the map pictures, with direct row access: the
// painters fill one block per cell and copy whole layers at the refresh cells,
// so neither goes through per-pixel canvas calls.
#include "engine/context.h"
#include "platform/bitmap.h"
#include "render/cell_block.h"

namespace dorx {

// Fills [left, right) x [top, bottom) of the picture, clipped to it; an empty
// or inverted block fills nothing.
void FillPixelBlock(Bitmap& picture, const PixelBlock& block, CanvasColour colour);

// target = a copy of the source at cut(ImageWidth) x cut(ImageHeight): the
// pixels inside both keep their colour, pixels beyond the source are white.
void CopyAtMapSize(const Bitmap& source, const MapGeometry& g, Bitmap& target);

}  // namespace dorx
