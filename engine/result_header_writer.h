#pragma once
// The result header of a run, from the context as the terrain pass left it.
#include "engine/context.h"
#include "files/result_header.h"

namespace dorx {

// Parameters after the terrain pass (re-centred ranges, the station as
// Compensation left it), the run values, the map size and WaterLevel.
ResultHeader ResultHeaderOf(const Context& ctx);

// The 488 header bytes at the start of StoreFileA.
void WriteResultHeader(Context& ctx);

}  // namespace dorx
