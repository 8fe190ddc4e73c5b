// The geometry pass: distances on the sphere, the antenna chord, bearings
// and the pattern factor.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/cell_store.h"
#include "engine/passes.h"
#include "engine_fixtures.h"
#include "fake_window_link.h"

namespace dorx {
namespace {

constexpr double kK = 4.848136811728395e-6;  // radians per arc-second

TEST(BearingDegrees, GoesBySignsOfTheOffsetsNotOfTheDistances) {
  struct Row {
    int32_t a, b;
    double dy, dx;
    double expected;
    const char* why;
  };
  const double b30 = std::atan(1 / std::sqrt(3.0)) * 180 * 0.31830988614222805;  // 30 degrees
  const Row rows[] = {
      {0, 0, 0, 0, 90, "the station's cell with dx = 0 keeps 90"},
      {0, 0, 1, std::sqrt(3.0), b30, "the station's cell keeps the plain angle"},
      {0, 5, 100, -3, 0, "straight north whatever dx"},
      {0, -5, -100, 3, 180, "straight south"},
      {5, 0, 2, 100, 90, "straight east"},
      {-5, 0, 2, -100, 270, "straight west"},
      {3, 3, 1, std::sqrt(3.0), 90 - b30, "north-east: 90 - beta"},
      {-3, 3, 1, -std::sqrt(3.0), 270 + b30, "north-west: 270 + beta"},
      {-3, -3, -1, -std::sqrt(3.0), 270 - b30, "south-west: 270 - beta"},
      {3, -3, -1, std::sqrt(3.0), 90 + b30, "south-east: 90 + beta"},
      {3, 3, -1, -std::sqrt(3.0), 90 - b30, "distances of the other sign change nothing"},
  };
  for (const Row& r : rows) EXPECT_DOUBLE_EQ(BearingDegrees(r.a, r.b, r.dy, r.dx), r.expected) << r.why;
}

class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ProjectParameters& p = ctx_.params;
    p.Range_South = 0;
    p.Range_West = 1;
    p.Range_North = 2;
    p.Range_East = 2;  // a = -1..1, b = 0..1
    ctx_.run.SourceLatSeconds = 127298.4;
    ctx_.run.SourceLonSeconds = 499418.4;
    ctx_.run.SourceElevation = 0;
    p.Tx_Altitude = 10;
    p.Rx_Altitude = 10;
  }
  // A cell `north_m` north and `east_arcsec` east of the station, ground 0 m.
  CellRecord Cell(double north_m, double east_arcsec, double slot0 = 0) {
    CellRecord r = test::RecordWithElevation(slot0);
    r.slot[kLatitude] = ctx_.run.SourceLatSeconds + 2 * std::asin(north_m / 12756274) / kK;
    r.slot[kLongitude] = ctx_.run.SourceLonSeconds + east_arcsec;
    r.slot[kLatitudeShift] = 0;
    r.slot[kLongitudeShift] = 0;
    return r;
  }
  std::vector<CellRecord> Run(const std::vector<CellRecord>& in) {
    return bench_.Run(in, [&] { GeometryPass(ctx_, link_); }, /*reads_a=*/true);
  }

  Context ctx_;
  test::FakeWindowLink link_{ctx_};
  test::PassBench bench_{ctx_};
};

TEST_F(GeometryTest, ACell1000MetresNorthOnAFlatSphere) {
  // Record 4 is cell (0, 1).
  std::vector<CellRecord> in(6, Cell(0, 0));
  in[4] = Cell(1000, 0);
  const auto out = Run(in);
  ASSERT_EQ(out.size(), 6u);
  const CellRecord& r = out[4];
  EXPECT_NEAR(r.slot[kNorthDistance], 1000.0, 1e-6);
  EXPECT_EQ(r.slot[kEastDistance], 0.0);
  EXPECT_NEAR(r.slot[kDistance], 1000.0, 1e-6);
  EXPECT_NEAR(r.slot[kHalfAngle], 7.839e-5, 1e-8);  // asin(1000 / 2 / 6378137)
  EXPECT_NEAR(r.slot[kAntennaDistance], 1000.0016, 1e-4);  // 1000 + sin(alpha) x 20
  EXPECT_EQ(r.slot[kPatternFactor], 1.0);
  EXPECT_EQ(r.slot[10], NO_DATA) << "slot 10 is never written";
  EXPECT_EQ(r.slot[kLineOfSight], NO_DATA);
}

TEST_F(GeometryTest, GroundWithoutDataCountsAsSeaLevelForBothAntennas) {
  struct Row {
    int32_t source_elevation;
    double cell_slot0;
    double expected_chord_m;
    const char* why;
  };
  // Station cell: no distance, so the chord is |h2 - h1|.
  const Row rows[] = {
      {0, 1000, 100, "ground 100 m under the receiver: 110 - 10"},
      {-9999, 1000, 100, "a station cell without data stands on 0 m, not -999.9 m"},
      {500, -9999, 50, "a receiving cell without data stands on 0 m: 10 - 60"},
  };
  for (const Row& r : rows) {
    ctx_.run.SourceElevation = r.source_elevation;
    std::vector<CellRecord> in(6, Cell(0, 0));
    in[1] = Cell(0, 0, r.cell_slot0);  // cell (0, 0)
    EXPECT_NEAR(Run(in)[1].slot[kAntennaDistance], r.expected_chord_m, 1e-9) << r.why;
  }
}

TEST_F(GeometryTest, ThePatternFactorFollowsTheBearing) {
  AntennaPattern& pattern = ctx_.pattern;
  pattern.count = 3;
  pattern.angle = {0, 0, 90, 270, 360};
  pattern.factor = {1.0, 1.0, 0.5, 0.0, 1.0};
  std::vector<CellRecord> in(6, Cell(0, 0));
  in[2] = Cell(0, 2.25);   // (1, 0): east, bearing 90
  in[0] = Cell(0, -2.25);  // (-1, 0): west, bearing 270
  in[4] = Cell(50, 0);     // (0, 1): north, bearing 0
  struct Row {
    const char* pattern_file;
    int flood_mode;
    double east, west, north;
    const char* why;
  };
  const Row rows[] = {
      {"pattern.txt", 0, 0.5, 0.0000001, 1.0, "a factor of 0 becomes 1e-7"},
      {"!", 0, 1.0, 1.0, 1.0, "no pattern file"},
      {"pattern.txt", 1, 1.0, 1.0, 1.0, "flood mode uses no pattern"},
  };
  for (const Row& r : rows) {
    ctx_.params.Antenna_Pattern_File = r.pattern_file;
    ctx_.FloodMode = r.flood_mode;
    const auto out = Run(in);
    EXPECT_EQ(out[2].slot[kPatternFactor], r.east) << r.why;
    EXPECT_EQ(out[0].slot[kPatternFactor], r.west) << r.why;
    EXPECT_EQ(out[4].slot[kPatternFactor], r.north) << r.why;
  }
}

TEST_F(GeometryTest, ReportsEveryCellAndOnceMoreAtTheEnd) {
  link_.record_cells = true;
  Run(std::vector<CellRecord>(6, Cell(0, 0)));
  const auto cells = link_.CellEvents(5003);
  ASSERT_EQ(cells.size(), 7u);
  EXPECT_EQ(cells[0].a, 0);
  EXPECT_EQ(cells[5].a, 2);
  EXPECT_EQ(cells[5].b, 1);
  EXPECT_EQ(cells[6].a, 0);
  EXPECT_EQ(cells[6].b, 0);
}

TEST_F(GeometryTest, WideAreaProcessesARecordAgainInEveryRowOfItsBlock) {
  // Coarse 3 over a = -1..4, b = -1..0: two records, each met by two rows.
  ProjectParameters& p = ctx_.params;
  p.Range_West = 1;
  p.Range_East = 5;
  p.Range_South = 1;
  p.Range_North = 1;
  p.Coarse = 3;
  p.Flag_Reduction = 1;
  p.Antenna_Pattern_File = "pattern.txt";
  ctx_.pattern.count = 3;
  ctx_.pattern.angle = {0, 90, 180, 270, 360};
  ctx_.pattern.factor = {1.0, 0.5, 0.25, 0.125, 1.0};
  // Both records lie far south of the station, so from row -1 their bearings
  // are near 180; the later row 0 sees them at 270 and 90 and wins.
  std::vector<CellRecord> in = {Cell(-5000, -0.1), Cell(-5000, 0.1)};
  link_.record_cells = true;
  const auto out = Run(in);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[0].slot[kPatternFactor], 0.125);
  EXPECT_EQ(out[1].slot[kPatternFactor], 0.5);
  EXPECT_EQ(link_.CellEvents(5003).size(), 13u) << "every cell reports, and the final (0, 0)";
}

}  // namespace
}  // namespace dorx
