#include "render/pixel_fill.h"

#include <algorithm>

#include "render/map_geometry.h"

namespace dorx {

void FillPixelBlock(Bitmap& picture, const PixelBlock& block, CanvasColour colour) {
  const int first_row = std::max(block.top, 0);
  const int end_row = std::min(block.bottom, picture.height());
  for (int y = first_row; y < end_row; ++y) picture.FillSpan(y, block.left, block.right, colour);
}

void CopyAtMapSize(const Bitmap& source, const MapGeometry& g, Bitmap& target) {
  const int width = MapWidthPixels(g);
  const int height = MapHeightPixels(g);
  if (width <= 0 || height <= 0) {  // a map without pixels (a size not yet known): nothing to copy
    target = Bitmap(width, height);
    return;
  }
  target = source;  // reuses the target's storage when it is large enough
  if (target.width() != width || target.height() != height) target.Resize(width, height);
}

}  // namespace dorx
