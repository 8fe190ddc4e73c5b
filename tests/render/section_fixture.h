#pragma once
// A small synthetic result for the section pictures: 60 columns (west 20,
// east 40) by 20 rows (south 10, north 10) on 300 x 100 pixels, 5 x 5 pixels
// a cell, the station at pixel (100, 50).
//
// Along every row: 250 m per column and 200 m per row from the station; the
// ground 100 m with a hill of 500 m at column 10; sea without data west of
// column -14; field strength 45 - 1.5 |a| dBuV/m (red near the station,
// violet-blue at column 30, below the scale beyond); flood depth 200 m minus
// the ground. Area elevations 0 to 500 m, antennas 50 m and 10 m.
#include "render/cursor_fixture.h"

namespace dorx::test {

double HillElevation_m(int32_t a);
CellRecord HillCellRecord(int32_t a, int32_t b);

struct HillResult : DrawnResult {
  HillResult();
};

// The pointer on the station's row over column 30 (the cell at pixel 252, 48).
inline constexpr int32_t kHillTargetX = 252;
inline constexpr int32_t kHillTargetY = 48;

}  // namespace dorx::test
