#pragma once
// The refresh of the view while a pass or a drawing run paints: at sparse
// cells the layer being painted is copied into a work bitmap at the map size
// and drawn on ImageCSR, so the user watches the map grow.
#include "engine/context.h"
#include "render/render_state.h"

namespace dorx {

// (|row| mod 100 = Coarse and |column| mod 100 = 0) or the cell (0, 0).
bool IsRefreshCell(int Coarse, int column, int row);

// At a refresh cell: codes 5001 and 5003 copy ImageMAP into TerrainBitmap,
// 5005 and 5013 ImageSIM into LayerBitmap; the copy is drawn on ImageCSR at
// (0, 0); all but 5001 then draw the station marker. Other codes do nothing.
void RefreshView(const Context& ctx, RenderState& rs, int code, int column, int row);

}  // namespace dorx
