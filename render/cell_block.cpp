#include "render/cell_block.h"

#include "platform/cut.h"

namespace dorx {
namespace {

// Edge e(i) = cut(i / cells_per_pixel): the first pixel of cell i.
int32_t Edge(int32_t i, double cells_per_pixel) { return CutToInt(i / cells_per_pixel); }

// The i in [0, count) with Edge(i) <= p < Edge(i + 1); the edges never
// decrease, so bisection finds it. Outside the range the nearest end.
int32_t IndexHolding(int32_t p, int32_t count, double cells_per_pixel) {
  if (count <= 1) return 0;
  int32_t lo = 0;
  int32_t hi = count - 1;  // answer in [lo, hi]
  while (lo < hi) {
    const int32_t mid = lo + (hi - lo + 1) / 2;
    if (Edge(mid, cells_per_pixel) <= p)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

}  // namespace

PixelBlock CellPixelBlock(const MapGeometry& g, int32_t rows, int32_t column, int32_t row) {
  PixelBlock block;
  block.left = Edge(column, g.CellsPerPixelX);
  block.right = Edge(column + 1, g.CellsPerPixelX);
  block.top = CutToInt((rows - row - 1) / g.CellsPerPixelY);
  block.bottom = CutToInt((rows - row) / g.CellsPerPixelY);
  return block;
}

CellIndex CellUnderPixel(const MapGeometry& g, int32_t rows, int32_t columns, int32_t x, int32_t y) {
  CellIndex cell;
  cell.column = IndexHolding(x, columns, g.CellsPerPixelX);
  // Counted from the top, the row blocks are those of index k = rows - 1 - row.
  const int32_t from_top = IndexHolding(y, rows, g.CellsPerPixelY);
  cell.row = rows - 1 - from_top;
  return cell;
}

}  // namespace dorx
