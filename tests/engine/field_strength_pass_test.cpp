// The field-strength pass over small areas: which cells are computed, the
// sample cache carried from profile to profile, the area edges, and the same
// results from one thread and from two.
#include "engine/field_strength_pass.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/cell_store.h"
#include "engine/passes.h"
#include "engine/path_profile.h"
#include "engine/radio_losses.h"
#include "engine/terrain_pass.h"
#include "engine_fixtures.h"
#include "fake_window_link.h"

namespace dorx {
namespace {

// Station at 35 21 38 N, 138 43 38 E: whole seconds, so the profile origin
// is the station itself.
constexpr double kLat = 127298.0;
constexpr double kLon = 499418.0;

// The field strength of a cell with a clear path: the link budget of the
// default equipment with the free-space loss over the antenna distance.
double ClearPathField(double chord_m) {
  return 10 * std::log10(100.0) + 4 - (20.5 + 2 + 20 * std::log10(12.566370616 * chord_m * 500 / 299.792458)) +
         10 * std::log10(200.0) + 90;
}

class FieldPassTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ProjectParameters& p = ctx_.params;
    p.Source_North_latitude = {35, 21, 38};
    p.Source_East_longitude = {138, 43, 38};
    p.Rx_Altitude = 1;
    p.Tx_Altitude = 10;
    p.Tx_Loss = 20.5;
    p.Rx_Loss = 2;
    p.Rx_Impedance = 50;
    p.Tx_Power = 100;
    p.Tx_Frequency = 500;
    p.Antenna_Gain = 4;
    ctx_.run.SourceElevation = 0;
  }
  void Area(int north, int south, int east, int west) {
    ctx_.params.Range_North = north;
    ctx_.params.Range_South = south;
    ctx_.params.Range_East = east;
    ctx_.params.Range_West = west;
  }
  // A geometry record of the cell (a, b) on flat ground, 50 m per cell.
  static CellRecord Flat(int32_t a, int32_t b) {
    CellRecord r = test::RecordWithElevation(0);
    r.slot[kLatitude] = kLat + b * 1.5;
    r.slot[kLongitude] = kLon + a * 2.25;
    r.slot[kLatitudeShift] = r.slot[kLongitudeShift] = 0;
    r.slot[kNorthDistance] = b * 50.0;
    r.slot[kEastDistance] = a * 50.0;
    r.slot[kDistance] = std::hypot(a * 50.0, b * 50.0);
    r.slot[kAntennaDistance] = r.slot[kDistance] + 1;
    r.slot[kPatternFactor] = 1.0;
    return r;
  }
  std::vector<CellRecord> Run(const std::vector<CellRecord>& in) {
    return bench_.Run(in, [&] { FieldStrengthPass(ctx_, link_, GetParam()); }, false, 488);
  }
  CellRecord& At(std::vector<CellRecord>& records, int32_t a, int32_t b) {
    return records[static_cast<size_t>(RecordNumber(ctx_.params, a, b))];
  }

  Context ctx_;
  test::FakeWindowLink link_{ctx_};
  test::PassBench bench_{ctx_};
};

TEST_P(FieldPassTest, EveryCellWithCoarse1) {
  Area(3, 2, 3, 2);
  auto out = Run(test::AreaRecords(ctx_.params, Flat));
  ASSERT_EQ(out.size(), 25u);
  for (int32_t b = -2; b < 3; ++b)
    for (int32_t a = -2; a < 3; ++a) {
      const CellRecord& r = At(out, a, b);
      EXPECT_NEAR(r.slot[kFieldStrength], ClearPathField(r.slot[kAntennaDistance]), 1e-9) << a << "," << b;
      EXPECT_EQ(r.slot[kLineOfSight], 1);
      EXPECT_EQ(r.slot[kFloodDepth], NO_DATA);
    }
  EXPECT_EQ(link_.cell_reports[5005], 25);
}

TEST_P(FieldPassTest, Coarse3ComputesMultiplesAndTheFirstRowAndColumn) {
  Area(10, 10, 10, 10);
  ctx_.params.Coarse = 3;
  auto out = Run(test::AreaRecords(ctx_.params, Flat));
  // The cell whose result a cell takes: the last computed row at or south
  // of it (rows -10, -9, -6, ...) and the last computed column at or west of it.
  auto computed = [](int32_t x) {
    int32_t c = x;
    while (c != -10 && c % 3 != 0) --c;
    return c;
  };
  for (int32_t b = -10; b < 10; ++b)
    for (int32_t a = -10; a < 10; ++a) {
      const CellRecord source = Flat(computed(a), computed(b));
      EXPECT_NEAR(At(out, a, b).slot[kFieldStrength], ClearPathField(source.slot[kAntennaDistance]), 1e-9)
          << a << "," << b;
    }
  EXPECT_EQ(computed(1), 0);
  EXPECT_EQ(computed(-8), -9);
  EXPECT_EQ(link_.cell_reports[5005], 400);
}

TEST_P(FieldPassTest, WideAreaComputesEveryReducedRecord) {
  Area(5, 4, 5, 4);  // 9 x 9 cells, 3 x 3 records of 3 x 3 cells
  ctx_.params.Coarse = 3;
  ctx_.params.Flag_Reduction = 1;
  const auto in = test::AreaRecords(ctx_.params, Flat);
  ASSERT_EQ(in.size(), 9u);
  const auto out = Run(in);
  ASSERT_EQ(out.size(), 9u);
  for (size_t n = 0; n < 9; ++n)
    EXPECT_NEAR(out[n].slot[kFieldStrength], ClearPathField(in[n].slot[kAntennaDistance]), 1e-9);
  EXPECT_EQ(link_.cell_reports[5005], 81) << "every cell reports";
}

TEST_P(FieldPassTest, ASampleReadJustBeforeByTheLastProfileIsSkipped) {
  // One row east of the station, a 100 m mountain in cell 1. The profile of
  // cell 1 ends by sampling cell 1, so the profile of cell 2, whose first
  // sample is cell 1, skips it: cell 2 stays in sight. Cell 3 reads it.
  Area(1, 0, 4, 0);
  auto in = test::AreaRecords(ctx_.params, Flat);
  in[1].slot[kElevation] = 1000;
  const auto out = Run(in);
  std::vector<double> flags;
  for (const CellRecord& r : out) flags.push_back(r.slot[kLineOfSight]);
  EXPECT_EQ(flags, (std::vector<double>{1, 1, 1, -1}));
}

TEST_P(FieldPassTest, TheSkipHoldsWhereTheRowIsSplitBetweenThreads) {
  // Three cells: two threads cut this row before cell 2, whose profile must
  // still start with the sample cache cell 1's profile left.
  Area(1, 0, 3, 0);
  auto in = test::AreaRecords(ctx_.params, Flat);
  in[1].slot[kElevation] = 1000;
  const auto out = Run(in);
  EXPECT_EQ(out[2].slot[kLineOfSight], 1);
}

TEST_P(FieldPassTest, ASampleBeyondTheEastEdgeIsNotRead) {
  // The profile of the east cell of row 0 ends one column beyond the edge.
  // That column's record number is the first cell of row 1, a mountain: it
  // must not block the path.
  Area(2, 0, 3, 0);
  auto in = test::AreaRecords(ctx_.params, Flat);
  in[2].slot[kLongitude] = kLon + 2.95 * 2.25;
  in[3].slot[kElevation] = 10000;
  const auto out = Run(in);
  EXPECT_EQ(out[2].slot[kLineOfSight], 1);
}

TEST_P(FieldPassTest, ASampleBeyondTheEdgeLeavesTheSampleCache) {
  Area(2, 0, 3, 0);
  auto in = test::AreaRecords(ctx_.params, Flat);
  in[2].slot[kLongitude] = kLon + 2.95 * 2.25;
  test::WriteRecords(bench_.OutputPath() + ".in", in);
  ASSERT_TRUE(ctx_.store.StoreFileB.Open(bench_.OutputPath() + ".in", "rb"));
  ctx_.CellAccess(RESET_CACHE, 0, 0);
  StoreSampler sampler{ctx_.store, ctx_.params};
  TraceProfile(in[2], MakeFieldSetup(ctx_), sampler);
  EXPECT_EQ(ctx_.store.AccessCache[READ_B_SAMPLE], 2) << "the cell itself was the last sample read";
  EXPECT_EQ(ctx_.store.SampleRecord.slot[kLongitude], in[2].slot[kLongitude]);
}

TEST_P(FieldPassTest, AStopEndsTheRowItHappensIn) {
  Area(3, 2, 3, 2);
  link_.stop_code = 5005;
  link_.stop_after = 7;
  const auto out = Run(test::AreaRecords(ctx_.params, Flat));
  EXPECT_EQ(out.size(), 7u);
  EXPECT_EQ(link_.cell_reports[5005], 7);
}

INSTANTIATE_TEST_SUITE_P(Threads, FieldPassTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "InOrder" : "TwoThreads"; });

}  // namespace
}  // namespace dorx
