// The profile walk over the step table enters exactly the cells, in exactly
// the order, of the walk that takes every 0.1 step, and a walk ends where it
// leaves the area, however far away its cell claims to be.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "engine/path_profile.h"

namespace dorx {
namespace {

using Cells = std::vector<std::pair<int32_t, int32_t>>;  // (column, row) in the order asked

struct RecordingSampler {
  Cells asked;
  bool operator()(int32_t column, int32_t row, SampleValues& out) {
    asked.push_back({column, row});
    out = {0, 0};
    return true;
  }
};

FieldSetup Area(int32_t south, int32_t north, int32_t west, int32_t east) {
  FieldSetup s;
  s.south = south;
  s.north = north;
  s.west = west;
  s.east = east;
  return s;
}

struct Walked {
  Cells asked;
  int32_t last_row, last_column;
};

Walked ByTable(const FieldSetup& s, const ProfileWalk& w) {
  PathProfile path;
  RecordingSampler sampler;
  EXPECT_TRUE(WalkByTable(path, s, w, sampler)) << "the table carries this walk";
  return {sampler.asked, path.last_row, path.last_column};
}

Walked StepByStep(const FieldSetup& s, const ProfileWalk& w) {
  PathProfile path;
  RecordingSampler sampler;
  WalkStepByStep(path, s, w, sampler);
  return {sampler.asked, path.last_row, path.last_column};
}

void ExpectSameWalk(const FieldSetup& s, const ProfileWalk& w, const char* why) {
  const Walked table = ByTable(s, w);
  const Walked steps = StepByStep(s, w);
  EXPECT_EQ(table.asked, steps.asked) << why << ": end " << w.end << ", slope " << w.slope
                                      << (w.along_columns ? " along the columns" : " along the rows");
  EXPECT_EQ(table.last_row, steps.last_row) << why;
  EXPECT_EQ(table.last_column, steps.last_column) << why;
}

TEST(WalkProfile, TheStepTableEntersTheCellsOfEveryStep) {
  const FieldSetup wide = Area(3000, 3000, 3000, 3000);
  struct Row {
    ProfileWalk walk;
    const char* why;
  };
  const Row rows[] = {
      {{true, 0.0, 0.0}, "the station's own cell: no step"},
      {{true, 0.05, 0.0}, "less than one step"},
      {{true, 1.0, 0.0}, "ten steps end at 0.9999999999999999, an eleventh enters column 1"},
      {{false, -1.0, 0.0}, "the same southwards"},
      {{true, 10.0, 1.0}, "the diagonal: both coordinates change at the same steps"},
      {{true, -10.0, 1.0}, "the diagonal to the south-west"},
      {{false, 7.3, -1.2}, "steeper than the diagonal on the other axis (cells are not square)"},
      {{true, 320.0, 0.999999}, "a long path just off the diagonal"},
      {{false, -450.5, 0.0031}, "a long path almost straight south"},
      {{true, 2999.99, -0.3333333333333333}, "the longest path of the area"},
  };
  for (const Row& r : rows) ExpectSameWalk(wide, r.walk, r.why);

  // A cell exactly at a step's position: the walk ends on that step, ten
  // steps before column 1 (or -1) is entered.
  double up = 0, down = 0;
  for (int i = 0; i < 10; ++i) {
    up = up + 0.1;
    down = down - 0.1;
  }
  for (const double end : {up, down}) {
    ExpectSameWalk(wide, {true, end, 0.0}, "a cell exactly at a step");
    EXPECT_EQ(ByTable(wide, {true, end, 0.0}).asked, Cells{}) << "0.9999999999999999 is still in column 0";
  }

  std::mt19937_64 random(20130310);
  std::uniform_real_distribution<double> end(-700, 700), slope(-1.3, 1.3);
  for (int i = 0; i < 300; ++i) {
    const ProfileWalk w{i % 2 == 0, end(random), slope(random)};
    ExpectSameWalk(wide, w, "a random path");
  }
}

TEST(WalkProfile, LeavingTheAreaEndsTheWalk) {
  // 10 cells each way. Both walks step into the first cell outside and stop
  // there; the table walk does so too.
  const FieldSetup small = Area(10, 10, 10, 10);
  ExpectSameWalk(small, {true, 25.0, 0.3}, "out through the east edge");
  ExpectSameWalk(small, {false, -40.0, 0.9}, "out through the south edge");
  ExpectSameWalk(small, {true, 12.0, 1.2}, "out through the north edge first");
  const Walked east = StepByStep(small, {true, 25.0, 0.0});
  ASSERT_FALSE(east.asked.empty());
  EXPECT_EQ(east.asked.back(), (std::pair<int32_t, int32_t>{9, 0}));
  EXPECT_EQ(east.last_column, 10) << "the walk moved on to column 10 and ended there";

  // A cell whose position is far beyond any area (a damaged datum table
  // can shift a cell by 1e308 seconds): the walk reads only the cells of
  // the area and ends.
  for (const double far : {1e9, 1e308, std::numeric_limits<double>::infinity()}) {
    PathProfile path;
    RecordingSampler sampler;
    CellRecord cell;
    cell.Clear();
    cell.slot[kLatitude] = 0;
    cell.slot[kLatitudeShift] = 0;
    cell.slot[kLongitude] = 0;
    cell.slot[kLongitudeShift] = far;
    cell.slot[kNorthDistance] = 0;
    cell.slot[kEastDistance] = 1;
    WalkProfile(path, cell, small, sampler);
    ASSERT_EQ(sampler.asked.size(), 9u) << far;
    EXPECT_EQ(sampler.asked.back(), (std::pair<int32_t, int32_t>{9, 0})) << far;
  }
}

}  // namespace
}  // namespace dorx
