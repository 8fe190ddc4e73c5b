// Anomaly removal: steep rises flattened along rows, then columns.
#include <gtest/gtest.h>

#include "engine/cell_store.h"
#include "engine/passes.h"
#include "engine_fixtures.h"
#include "fake_window_link.h"

namespace dorx {
namespace {

constexpr double kNone = -9999;

class AnomalyTest : public ::testing::Test {
 protected:
  // An area of `rows` x `columns` cells with the station at its south-west cell.
  void Area(int rows, int columns) {
    ctx_.params.Range_South = 0;
    ctx_.params.Range_West = 0;
    ctx_.params.Range_North = rows;
    ctx_.params.Range_East = columns;
  }
  // Slot 0 in metres (kNone for no data), row by row from the south.
  std::vector<CellRecord> Records(const std::vector<double>& metres) {
    std::vector<CellRecord> out;
    for (size_t i = 0; i < metres.size(); ++i) {
      CellRecord r = test::RecordWithElevation(metres[i] == kNone ? kNone : metres[i] * 10);
      r.slot[kLatitude] = static_cast<double>(i);  // carried through
      out.push_back(r);
    }
    return out;
  }
  std::vector<double> Metres(const std::vector<CellRecord>& records) {
    std::vector<double> out;
    for (const CellRecord& r : records) out.push_back(r.slot[kElevation] == kNone ? kNone : r.slot[kElevation] / 10);
    return out;
  }
  std::vector<double> Run(int type, const std::vector<double>& metres) {
    return Metres(bench_.Run(Records(metres), [&] { RemoveAnomalies(ctx_, link_, type); }));
  }

  Context ctx_;
  test::FakeWindowLink link_{ctx_};
  test::PassBench bench_{ctx_};
};

TEST_F(AnomalyTest, RowsLowerOnlyTheFirstCellOfASteepRise) {
  struct Row {
    std::vector<double> line, expected;
    const char* source;
  };
  const Row rows[] = {
      {{10, 500, 520, 20}, {10, 10, 520, 20}, "worked example: only the first cell of a plateau"},
      {{50, 1000, 50}, {50, 50, 50}, "a single spike in flat ground"},
      {{50, 350, 50}, {50, 350, 50}, "a rise of exactly T stays"},
      {{900, 10, 950}, {900, 10, 10}, "a fall stays; the rise after it takes the low value"},
      {{kNone, 315}, {kNone, kNone}, "no data counts as -10 m: 315 - 10 > 300 takes no data"},
      {{kNone, 305}, {kNone, 305}, "305 - 10 is not above 300"},
      {{400, 420}, {400, 420}, "the first cell is never lowered, however high"},
      {{kNone, kNone, 1000}, {kNone, kNone, kNone}, "no data followed by a cliff"},
  };
  ctx_.params.Removal_of_Abnormal_Data = 300;
  for (const Row& r : rows) {
    Area(1, static_cast<int>(r.line.size()));
    EXPECT_EQ(Run(1, r.line), r.expected) << r.source;
  }
}

TEST_F(AnomalyTest, EachRowStartsAFreshLine) {
  Area(2, 2);
  ctx_.params.Removal_of_Abnormal_Data = 300;
  // Row 0: 10, 20. Row 1 starts at 900: without a fresh line it would be a
  // rise from 20; as the first cell of its line it stays.
  EXPECT_EQ(Run(1, {10, 20, 900, 910}), (std::vector<double>{10, 20, 900, 910}));
}

TEST_F(AnomalyTest, ColumnsRunSouthToNorthAndRecomputeTheRange) {
  Area(3, 3);
  ctx_.params.Removal_of_Abnormal_Data = 300;
  ctx_.run.ElevationMax = 1234;
  // Two spike cells of equal height side by side in the middle row: the row
  // pass lowers the first. The column pass lowers the second only when the
  // cell south of it is more than T lower: here it is not (800 m), then it is.
  const std::vector<double> high_south = {50, 600, 800, 50, 1000, 1000, 50, 50, 50};
  const std::vector<double> after_rows = Run(1, high_south);
  EXPECT_EQ(after_rows, (std::vector<double>{50, 50, 800, 50, 50, 1000, 50, 50, 50}));
  EXPECT_EQ(Run(3, after_rows), after_rows) << "1000 above 800 is not a rise of more than 300";
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMax, 1000.0);
  const std::vector<double> low_south = {50, 50, 50, 50, 1000, 1000, 50, 50, 50};
  EXPECT_EQ(Run(3, Run(1, low_south)), std::vector<double>(9, 50));
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMax, 50.0);
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMin, 50.0);
}

TEST_F(AnomalyTest, AHighThresholdChangesNothingAndTheRangeIsThatOfTheTerrain) {
  Area(2, 3);
  ctx_.params.Removal_of_Abnormal_Data = 5000;
  const std::vector<double> ground = {10, 3000, 20, kNone, 3500, 5};
  const auto records = bench_.Run(Records(ground), [&] { RemoveAnomalies(ctx_, link_, 3); });
  EXPECT_EQ(Metres(records), ground);
  for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(records[i].slot[kLatitude], static_cast<double>(i));
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMax, 3500.0);
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMin, -10.0);
}

TEST_F(AnomalyTest, ReportsRowsWithCode5007AndColumnsWith5009InTheirOrder) {
  Area(2, 2);
  ctx_.params.Range_South = 1;  // rows b = -1, 0; columns a = 0, 1
  ctx_.params.Range_North = 1;
  link_.record_cells = true;
  Run(1, {1, 2, 3, 4});
  Run(3, {1, 2, 3, 4});
  std::vector<std::pair<int, int>> rows, columns;
  for (const auto& e : link_.CellEvents(5007)) rows.push_back({e.a, e.b});
  for (const auto& e : link_.CellEvents(5009)) columns.push_back({e.a, e.b});
  EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
  EXPECT_EQ(columns, (std::vector<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}}));
}

TEST_F(AnomalyTest, OtherTypesOnlyResetTheCache) {
  Area(1, 2);
  ctx_.store.AccessCache[READ_B] = 0;
  const auto records = bench_.Run(Records({1, 2}), [&] { RemoveAnomalies(ctx_, link_, 2); });
  EXPECT_TRUE(records.empty());
  EXPECT_EQ(ctx_.store.AccessCache[READ_B], kCacheReset);
  EXPECT_TRUE(link_.events.empty());
}

TEST_F(AnomalyTest, AStopEndsTheScan) {
  Area(2, 2);
  link_.stop_code = 5007;
  link_.stop_after = 3;
  const auto records = bench_.Run(Records({1, 2, 3, 4}), [&] { RemoveAnomalies(ctx_, link_, 1); });
  EXPECT_EQ(records.size(), 3u);
}

}  // namespace
}  // namespace dorx
