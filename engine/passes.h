#pragma once
// The passes of a calculation run after the terrain pass. Each works on the
// cell store of the context, polls StopRequested before every cell and
// reports every cell through the window link.
#include "engine/context.h"
#include "engine/window_link.h"

namespace dorx {

// Type 1 flattens steep rises along the rows, type 3 along the columns (and
// recomputes the elevation range); any other type only resets the cache.
void RemoveAnomalies(Context& ctx, WindowLink& link, int type);

// Distances, the antenna-to-antenna distance and the pattern factor.
void GeometryPass(Context& ctx, WindowLink& link);

// Flood depth of every cell (flood mode).
void FloodPass(Context& ctx, WindowLink& link);
void FloodCell(Context& ctx, WindowLink& link, int32_t a, int32_t b);

// The bearing in degrees clockwise from north of the cell at offsets (a, b),
// from its distances dy (north) and dx (east), by the signs of a and b.
double BearingDegrees(int32_t a, int32_t b, double dy, double dx);

}  // namespace dorx
