// The short progress text of the command line: stage and percentage.
#include <gtest/gtest.h>

#include "shell/run_progress.h"

namespace dorx {
namespace {

TEST(ProgressText, StageAndShareOfRowsOrColumns) {
  ProjectParameters area;  // 100 rows north and south, 60 columns east and west
  area.Range_North = area.Range_South = 100;
  area.Range_East = area.Range_West = 60;
  ProjectParameters empty;  // no rows at all: no division by zero
  empty.Range_North = empty.Range_South = empty.Range_East = empty.Range_West = 0;
  struct Row {
    CellProgress progress;
    int flood_mode;
    const ProjectParameters* p;
    const char* text;
    const char* why;
  };
  const Row rows[] = {
      {{0, 0, 0}, 0, &area, "", "nothing reported yet"},
      {{113, 0, 0}, 0, &area, "", "a report code is no stage"},
      {{5001, 7, 99}, 0, &area, "terrain 50%", "row 99 of 200 done"},
      {{5007, 0, 0}, 0, &area, "anomaly rows 0%", "the first row"},
      {{5009, 119, 3}, 0, &area, "anomaly columns 100%", "the column pass counts columns"},
      {{5003, 0, 199}, 0, &area, "geometry 100%", "the last row"},
      {{5005, 0, 19}, 0, &area, "field strength 10%", "field strength"},
      {{5005, 0, 19}, 1, &area, "flood depth 10%", "the same pass in flood mode"},
      {{5013, 0, 39}, 0, &area, "drawing 20%", "a drawing code"},
      {{5031, 400, 3}, 0, &area, "preview", "the preview counts pixels: no share"},
      {{5001, 0, 5000}, 0, &area, "terrain 100%", "beyond the last row"},
      {{5001, 0, -50}, 0, &area, "terrain 0%", "before the first row"},
      {{5001, 0, 10}, 0, &empty, "terrain 0%", "an area without rows"},
  };
  for (const Row& row : rows) EXPECT_EQ(ProgressText(row.progress, *row.p, row.flood_mode), row.text) << row.why;
}

}  // namespace
}  // namespace dorx
