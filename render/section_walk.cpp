#include "render/section_walk.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/cut.h"
#include "render/cursor_cell.h"

namespace dorx {
namespace {

// A value of a damaged record that is not a finite number reads as no data,
// so no NaN reaches the projection or a pixel.
double FiniteOr(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

SectionSample SampleOf(const CellRecord& record) {
  SectionSample s;
  s.elevation_m = FiniteOr(record.slot[kElevation], NO_DATA) * 0.1;
  s.distance_m = FiniteOr(record.slot[kDistance], NO_DATA);
  s.field_strength = FiniteOr(record.slot[kFieldStrength], NO_DATA);
  s.flood_depth = FiniteOr(record.slot[kFloodDepth], NO_DATA);
  return s;
}

bool InsideArea(const ProjectParameters& p, int32_t column, int32_t row) {
  return column >= -p.Range_West && column < p.Range_East && row >= -p.Range_South && row < p.Range_North;
}

void ResetSamples(SectionState& s) {
  s.path.assign(1, SectionSample{});
  s.n = 0;
  s.station_index = 0;
  s.target_index = 0;
  s.highest_m = 0.0;
  s.lowest_m = 3800.0;
}

}  // namespace

SectionLine SectionLineOfCursor(const Context& ctx, int32_t X, int32_t Y) {
  const MapGeometry& g = ctx.geometry;
  SectionLine line;
  line.dy = (CutToInt(g.ImageHeight) - static_cast<double>(Y)) * g.CellsPerPixelY - ctx.params.Range_South;
  line.dx = X * g.CellsPerPixelX - ctx.params.Range_West;
  const AreaCell target = CellUnderCursor(ctx, X, Y);
  line.target_column = target.column;
  line.target_row = target.row;
  return line;
}

void SampleSectionCell(Context& ctx, SectionState& s, int32_t column, int32_t row, bool in_target) {
  // An index set on a cell that adds no sample goes to the next sample taken.
  if (in_target) s.target_index = s.n;
  if (column == 0 && row == 0) s.station_index = s.n;
  if (!InsideArea(ctx.params, column, row)) return;
  if (s.n >= kMaxPathSamples) return;
  ctx.store.CurrentRecord.Clear();  // a record the file does not hold reads as no data
  if (ctx.CellAccess(READ_A_RESULT, column, row) == -1) return;  // the record read just before
  const SectionSample sample = SampleOf(ctx.store.CurrentRecord);
  s.path[static_cast<size_t>(s.n)] = sample;
  s.path.push_back(sample);  // position n + 1 repeats the last sample
  ++s.n;
}

void WalkSection(Context& ctx, const SectionLine& line, SectionState& s) {
  ResetSamples(s);
  ctx.CellAccess(RESET_CACHE, 0, 0);
  const ProjectParameters& p = ctx.params;
  // A pointer on the station (dx and dy both 0) defines no line: it walks the
  // station's row, as a pointer just east of the station would.
  if (std::fabs(line.dy) <= std::fabs(line.dx)) {
    for (int32_t c = -p.Range_West; c < p.Range_East; ++c) {
      const int32_t r = line.dx != 0 ? CutToInt(c * line.dy / line.dx) : 0;
      SampleSectionCell(ctx, s, c, r, c == line.target_column);
    }
  } else {
    for (int32_t r = -p.Range_South; r < p.Range_North; ++r) {
      const int32_t c = CutToInt(r * line.dx / line.dy);
      SampleSectionCell(ctx, s, c, r, r == line.target_row);
    }
  }
  CopySectionSamples(s);
}

void CopySectionSamples(SectionState& s) {
  const int32_t t = std::abs(s.target_index - s.station_index);
  const int32_t direction = s.target_index >= s.station_index ? 1 : -1;
  s.section.clear();
  for (int32_t k = 0; k <= t; ++k) {
    const SectionSample& sample = s.path[static_cast<size_t>(s.station_index + k * direction)];
    s.section.push_back(sample);
    const double e = IsNoDataHeight(sample.elevation_m) ? -10.0 : sample.elevation_m;
    s.highest_m = std::max(s.highest_m, e);
    s.lowest_m = std::min(s.lowest_m, e);
  }
  s.section.push_back(s.section.back());
}

}  // namespace dorx
