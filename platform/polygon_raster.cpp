#include "platform/polygon_raster.h"

#include <algorithm>

#include "platform/exact_division.h"

namespace dorx {
namespace {

// The first pixel column at or right of the point where the edge p-q crosses row y.
int64_t CrossingColumn(Point p, Point q, int64_t y) {
  Wide num = static_cast<Wide>(y - p.y) * (static_cast<int64_t>(q.x) - p.x);
  Wide den = static_cast<int64_t>(q.y) - p.y;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  return p.x + static_cast<int64_t>(CeilDivide(num, den));
}

}  // namespace

void FillPolygonPixels(Bitmap& bitmap, const std::vector<Point>& points, CanvasColour colour) {
  if (points.size() < 3) return;
  int64_t low = points.front().y;
  int64_t high = points.front().y;
  for (const Point& p : points) {
    low = std::min<int64_t>(low, p.y);
    high = std::max<int64_t>(high, p.y);
  }
  const int64_t first_row = std::max<int64_t>(low, 0);
  const int64_t end_row = std::min<int64_t>(high, bitmap.height());
  std::vector<int64_t> crossings;
  for (int64_t y = first_row; y < end_row; ++y) {
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const Point p = points[i];
      const Point q = points[(i + 1) % points.size()];
      const int64_t lower = std::min(p.y, q.y);
      const int64_t upper = std::max(p.y, q.y);
      if (y >= lower && y < upper) crossings.push_back(CrossingColumn(p, q, y));
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t i = 0; i + 1 < crossings.size(); i += 2)
      bitmap.FillSpan(static_cast<int>(y), crossings[i], crossings[i + 1], colour);
  }
}

}  // namespace dorx
