// The flood pass: water depth of every cell, four scans from the point outward.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/passes.h"
#include "engine_fixtures.h"
#include "fake_window_link.h"

namespace dorx {
namespace {

class FloodTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctx_.FloodMode = 1;
    ctx_.params.WaterLevel = 10;
    ctx_.params.Range_North = ctx_.params.Range_South = ctx_.params.Range_East = ctx_.params.Range_West = 1;
  }
  std::vector<CellRecord> Run(const std::vector<CellRecord>& in) {
    return bench_.Run(in, [&] { FloodPass(ctx_, link_); }, false, 488);
  }
  Context ctx_;
  test::FakeWindowLink link_{ctx_};
  test::PassBench bench_{ctx_};
};

TEST_F(FloodTest, DepthIsTheWaterLevelAboveTheGround) {
  struct Row {
    double slot0;
    double expected;
    const char* source;
  };
  const Row rows[] = {
      {35, 6.5, "ground 3.5 m under 10 m of water level"},
      {250, -15, "ground 25 m: 15 m above the water"},
      {-99, 19.9, "ground -9.9 m is still land"},
      {-100, NO_DATA, "ground exactly -10 m is not"},
      {-9999, NO_DATA, "no data"},
  };
  for (const Row& r : rows) {
    std::vector<CellRecord> area(4, test::RecordWithElevation(r.slot0));
    const auto out = Run(area);
    ASSERT_EQ(out.size(), 4u);
    for (const CellRecord& c : out) {
      EXPECT_NEAR(c.slot[kFloodDepth], r.expected, 1e-12) << r.source;
      EXPECT_EQ(c.slot[kFieldStrength], NO_DATA);
      EXPECT_EQ(c.slot[kLineOfSight], NO_DATA);
    }
  }
}

TEST_F(FloodTest, TheResultFileHoldsTheRecordsBehindTheHeaderByteForByte) {
  std::vector<CellRecord> in;
  for (int i = 0; i < 4; ++i) {
    CellRecord r = test::RecordWithElevation(10 * i);
    r.slot[kDistance] = 100 + i;
    in.push_back(r);
  }
  Run(in);
  std::string expected(488, '\0');
  for (int i = 0; i < 4; ++i) {
    CellRecord r = in[static_cast<size_t>(i)];
    r.slot[kFloodDepth] = 10 - i * 1.0;
    expected.append(reinterpret_cast<const char*>(r.slot.data()), sizeof r);
  }
  EXPECT_EQ(test::ReadBytes(bench_.OutputPath()), expected);
}

TEST_F(FloodTest, ScansRunFromThePointOutward) {
  link_.record_cells = true;
  Run(std::vector<CellRecord>(4, test::RecordWithElevation(0)));
  std::vector<std::pair<int, int>> visits;  // as offsets
  for (const auto& e : link_.CellEvents(5005)) visits.push_back({e.a - 1, e.b - 1});
  const std::vector<std::pair<int, int>> expected = {
      // Rows 0..N-1, then 0..-S; in each, a = 0..E-1, then 0..-W.
      {0, 0}, {0, 0}, {-1, 0},
      {0, 0}, {0, 0}, {-1, 0}, {0, -1}, {0, -1}, {-1, -1},
      // Columns 0..E-1, then 0..-W; in each, b = 0..N-1, then 0..-S.
      {0, 0}, {0, 0}, {0, -1},
      {0, 0}, {0, 0}, {0, -1}, {-1, 0}, {-1, 0}, {-1, -1}};
  EXPECT_EQ(visits, expected);
}

TEST_F(FloodTest, AStopEndsEveryScan) {
  link_.stop_code = 5005;
  link_.stop_after = 2;
  Run(std::vector<CellRecord>(4, test::RecordWithElevation(0)));
  EXPECT_EQ(link_.cell_reports[5005], 2);
}

}  // namespace
}  // namespace dorx
