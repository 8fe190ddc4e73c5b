// Tracing the profiles of a row on two threads gives the files, the reports
// and the cell store state of tracing them one after the other.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>

#include "engine/field_strength_pass.h"
#include "engine/passes.h"
#include "engine/terrain_pass.h"
#include "engine_fixtures.h"
#include "fake_window_link.h"

namespace dorx {
namespace {

// Rough ground: 0 to 400 m at random from cell to cell, with cliffs.
int RoughGround(int row, int column) {
  uint32_t x = static_cast<uint32_t>(row * 7919 + column * 104729 + 12345);
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  return static_cast<int>(x % 4000);
}

struct Variant {
  const char* name;
  int8_t coarse;
  int8_t reduction;
  int8_t compensation;
  int west;
  int64_t stop_after;  // progress reports of the pass before Stop, -1 none
};

void PrintTo(const Variant& v, std::ostream* os) { *os << v.name; }

struct PassOutput {
  std::string result;
  std::vector<test::LinkEvent> reports;
  std::array<int32_t, 128> cache;
  CellRecord current, sample;
};

class ProfileThreadsTest : public ::testing::TestWithParam<Variant> {
 protected:
  void SetUp() override {
    test::WriteTile(dir_.path(), "533805", test::TileText("ROUGH     ", RoughGround));
    test::SetUpStation(ctx_, dir_.path(), 15);
    const Variant& v = GetParam();
    ctx_.params.Coarse = v.coarse;
    ctx_.params.Flag_Reduction = v.reduction;
    ctx_.params.Compensation = v.compensation;
    ctx_.params.Range_West = v.west;
    // A datum shift that is not a whole number of cells.
    ctx_.datum.Assign({{0, {0.7, -1.1}}});
    test::FakeWindowLink quiet(ctx_);
    ASSERT_TRUE(ctx_.store.StoreFileA.Open(dir_ / "terrain", "wb"));
    LoadTerrainPass(ctx_, quiet);
    ctx_.store.StoreFileA.Close();
    ASSERT_TRUE(ctx_.store.StoreFileA.Open(dir_ / "terrain", "rb"));
    ASSERT_TRUE(ctx_.store.StoreFileB.Open(dir_ / "geometry", "wb"));
    GeometryPass(ctx_, quiet);
    ctx_.store.StoreFileB.Close();
    ctx_.store.StoreFileA.Close();
  }

  PassOutput Run(int threads) {
    ctx_.StopRequested = false;
    ctx_.store.SampleRecord.Clear();
    test::FakeWindowLink link(ctx_);
    link.record_cells = true;
    link.stop_code = 5005;
    link.stop_after = GetParam().stop_after;
    const std::string path = dir_ / ("result" + std::to_string(threads));
    EXPECT_TRUE(ctx_.store.StoreFileB.Open(dir_ / "geometry", "rb"));
    EXPECT_TRUE(ctx_.store.StoreFileA.Open(path, "wb"));
    FieldStrengthPass(ctx_, link, threads);
    ctx_.store.StoreFileA.Close();
    ctx_.store.StoreFileB.Close();
    return PassOutput{test::ReadBytes(path), link.events, ctx_.store.AccessCache, ctx_.store.CurrentRecord,
                      ctx_.store.SampleRecord};
  }

  test::ScratchFolder dir_;
  Context ctx_;
};

TEST_P(ProfileThreadsTest, TwoThreadsMatchOneByteForByte) {
  const PassOutput one = Run(1);
  const PassOutput two = Run(2);
  ASSERT_GT(one.result.size(), 488u);
  EXPECT_TRUE(one.result == two.result) << "result records differ";
  EXPECT_TRUE(one.reports == two.reports) << "progress reports differ";
  EXPECT_EQ(one.cache, two.cache);
  EXPECT_EQ(one.current.slot, two.current.slot);
  EXPECT_EQ(one.sample.slot, two.sample.slot);
  // The terrain is rough enough for both kinds of path.
  int blocked = 0, clear = 0;
  for (size_t offset = 488; offset + 160 <= one.result.size(); offset += 160) {
    double flag;
    std::memcpy(&flag, one.result.data() + offset + kLineOfSight * 8, 8);
    (flag < 0 ? blocked : clear) += 1;
  }
  EXPECT_GT(blocked, 0);
  EXPECT_GT(clear, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, ProfileThreadsTest,
    ::testing::Values(Variant{"Coarse1", 1, 0, 0, 15, -1}, Variant{"Coarse3", 3, 0, 0, 15, -1},
                      Variant{"Compensated", 1, 0, 3, 15, -1}, Variant{"WideArea3", 3, 1, 0, 15, -1},
                      Variant{"WideAreaPartialBlocks", 4, 1, 0, 14, -1},
                      Variant{"StoppedMidRow", 1, 0, 0, 15, 437},
                      Variant{"WideAreaStoppedMidRow", 2, 1, 0, 15, 437}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorx
