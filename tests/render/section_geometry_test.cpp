// The section projection: scale set-up, fractions of the chart, height step.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/section_geometry.h"

namespace dorx {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(SectionHeightStep, StepRuleAndTheRangesWithoutAStep) {
  struct Row {
    const char* source;
    double range_m, step_m;
  };
  const Row rows[] = {
      {"100 / (10 x 2) + 0.9 = 5.9", 100.0, 50.0},
      {"1000 / 30 + 0.9 = 34.2", 1000.0, 340.0},
      {"3000 / 34.77 + 0.9 = 87.2", 3000.0, 870.0},
      {"10 / 10 + 0.9 = 1.9", 10.0, 10.0},
      {"just above 1 m: one line beyond the range", 1.0001, 23030.0},
      {"1 m: log10 is 0, decided 10", 1.0, 10.0},
      {"below 1 m the rule gives no positive step, decided 10", 0.5, 10.0},
      {"no range", 0.0, 10.0},
      {"negative range", -20.0, 10.0},
      {"not a number", kNaN, 10.0},
      {"infinite", kInf, 10.0},
  };
  for (const Row& row : rows) EXPECT_EQ(SectionHeightStep(row.range_m), row.step_m) << row.source;
}

TEST(SectionScale, HeightRangeFromTheAreaOrTheSection) {
  SectionScaleInputs in;
  in.ElevationMax = 3776.0;
  in.ElevationMin = -10.0;  // counts by its size
  in.section_highest_m = 500.0;
  in.section_lowest_m = -10.0;
  in.Tx_Altitude = 50.0;
  in.Rx_Altitude = 10.0;
  const SectionScale area = SetUpSectionScale(10000.0, in);
  EXPECT_EQ(area.height_range_m, 3776.0 + 10.0 + 50.0 + 10.0);
  EXPECT_EQ(area.horizontal_scale_m, 10000.0);
  EXPECT_EQ(area.area_height_limit_m, 3786.0);
  // A 10 km chord spans 10000 / 6378137 rad; the sea drops R (1 - cos) = 7.84 m.
  EXPECT_NEAR(kSectionEarthRadius_m - area.base_m, 7.8393, 1e-3);
  EXPECT_NEAR(area.vertical_scale_m, 7.8393 + 3846.0, 1e-3);

  in.fine_big = true;
  const SectionScale big = SetUpSectionScale(10000.0, in);
  EXPECT_EQ(big.height_range_m, 500.0 + 10.0 + 60.0);
  EXPECT_EQ(big.height_step_m, SectionHeightStep(570.0));
  EXPECT_EQ(big.area_height_limit_m, 3786.0);  // cleaning keeps the area's values
}

// A 10 km section over an area of 0 to 1000 m, no antennas: range 1000.
SectionScale TenKilometres() {
  SectionScaleInputs in;
  in.ElevationMax = 1000.0;
  return SetUpSectionScale(10000.0, in);
}

TEST(SectionProjection, StationFarEndAndTopOfTheChart) {
  const SectionScale s = TenKilometres();
  const SectionPointKind terrain = SectionPointKind::kTerrain;
  // The station is at x 0; its sea level lies the far end's drop above the
  // chart's bottom, its height range at the top.
  const SectionFractions station = ProjectSectionPoint(s, terrain, 0.0, 0.0, 0.0);
  EXPECT_EQ(station.x, 0.0);
  EXPECT_NEAR(station.lower_y, 1 - 7.8393 / (7.8393 + 1000.0), 1e-6);
  EXPECT_EQ(station.upper_y, station.lower_y);  // extra 0: the sea surface
  const SectionFractions top = ProjectSectionPoint(s, SectionPointKind::kLevel, 1000.0, 0.0, 1000.0);
  EXPECT_NEAR(top.upper_y, 0.0, 1e-12);
  EXPECT_NEAR(top.lower_y, 0.0, 1e-12);
  // The sea at the far end is the bottom of the chart; its x is the arc's
  // sine over the chord, just below 1.
  const SectionFractions far_end = ProjectSectionPoint(s, terrain, 0.0, 10000.0, 0.0);
  EXPECT_NEAR(far_end.lower_y, 1.0, 1e-12);
  EXPECT_NEAR(far_end.x, 1.0, 1e-6);
  EXPECT_LT(far_end.x, 1.0);
}

TEST(SectionProjection, MastsStandOnTheGround) {
  const SectionScale s = TenKilometres();
  const SectionFractions mast = ProjectSectionPoint(s, SectionPointKind::kTerrainMast, 50.0, 5000.0, 300.0);
  const SectionFractions ground = ProjectSectionPoint(s, SectionPointKind::kTerrain, 0.0, 5000.0, 300.0);
  const SectionFractions top = ProjectSectionPoint(s, SectionPointKind::kTerrain, 0.0, 5000.0, 350.0);
  EXPECT_EQ(mast.lower_y, ground.lower_y);
  EXPECT_NEAR(mast.upper_y, top.lower_y, 1e-12);
  // kTerrain with an extra puts the upper point at that height above the sea.
  const SectionFractions level = ProjectSectionPoint(s, SectionPointKind::kTerrain, 350.0, 5000.0, 300.0);
  EXPECT_NEAR(level.upper_y, top.lower_y, 1e-12);
}

TEST(SectionProjection, HeightCleaningByKind) {
  const SectionScale s = TenKilometres();  // area limit |1000| + |0| = 1000
  auto lower = [&](SectionPointKind kind, double height) {
    return ProjectSectionPoint(s, kind, 0.0, 5000.0, height).lower_y;
  };
  const double sea = lower(SectionPointKind::kLevel, 0.0);
  struct Row {
    const char* what;
    SectionPointKind kind;
    double height;
    bool at_sea_level;
  };
  const Row rows[] = {
      {"terrain at the area limit is drawn at sea level", SectionPointKind::kTerrain, 1000.0, true},
      {"terrain mast at the limit likewise", SectionPointKind::kTerrainMast, 1000.0, true},
      {"terrain just below the limit keeps its height", SectionPointKind::kTerrain, 999.0, false},
      {"a height line at the limit keeps its height", SectionPointKind::kLevel, 1000.0, false},
      {"level mast at the limit keeps its height", SectionPointKind::kLevelMast, 1000.0, false},
      {"no-data terrain (-999.9 m) at sea level", SectionPointKind::kTerrain, -999.9, true},
      {"no-data level at sea level", SectionPointKind::kLevel, -999.9, true},
      {"-999.8 m is a height", SectionPointKind::kLevel, -999.8, false},
  };
  for (const Row& row : rows) EXPECT_EQ(lower(row.kind, row.height) == sea, row.at_sea_level) << row.what;
}

TEST(SectionProjection, SectionWithoutLengthOrHeight) {
  SectionScaleInputs in;
  in.ElevationMax = 100.0;
  const SectionScale no_length = SetUpSectionScale(0.0, in);
  EXPECT_EQ(no_length.horizontal_scale_m, 0.0);
  EXPECT_EQ(no_length.base_m, kSectionEarthRadius_m);
  for (double distance : {0.0, 100.0}) {
    const SectionFractions f = ProjectSectionPoint(no_length, SectionPointKind::kTerrain, 0.0, distance, 50.0);
    EXPECT_EQ(f.x, 0.0) << distance;
    EXPECT_NEAR(f.lower_y, 0.5, 1e-4) << distance;  // 50 m of a 100 m range
  }
  // Nothing to hold: no range and no length.
  const SectionScale flat = SetUpSectionScale(0.0, SectionScaleInputs{});
  EXPECT_EQ(flat.vertical_scale_m, 0.0);
  const SectionFractions f = ProjectSectionPoint(flat, SectionPointKind::kTerrainMast, 10.0, 0.0, 0.0);
  EXPECT_EQ(f.upper_y, 1.0);
  EXPECT_EQ(f.lower_y, 1.0);
  EXPECT_EQ(f.x, 0.0);
}

TEST(SectionProjection, DamagedValuesNeverGiveNaN) {
  const SectionScale s = TenKilometres();
  const double inputs[] = {kNaN, kInf, -kInf, 1e300, -1e300};
  for (double v : inputs) {
    for (SectionPointKind kind : {SectionPointKind::kTerrain, SectionPointKind::kTerrainMast,
                                  SectionPointKind::kLevel, SectionPointKind::kLevelMast}) {
      const SectionFractions by_distance = ProjectSectionPoint(s, kind, 0.0, v, 10.0);
      const SectionFractions by_height = ProjectSectionPoint(s, kind, v, 100.0, v);
      for (double f : {by_distance.x, by_distance.upper_y, by_distance.lower_y, by_height.x, by_height.upper_y,
                       by_height.lower_y})
        EXPECT_FALSE(std::isnan(f)) << v;
    }
  }
  SectionScaleInputs in;
  in.Tx_Altitude = kNaN;
  const SectionScale broken = SetUpSectionScale(kNaN, in);
  const SectionFractions f = ProjectSectionPoint(broken, SectionPointKind::kTerrain, 0.0, 100.0, 10.0);
  EXPECT_FALSE(std::isnan(f.x) || std::isnan(f.upper_y) || std::isnan(f.lower_y));
}

}  // namespace
}  // namespace dorx
