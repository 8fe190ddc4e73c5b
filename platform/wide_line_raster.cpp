#include "platform/wide_line_raster.h"

#include <algorithm>

#include "platform/exact_division.h"
#include "platform/exact_product.h"

namespace dorx {
namespace {

UnsignedWide Magnitude(Wide v) { return static_cast<UnsignedWide>(v < 0 ? -v : v); }

// The stroke in doubled coordinates: pixel (x, y) has its centre at (2x, 2y),
// the segment runs from (ax, ay) to (bx, by) and the stroke's half-width is
// `radius` doubled units (the pen width). All tests are exact.
class Stroke {
 public:
  Stroke(Point from, Point to, int width) : radius_(width) {
    const Wide shift = width % 2 == 0 ? 1 : 0;
    ax_ = 2 * static_cast<Wide>(from.x) - shift;
    ay_ = 2 * static_cast<Wide>(from.y) - shift;
    bx_ = 2 * static_cast<Wide>(to.x) - shift;
    by_ = 2 * static_cast<Wide>(to.y) - shift;
  }

  // Whether the centre of pixel (x, y) lies within the radius of the segment.
  bool Covers(Wide x, Wide y) const {
    const Wide px = 2 * x - ax_, py = 2 * y - ay_;
    const Wide dx = bx_ - ax_, dy = by_ - ay_;
    const Wide along = px * dx + py * dy;
    const Wide length2 = dx * dx + dy * dy;
    const Wide r2 = radius_ * radius_;
    if (along <= 0) return px * px + py * py <= r2;
    if (along >= length2) {
      const Wide qx = 2 * x - bx_, qy = 2 * y - by_;
      return qx * qx + qy * qy <= r2;
    }
    // Distance to the line: |cross| / |d|; cross^2 <= r^2 |d|^2.
    const UnsignedWide cross = Magnitude(px * dy - py * dx);
    return ProductAtMost(cross, cross, static_cast<UnsignedWide>(r2),
                         static_cast<UnsignedWide>(length2));
  }

  // The pixel column whose centre lies at or just left of the point of the
  // segment nearest to row y (doubled coordinate 2y): where the segment crosses
  // the row, or else the end point nearest to it. On row y the distance to the
  // segment is convex in x and smallest there, so when any pixel of the row is
  // covered, this one or the next is.
  Wide NearestColumn(Wide y) const {
    const Wide row = 2 * y;
    const Wide low = std::min(ay_, by_), high = std::max(ay_, by_);
    if (ay_ == by_ || row <= low || row >= high) {
      const bool a_nearer = ay_ == by_ ? ax_ <= bx_ : (row <= low) == (ay_ <= by_);
      return FloorDivide(a_nearer ? ax_ : bx_, 2);
    }
    Wide num = ax_ * (by_ - ay_) + (row - ay_) * (bx_ - ax_);
    Wide den = by_ - ay_;
    if (den < 0) num = -num, den = -den;
    return FloorDivide(num, 2 * den);
  }

  Wide FirstColumn() const { return CeilDivide(std::min(ax_, bx_) - radius_, 2); }
  Wide LastColumn() const { return FloorDivide(std::max(ax_, bx_) + radius_, 2); }
  Wide FirstRow() const { return CeilDivide(std::min(ay_, by_) - radius_, 2); }
  Wide LastRow() const { return FloorDivide(std::max(ay_, by_) + radius_, 2); }

 private:
  Wide ax_, ay_, bx_, by_;
  Wide radius_;
};

// The covered pixels of row y are one run (the stroke is convex): found from
// a covered seed by bisection, so far-away end points cost no more than near ones.
void FillStrokeRow(Bitmap& bitmap, const Stroke& stroke, Wide y, CanvasColour colour) {
  Wide seed = stroke.NearestColumn(y);
  if (!stroke.Covers(seed, y)) {
    ++seed;
    if (!stroke.Covers(seed, y)) return;
  }
  Wide inside = seed, outside = stroke.LastColumn() + 1;  // last covered column
  while (outside - inside > 1) {
    const Wide mid = inside + (outside - inside) / 2;
    (stroke.Covers(mid, y) ? inside : outside) = mid;
  }
  const Wide last = inside;
  inside = seed, outside = stroke.FirstColumn() - 1;  // first covered column
  while (inside - outside > 1) {
    const Wide mid = inside - (inside - outside) / 2;
    (stroke.Covers(mid, y) ? inside : outside) = mid;
  }
  const Wide first = inside;
  const Wide width = bitmap.width();
  bitmap.FillSpan(static_cast<int>(y), static_cast<int64_t>(std::clamp<Wide>(first, -1, width)),
                  static_cast<int64_t>(std::clamp<Wide>(last + 1, -1, width)), colour);
}

}  // namespace

void DrawWideLinePixels(Bitmap& bitmap, Point from, Point to, int width, CanvasColour colour) {
  if (from == to || width < 1) return;
  const Stroke stroke(from, to, width);
  const Wide first_row = std::max<Wide>(stroke.FirstRow(), 0);
  const Wide end_row = std::min<Wide>(stroke.LastRow() + 1, bitmap.height());
  for (Wide y = first_row; y < end_row; ++y) FillStrokeRow(bitmap, stroke, y, colour);
}

}  // namespace dorx
