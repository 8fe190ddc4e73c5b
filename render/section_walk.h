#pragma once
// The sampling walk of the terrain section: the cells along the straight line
// from the station's cell through the target, read from the result file open
// as StoreFileA.
#include <cstdint>

#include "engine/context.h"
#include "render/section_state.h"

namespace dorx {

// The line of a section: its slope from the pointer's offsets (dx columns
// east, dy rows north of the station, not cut) and the target, the cell
// under the pointer in area coordinates.
struct SectionLine {
  double dx = 0.0;
  double dy = 0.0;
  int32_t target_column = 0;
  int32_t target_row = 0;
};

// dy = (cut(ImageHeight) - Y) x CellsPerPixelY - Range_South,
// dx = X x CellsPerPixelX - Range_West, the target from CellUnderCursor.
SectionLine SectionLineOfCursor(const Context& ctx, int32_t X, int32_t Y);

// Resets the samples and the record cache, then walks the line once: with
// |dy| <= |dx| (dx not 0) every column from the west edge to the east edge
// with row cut(column x dy / dx), else every row from the south edge to the
// north edge with column cut(row x dx / dy); a pointer on the station walks
// the station's row. Cells outside the area are passed over (an index that
// falls on one goes to the next sample taken); a cell sharing its record with
// the one walked before adds nothing; samples beyond kMaxPathSamples are
// dropped. Then copies the section from the station's sample to the target's.
void WalkSection(Context& ctx, const SectionLine& line, SectionState& s);

// One cell of the walk (column, row in area coordinates); `in_target` says
// whether it lies in the target column (or row).
void SampleSectionCell(Context& ctx, SectionState& s, int32_t column, int32_t row, bool in_target);

// SectionSamples from PathSamples, station first, with the extreme elevations.
void CopySectionSamples(SectionState& s);

}  // namespace dorx
