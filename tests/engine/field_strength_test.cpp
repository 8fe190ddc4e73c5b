// Free-space and knife-edge losses, the link budget, and the path profile.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

#include "engine/path_profile.h"
#include "engine/radio_losses.h"

namespace dorx {
namespace {

TEST(RadioLosses, FreeSpaceLoss) {
  struct Row {
    double distance_m, frequency_MHz, expected_dB;
    const char* source;
  };
  const Row rows[] = {
      {10000, 500, 106.43, "10 km at 500 MHz: 20 log10(4 pi x 10000 x 500 / 299.792458)"},
      {1000, 500, 86.43, "a tenth of the distance: 20 dB less"},
      {10000, 50, 86.43, "a tenth of the frequency: 20 dB less"},
  };
  for (const Row& r : rows) EXPECT_NEAR(FreeSpaceLoss_dB(r.distance_m, r.frequency_MHz), r.expected_dB, 0.005) << r.source;
}

TEST(RadioLosses, KnifeEdgeLossOnBothSidesOfItsBounds) {
  struct Row {
    double nu, expected_dB, tolerance;
    const char* source;
  };
  const Row rows[] = {
      {1, 16.34, 1e-12, "6.02 + 12.32 - 3.63 + 1.63 from the polynomial"},
      {1 + 1e-9, 16.3333, 1e-4, "just above 1: 20 log10(2 pi (1 + 1/23))"},
      {-0.5, 0.415625, 1e-12, "6.02 - 6.16 + 0.45375 + 0.101875"},
      {-0.51, 0, 0, "below -0.5 no loss"},
      {0, 6.02, 1e-12, "grazing: 6.02 dB"},
      {1.3294061240294621, 18.5824951, 1e-6, "the obstacle example below, by hand"},
      {std::nan(""), 0, 0, "not a number: no loss"},
  };
  for (const Row& r : rows) EXPECT_NEAR(KnifeEdgeLoss_dB(r.nu), r.expected_dB, r.tolerance) << r.source;
}

FieldSetup DefaultEquipment() {
  FieldSetup s;
  s.tx_power_W = 100;
  s.antenna_gain_dB = 4;
  s.tx_loss_dB = 20.5;
  s.rx_loss_dB = 2;
  s.rx_impedance_ohm = 50;
  s.frequency_MHz = 500;
  s.north = s.south = s.east = s.west = 1000;
  return s;
}

CellRecord Cell(double distance_m, double chord_m, double pattern_factor = 1.0) {
  CellRecord r;
  r.Clear();
  r.slot[kElevation] = 0;
  r.slot[kDistance] = distance_m;
  r.slot[kAntennaDistance] = chord_m;
  r.slot[kPatternFactor] = pattern_factor;
  return r;
}

TEST(ComputeFieldStrength, TheLinkBudget) {
  const FieldSetup s = DefaultEquipment();
  PathProfile clear;
  // 20 + 4 + 0 - (20.5 + 2 + 106.43) + 23.01 + 90 = 8.08 dBuV/m.
  EXPECT_NEAR(ComputeFieldStrength(Cell(10000, 10000), clear, s), 8.08, 0.005);
  EXPECT_NEAR(ComputeFieldStrength(Cell(10000, 10000, 0.5), clear, s), 8.08 - 3.01, 0.005) << "pattern factor 0.5";

  // An obstacle of 100 m halfway along 10 km, both antennas at 50 m: the line
  // there is 50 - 5000 x 5000 x 5.879e-8 = 48.53 m, the Fresnel radius
  // sqrt(2500 x 0.5996) = 38.716 m, nu = 1.3294, J = 18.5825 dB.
  PathProfile blocked;
  blocked.h1_m = blocked.h2_m = 50;
  AddObstacle(blocked, 1000, 5000);
  EXPECT_NEAR(ComputeFieldStrength(Cell(10000, 10000), blocked, s), 8.0831166 - 18.5824951, 1e-6);

  PathProfile at_the_cell = blocked;
  at_the_cell.highest_distance_m = 10000;  // no Fresnel zone: no loss
  EXPECT_NEAR(ComputeFieldStrength(Cell(10000, 10000), at_the_cell, s), 8.0831166, 1e-6);
}

TEST(AddObstacle, KeepsTheHighestAndAmongEqualOnesTheFirst) {
  PathProfile p;
  AddObstacle(p, 500, 100);
  AddObstacle(p, 700, 200);
  AddObstacle(p, 700, 300);
  AddObstacle(p, 600, 400);
  EXPECT_EQ(p.highest_elevation, 700);
  EXPECT_EQ(p.highest_distance_m, 200);
  EXPECT_EQ(p.obstacle_count, 4);
}

// Records the cells a walk asks for and answers from a map of samples.
struct MapSampler {
  std::map<std::pair<int, int>, SampleValues> cells;  // (column, row)
  std::vector<std::pair<int, int>> asked;
  bool operator()(int32_t column, int32_t row, SampleValues& out) {
    asked.push_back({column, row});
    const auto found = cells.find({column, row});
    if (found == cells.end()) return false;
    out = found->second;
    return true;
  }
};

using Cells = std::vector<std::pair<int, int>>;

// A cell t rows north and u columns east of an origin at (0, 0).
CellRecord Offset(double t, double u, double north_m, double east_m) {
  CellRecord r = Cell(std::hypot(north_m, east_m), std::hypot(north_m, east_m));
  r.slot[kLatitude] = t * 1.5;
  r.slot[kLongitude] = u * 2.25;
  r.slot[kLatitudeShift] = 0;
  r.slot[kLongitudeShift] = 0;
  r.slot[kNorthDistance] = north_m;
  r.slot[kEastDistance] = east_m;
  return r;
}

TEST(WalkProfile, SamplesEveryCellItEntersOnce) {
  struct Row {
    CellRecord cell;
    Cells expected;
    const char* why;
  };
  const Row rows[] = {
      {Offset(3, 0, 150, 0), {{0, 1}, {0, 2}, {0, 3}}, "north: rows 1 to 3, never the station's cell"},
      {Offset(-3, 0, -150, 0), {{0, -1}, {0, -2}, {0, -3}}, "south"},
      {Offset(0, 2, 0, 100), {{1, 0}, {2, 0}}, "east, along the columns"},
      {Offset(0, -2, 0, -100), {{-1, 0}, {-2, 0}}, "west"},
      {Offset(0.6, 0.4, 30, 20), {}, "a cell within the origin's cell takes no sample"},
      // Equal north and east distances choose the walk along the columns,
      // here with u = 0: no step at all, although the cell lies 2.5 rows north.
      {Offset(2.5, 0, 100, 100), {}, "equal distances walk the columns"},
  };
  for (const Row& r : rows) {
    MapSampler sampler;
    const FieldSetup s = DefaultEquipment();
    TraceProfile(r.cell, s, sampler);
    EXPECT_EQ(sampler.asked, r.expected) << r.why;
  }
}

TEST(WalkProfile, NeverReadsACellOutsideTheArea) {
  FieldSetup s = DefaultEquipment();
  s.north = 3;
  MapSampler sampler;
  PathProfile path;
  const CellRecord cell = Offset(2.95, 0, 150, 0);  // the walk ends at 3.0000000000000013
  ResetProfile(path, cell, s);
  WalkProfile(path, cell, s, sampler);
  EXPECT_EQ(sampler.asked, (Cells{{0, 1}, {0, 2}}));
  EXPECT_EQ(path.last_row, 3) << "the walk still moved on to row 3";
}

TEST(TraceProfile, OnlyCellsStrictlyAboveTheDirectLineAreObstacles) {
  // 400 m north, 4 rows; transmitting antenna 40 m, receiving antenna on
  // the ground: the direct line is at 30, 20 and 10 m over rows 1 to 3.
  FieldSetup s = DefaultEquipment();
  s.tx_antenna_height_m = 40;
  s.rx_altitude_m = 0;
  const CellRecord cell = Offset(4, 0, 400, 0);
  struct Row {
    double row1, row2, row3;  // 0.1 m
    int line_of_sight;
    double obstacle_distance_m;  // of the obstacle that counts, 0 for none
    const char* why;
  };
  const Row rows[] = {
      {0, 0, 0, 1, 0, "flat ground"},
      {0, 200, 0, 1, 0, "exactly on the line is not above it"},
      {0, 250, 0, -1, 200, "25 m above row 2's 20 m"},
      {350, 350, 0, -1, 100, "equal heights: the nearer one counts"},
      {310, 400, 0, -1, 200, "the highest counts, not the first"},
  };
  for (const Row& r : rows) {
    MapSampler sampler;
    sampler.cells[{0, 1}] = {r.row1, 100};
    sampler.cells[{0, 2}] = {r.row2, 200};
    sampler.cells[{0, 3}] = {r.row3, 300};
    sampler.cells[{0, 4}] = {0, 400};
    const ProfileResult result = TraceProfile(cell, s, sampler);
    EXPECT_EQ(result.line_of_sight, r.line_of_sight) << r.why;
    PathProfile expected;
    ResetProfile(expected, cell, s);
    if (r.obstacle_distance_m > 0) {
      const double height = r.obstacle_distance_m == 100 ? r.row1 : r.row2;
      AddObstacle(expected, height, r.obstacle_distance_m);
    }
    EXPECT_DOUBLE_EQ(result.field_strength, ComputeFieldStrength(cell, expected, s)) << r.why;
  }
}

}  // namespace
}  // namespace dorx
