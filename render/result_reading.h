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

// Brings the record of cell (x, y) (east- and north-positive from the station)
// into CurrentRecord, as CellAccess(READ_A_RESULT) does, when the result file
// open as StoreFileA holds the whole record. A file that ends before it (a
// run stopped early, a cut copy) has no value there: nothing is read, and the
// caller paints nothing for the cell instead of repeating the last record.
bool ReadResultCell(Context& ctx, int32_t x, int32_t y);

// The header's parameters, run values, map size, elevation range and
// WaterLevel become the context's.
void ApplyResultHeader(const ResultHeader& header, Context& ctx);

}  // namespace dorx
