#include "platform/ellipse_raster.h"

#include <algorithm>
#include <cmath>

namespace dorx {
namespace {

using Unsigned = unsigned __int128;

// Pixels [first, last] of one row; first > last for a row without pixels.
struct Span {
  int64_t first = 1;
  int64_t last = 0;
  bool empty() const { return first > last; }
};

uint64_t IntegerSquareRoot(uint64_t n) {
  uint64_t r = static_cast<uint64_t>(std::sqrt(static_cast<long double>(n)));
  while (static_cast<Unsigned>(r) * r > n) --r;
  while (static_cast<Unsigned>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

// The shape works in doubled coordinates, so that the centre of an even box
// (which falls between pixels) is an integer: a pixel's offset from the centre
// is u = 2x - (2 left + w - 1), v likewise, and the curve through the centres
// of the extreme pixels is u^2 / A^2 + v^2 / B^2 = 1 with A = w - 1, B = h - 1.
// A row holds the pixels within half a pixel of the curve's chord:
// |u| <= 1 or (|u| - 1)^2 B^2 <= A^2 (B^2 - v^2). Everything is exact integer
// arithmetic, and the row depends on |v| only: the shape is symmetric.
class EllipseRows {
 public:
  EllipseRows(int left, int top, int right, int bottom)
      : left_(left), top_(top), bottom_(bottom),
        a_(static_cast<int64_t>(right) - left - 1),
        b_(static_cast<int64_t>(bottom) - top - 1) {}

  Span RowSpan(int64_t y) const {
    if (y < top_ || y >= bottom_) return {};
    const int64_t half = HalfWidthDoubled(std::llabs(2 * y - (2 * top_ + b_)));
    return {left_ + (a_ - half) / 2, left_ + (a_ + half) / 2};
  }

 private:
  // The largest |u| of the row at |v|, with the parity of A.
  int64_t HalfWidthDoubled(int64_t v) const {
    if (b_ == 0) return a_;
    const Unsigned b2 = static_cast<Unsigned>(b_) * static_cast<Unsigned>(b_);
    const Unsigned v2 = static_cast<Unsigned>(v) * static_cast<Unsigned>(v);
    const Unsigned a2 = static_cast<Unsigned>(a_) * static_cast<Unsigned>(a_);
    const Unsigned chord2 = a2 * (b2 - v2);  // below 2^128: A, B < 2^32
    int64_t half = static_cast<int64_t>(IntegerSquareRoot(static_cast<uint64_t>(chord2 / b2))) + 1;
    if ((half - a_) % 2 != 0) --half;
    return std::min(half, a_);
  }

  int64_t left_, top_, bottom_;
  int64_t a_, b_;
};

}  // namespace

void DrawEllipsePixels(Bitmap& bitmap, int left, int top, int right, int bottom,
                       CanvasColour outline, std::optional<CanvasColour> fill) {
  if (right <= left || bottom <= top) return;
  const EllipseRows rows(left, top, right, bottom);
  const int64_t first_row = std::max<int64_t>(top, 0);
  const int64_t end_row = std::min<int64_t>(bottom, bitmap.height());
  for (int64_t y = first_row; y < end_row; ++y) {
    const Span row = rows.RowSpan(y);
    const Span above = rows.RowSpan(y - 1);
    const Span below = rows.RowSpan(y + 1);
    // Inside: the pixels whose four neighbours all belong to the shape.
    Span inside;
    if (!above.empty() && !below.empty()) {
      inside.first = std::max({row.first + 1, above.first, below.first});
      inside.last = std::min({row.last - 1, above.last, below.last});
    }
    const int line = static_cast<int>(y);
    if (inside.empty()) {
      bitmap.FillSpan(line, row.first, row.last + 1, outline);
      continue;
    }
    bitmap.FillSpan(line, row.first, inside.first, outline);
    bitmap.FillSpan(line, inside.last + 1, row.last + 1, outline);
    if (fill) bitmap.FillSpan(line, inside.first, inside.last + 1, *fill);
  }
}

}  // namespace dorx
