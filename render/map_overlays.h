#pragma once
// The two overlays drawn over a map: the station marker (a blue cross) and the
// distance grid (silver lines through the station with numbered ends).
#include "engine/context.h"
#include "render/pictures.h"

namespace dorx {

// target 1: ImageCSR, 3: ImageMIX; any other value draws nothing.
void DrawStationMarker(const MapGeometry& g, Pictures& pictures, int target);

// target 1: ImageCSR, 11 and 13: ImageMIX; any other value draws nothing.
// GridCount intervals reach the farthest edge. A GridCount of 0 or below, or
// one that makes the spacing 0 or negative, draws only the lines numbered 0.
void DrawGrid(const Context& ctx, Pictures& pictures, int target);

}  // namespace dorx
