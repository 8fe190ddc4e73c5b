#pragma once
// How the terrain pass paints a cell (code 5001): before the elevation range of
// the area is known, on a fixed 0..3800 m grey scale, and with block edges from
// the cell's own latitude, as the map size itself is still being found.
#include <cstdint>

#include "engine/cell_record.h"
#include "files/project_parameters.h"
#include "render/cell_block.h"

namespace dorx {

// Edges (R - row) x dy and (R - row - 1) x dy, column x dx and (column + 1) x dx,
// each below 0 taken as 0, divided by Coarse under Flag_Reduction, then cut.
PixelBlock TerrainRunBlock(const ProjectParameters& p, const CellRecord& record, int32_t column, int32_t row);

// cut(slot 0 x 0.1 x (1 / 3800) x 191) + 64, low 8 bits: 0 m is 64, 3800 m
// 255, higher ground wraps to dark greys, and there is no sea colour.
uint8_t TerrainRunGrey(double slot0);

}  // namespace dorx
