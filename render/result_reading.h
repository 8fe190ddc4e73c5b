#pragma once
// Reading the header of the result file being drawn back into the context.
#include <optional>

#include "engine/context.h"
#include "files/result_header.h"

namespace dorx {

// The header of the result file open as StoreFileA. Nothing when it could not
// come from a run: a run writes all 488 bytes before any record, so a shorter
// file (whose format tag may not even be in it) is refused like a header that
// fails ResultHeaderIsPlausible.
std::optional<ResultHeader> ReadPlausibleResultHeader(const Context& ctx);

// The header's parameters, run values, map size, elevation range and
// WaterLevel become the context's.
void ApplyResultHeader(const ResultHeader& header, Context& ctx);

}  // namespace dorx
