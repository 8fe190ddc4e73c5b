#pragma once
// Lays the checked result layer over the terrain layer into ComposedBitmap.
#include "engine/context.h"
#include "render/render_state.h"

namespace dorx {

// LayerBitmap = the result layer, ComposedBitmap = ImageMAP, both at the map
// size; ImageMIX is reset to the map size. Terrain modes: MAPX the result
// layer alone, MAP1 the terrain where the result is white, MAP2 two thirds
// terrain and one third result where the result is not white. Draws nothing
// on screen.
void ComposeMap(const Context& ctx, RenderState& rs);

}  // namespace dorx
