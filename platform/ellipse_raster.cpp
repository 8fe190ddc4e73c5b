#include "platform/ellipse_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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
// is u = 2x - (2 left + A), v = 2y - (2 top + B), with A = w - 1 and B = h - 1,
// and the curve u^2 / A^2 + v^2 / B^2 = 1 runs through the centres of the
// extreme pixels. A pixel belongs to the shape when its centre, moved half a
// pixel (one doubled unit) towards the centre across or along the row, lies on
// or inside the curve:
//   (|u| - 1)^2 B^2 + v^2 A^2 <= A^2 B^2   or   u^2 B^2 + (|v| - 1)^2 A^2 <= A^2 B^2
// (a negative |u| - 1 or |v| - 1 counting as 0). The first test keeps the
// steep sides closed, the second gives the flat top and bottom their runs, as
// the midpoint decision does; for a circle with an odd box both give exactly
// the pixels of the midpoint circle. Everything is exact integer arithmetic and
// depends on |u| and |v| only, so the shape is symmetric about both axes.
class EllipseRows {
 public:
  EllipseRows(int64_t left, int64_t top, int64_t right, int64_t bottom)
      : left_(left), top_(top), bottom_(bottom), a_(right - left - 1), b_(bottom - top - 1) {}

  Span RowSpan(int64_t y) const {
    if (y < top_ || y >= bottom_) return {};
    const int64_t half = HalfWidthDoubled(std::llabs(2 * y - (2 * top_ + b_)));
    return {left_ + (a_ - half) / 2, left_ + (a_ + half) / 2};
  }

  // The pixels of row y whose four neighbours all belong to the shape.
  Span InsideSpan(int64_t y) const {
    const Span row = RowSpan(y);
    const Span above = RowSpan(y - 1);
    const Span below = RowSpan(y + 1);
    if (row.empty() || above.empty() || below.empty()) return {};
    return {std::max({row.first + 1, above.first, below.first}),
            std::min({row.last - 1, above.last, below.last})};
  }

 private:
  // The largest |u| of the row at |v| (same parity as A, at most A).
  int64_t HalfWidthDoubled(int64_t v) const {
    if (b_ == 0) return a_;
    const int64_t moved_along = 1 + ChordHalfWidth(v);
    const int64_t moved_across = ChordHalfWidth(std::max<int64_t>(v - 1, 0));
    return std::min(WithParityOfA(std::max(moved_along, moved_across)), a_);
  }

  // floor(A sqrt(1 - v^2 / B^2)): the curve's half-width at height v.
  int64_t ChordHalfWidth(int64_t v) const {
    const Unsigned b2 = static_cast<Unsigned>(b_) * static_cast<Unsigned>(b_);
    const Unsigned v2 = static_cast<Unsigned>(v) * static_cast<Unsigned>(v);
    const Unsigned a2 = static_cast<Unsigned>(a_) * static_cast<Unsigned>(a_);
    const Unsigned chord2 = a2 * (b2 - v2);  // below 2^128: A, B < 2^32
    return static_cast<int64_t>(IntegerSquareRoot(static_cast<uint64_t>(chord2 / b2)));
  }

  // Offsets u step by 2 from A: the largest such value not above `u`.
  int64_t WithParityOfA(int64_t u) const { return (u - a_) % 2 != 0 ? u - 1 : u; }

  int64_t left_, top_, bottom_;
  int64_t a_, b_;
};

}  // namespace

void DrawEllipsePixels(Bitmap& bitmap, int left, int top, int right, int bottom,
                       CanvasColour outline, std::optional<CanvasColour> fill, int pen_width) {
  if (right <= left || bottom <= top) return;
  const EllipseRows outer(left, top, right, bottom);
  // The shape whose inside is not outline: the box shrunk by the pen's extra width.
  const int64_t inset = std::max(pen_width, 1) - 1;
  const int64_t inner_left = left + inset, inner_right = right - inset;
  const int64_t inner_top = top + inset, inner_bottom = bottom - inset;
  const bool has_inner = inner_left < inner_right && inner_top < inner_bottom;
  const EllipseRows inner(inner_left, inner_top, has_inner ? inner_right : inner_left + 1,
                          has_inner ? inner_bottom : inner_top + 1);
  const int64_t first_row = std::max<int64_t>(top, 0);
  const int64_t end_row = std::min<int64_t>(bottom, bitmap.height());
  for (int64_t y = first_row; y < end_row; ++y) {
    const Span row = outer.RowSpan(y);
    const Span inside = has_inner ? inner.InsideSpan(y) : Span{};
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
