#pragma once
// The information panel on ImageNOT: station, position, area, transmitter,
// antenna and receiver data, and the colour legend of the maps.
#include "engine/context.h"
#include "render/render_state.h"

namespace dorx {

// Overwrites the whole panel. In field-strength mode it first sets
// DrawUpperLimit = DrawLowerLimit + 7 x DrawStep, which the painters rely on.
void DrawInfoPanel(Context& ctx, RenderState& rs);

}  // namespace dorx
