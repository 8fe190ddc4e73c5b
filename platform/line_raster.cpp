#include "platform/line_raster.h"

#include <algorithm>
#include <cstdlib>

#include "platform/exact_division.h"

namespace dorx {
namespace {

// The step numbers i in [0, steps) whose coordinate start + i * direction lies
// in [0, size): only those are visited, so a line with far-away end points
// costs no more than the picture is wide.
struct StepRange {
  int64_t first;
  int64_t end;
};

StepRange VisibleSteps(int64_t start, int direction, int64_t steps, int size) {
  int64_t first = 0;
  int64_t end = steps;
  if (direction > 0) {
    first = std::max<int64_t>(first, -start);
    end = std::min<int64_t>(end, size - start);
  } else {
    first = std::max<int64_t>(first, start - size + 1);
    end = std::min<int64_t>(end, start + 1);
  }
  return {first, end};
}

}  // namespace

void DrawLinePixels(Bitmap& bitmap, Point from, Point to, CanvasColour colour) {
  const int64_t dx = static_cast<int64_t>(to.x) - from.x;
  const int64_t dy = static_cast<int64_t>(to.y) - from.y;
  const int64_t adx = std::llabs(dx);
  const int64_t ady = std::llabs(dy);
  if (adx == 0 && ady == 0) return;
  const bool x_major = adx >= ady;
  const int64_t steps = x_major ? adx : ady;
  const int64_t minor_delta = x_major ? dy : dx;
  const int64_t major_start = x_major ? from.x : from.y;
  const int64_t minor_start = x_major ? from.y : from.x;
  const int direction = (x_major ? dx : dy) > 0 ? 1 : -1;
  const StepRange range = VisibleSteps(major_start, direction, steps,
                                       x_major ? bitmap.width() : bitmap.height());
  for (int64_t i = range.first; i < range.end; ++i) {
    const int64_t major = major_start + i * direction;
    const int64_t minor =
        minor_start + static_cast<int64_t>(RoundHalfDown(static_cast<Wide>(i) * minor_delta, steps));
    const int64_t x = x_major ? major : minor;
    const int64_t y = x_major ? minor : major;
    bitmap.SetPixel(static_cast<int>(x), static_cast<int>(y), colour);
  }
}

}  // namespace dorx
