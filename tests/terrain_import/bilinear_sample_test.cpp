// Bilinear sampling of pixel-is-area rasters and the rounding into tenths.
#include "terrain_import/bilinear_sample.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dorx {
namespace {

// 2 x 2 pixels: 10 20 / 30 NaN.
PixelWindow Square() {
  return PixelWindow{2, 2, 0, 0, 2, 2, {10.0, 20.0, 30.0, std::nan("")}};
}

TEST(SampleBilinear, MixesTheFourPixelCentresAroundThePoint) {
  struct Row {
    double px, py;
    std::optional<double> value;
    const char* why;
  };
  const Row rows[] = {
      {0.5, 0.5, 10.0, "a pixel centre gives the pixel"},
      {1.0, 0.5, 15.0, "half-way between two centres"},
      {0.0, 0.0, 10.0, "the raster's corner: the edge pixel stands in"},
      {2.0, 0.5, 20.0, "the east edge"},
      {0.75, 0.75, (10.0 * 0.5625 + 20.0 * 0.1875 + 30.0 * 0.1875) / 0.9375, "no-data neighbour drops out"},
      {1.5, 1.5, std::nullopt, "the no-data pixel's centre"},
      {1.3, 1.3, std::nullopt, "less than half of the weight (0.36) has data"},
      {-0.01, 0.5, std::nullopt, "west of the raster"},
      {0.5, 2.01, std::nullopt, "south of the raster"},
      {std::nan(""), 0.5, std::nullopt, "a position that could not be mapped"},
  };
  for (const Row& r : rows) {
    const auto got = SampleBilinear(Square(), r.px, r.py);
    ASSERT_EQ(got.has_value(), r.value.has_value()) << r.why;
    if (got) {
      EXPECT_DOUBLE_EQ(*got, *r.value) << r.why;
    }
  }
}

TEST(SampleBilinear, PixelsOutsideTheWindowCountAsNoData) {
  const PixelWindow w{10, 10, 4, 4, 1, 1, {7.0}};
  EXPECT_EQ(SampleBilinear(w, 4.5, 4.5), 7.0);
  EXPECT_EQ(SampleBilinear(w, 2.5, 2.5), std::nullopt);
}

TEST(ElevationTenths, RoundsHalfAwayFromZeroWithinWhatFiveCharactersHold) {
  EXPECT_EQ(ElevationTenths(101.25), 1013);
  EXPECT_EQ(ElevationTenths(-0.25), -3);
  EXPECT_EQ(ElevationTenths(3776.04), 37760);
  EXPECT_EQ(ElevationTenths(-999.8), -9998);
  EXPECT_EQ(ElevationTenths(-999.9), std::nullopt) << "-9999 means no data";
  EXPECT_EQ(ElevationTenths(9999.9), 99999);
  EXPECT_EQ(ElevationTenths(10000.0), std::nullopt);
  EXPECT_EQ(ElevationTenths(std::nan("")), std::nullopt);
}

}  // namespace
}  // namespace dorx
