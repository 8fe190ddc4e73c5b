#include "engine/passes.h"

namespace dorx {
namespace {

// The four scans start at the flood point and run outward, so the map fills
// from the centre; each visit writes the same value.
void RowScan(Context& ctx, WindowLink& link, int32_t b) {
  const ProjectParameters& p = ctx.params;
  for (int32_t a = 0; a < p.Range_East && !ctx.StopRequested; ++a) FloodCell(ctx, link, a, b);
  for (int32_t a = 0; a >= -p.Range_West && !ctx.StopRequested; --a) FloodCell(ctx, link, a, b);
}

void ColumnScan(Context& ctx, WindowLink& link, int32_t a) {
  const ProjectParameters& p = ctx.params;
  for (int32_t b = 0; b < p.Range_North && !ctx.StopRequested; ++b) FloodCell(ctx, link, a, b);
  for (int32_t b = 0; b >= -p.Range_South && !ctx.StopRequested; --b) FloodCell(ctx, link, a, b);
}

}  // namespace

void FloodCell(Context& ctx, WindowLink& link, int32_t a, int32_t b) {
  ctx.CellAccess(READ_B, a, b);
  double* slot = ctx.store.CurrentRecord.slot.data();
  if (slot[kElevation] * 0.1 > -10) slot[kFloodDepth] = ctx.params.WaterLevel - slot[kElevation] * 0.1;
  ctx.CellAccess(WRITE_A_RESULT, a, b);
  link.ShowMessageCode(5005, a + ctx.params.Range_West, b + ctx.params.Range_South);
}

void FloodPass(Context& ctx, WindowLink& link) {
  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  for (int32_t b = 0; b < p.Range_North && !ctx.StopRequested; ++b) RowScan(ctx, link, b);
  for (int32_t b = 0; b >= -p.Range_South && !ctx.StopRequested; --b) RowScan(ctx, link, b);
  for (int32_t a = 0; a < p.Range_East && !ctx.StopRequested; ++a) ColumnScan(ctx, link, a);
  for (int32_t a = 0; a >= -p.Range_West && !ctx.StopRequested; --a) ColumnScan(ctx, link, a);
}

}  // namespace dorx
