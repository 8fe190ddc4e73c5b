#pragma once
// The pixel block the painter fills for a cell, and its inverse: the cell whose
// block holds a pixel. Both come from the same block edges, so a readout always
// names the cell that is painted under the pointer.
#include <cstdint>

#include "engine/context.h"

namespace dorx {

// [left, right) x [top, bottom), y downwards; empty when the cell is narrower
// than a pixel. column counts from the west edge, row from the south edge.
struct PixelBlock {
  int32_t left = 0;
  int32_t right = 0;
  int32_t top = 0;
  int32_t bottom = 0;
};

PixelBlock CellPixelBlock(const MapGeometry& g, int32_t rows, int32_t column, int32_t row);

struct CellIndex {
  int32_t column = 0;  // 0 .. columns - 1 from the west edge
  int32_t row = 0;     // 0 .. rows - 1 from the south edge
};

// The cell whose block holds pixel (x, y); a pixel on or beyond the last edge
// gives the last column or row, one before the first edge the first.
CellIndex CellUnderPixel(const MapGeometry& g, int32_t rows, int32_t columns, int32_t x, int32_t y);

}  // namespace dorx
