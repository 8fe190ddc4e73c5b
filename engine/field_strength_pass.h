#pragma once
// The field-strength pass: the path profile and field strength of every cell
// (or of every Coarse-th row and column), written to the result file.
#include "engine/context.h"
#include "engine/window_link.h"

namespace dorx {

// threads <= 1 traces every profile through the cell store's own sample
// access, one after the other. threads >= 2 traces the profiles of a row on
// two threads straight from the mapped geometry file when it holds the whole
// area; the records, the order of writes, the progress reports and the cache
// state are the same either way.
void FieldStrengthPass(Context& ctx, WindowLink& link, int threads = 2);

}  // namespace dorx
