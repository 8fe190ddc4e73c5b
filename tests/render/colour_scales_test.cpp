// The colour scales: the tables of documented colours, and the cases where
// a division by zero or a NaN would otherwise decide the colour.
#include "render/colour_scales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace dorx {
namespace {

constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr Rgb kSea{0x20, 0x20, 0x80};

Rgb Hex(uint32_t rrggbb) {
  return Rgb{static_cast<uint8_t>(rrggbb >> 16), static_cast<uint8_t>(rrggbb >> 8), static_cast<uint8_t>(rrggbb)};
}

DrawingSettings FieldDefaults() { return StartUpDrawingSettings(0); }  // lower 0, step 5, upper 35
DrawingSettings FloodDefaults() { return StartUpDrawingSettings(1); }  // lower 0, step 2, upper 10

struct RampRow {
  double x;
  uint32_t rgb;
  const char* source;
};

TEST(FieldColour, DefaultRampGivesTheDocumentedColours) {
  const RampRow rows[] = {
      {35, 0xFF0000, "upper limit: hue 0"},
      {30, 0xFF9A00, "documented table"},
      {25, 0xC8FF00, "documented table"},
      {20, 0x2DFF00, "documented table"},
      {15, 0x00FF6D, "documented table"},
      {10, 0x00F5FF, "documented table"},
      {5, 0x005BFF, "documented table"},
      {0, 0x3F00FF, "lower limit: hue 255, violet-blue"},
      {40, 0xFF0000, "above the upper limit: clipped to it"},
      {17.5, 0x00FF1F, "by hand: t = 0.5, H = 127.5, i = 2, f = 0.125, t' = cut(255 x 0.125) = 31"},
  };
  for (const RampRow& row : rows) {
    Rgb colour = kWhiteRgb;
    FieldColour(row.x, FieldDefaults(), colour);
    EXPECT_EQ(colour, Hex(row.rgb)) << row.x << ": " << row.source;
  }
}

TEST(FieldColour, LeavesTheColourBelowTheLowerLimitAndForNaN) {
  for (double x : {-0.1, -9999.0, std::nan("")}) {
    Rgb colour = Hex(0x123456);
    FieldColour(x, FieldDefaults(), colour);
    EXPECT_EQ(colour, Hex(0x123456)) << x;
  }
}

TEST(WaterColour, FloodRampFromCyanGreenToBlue) {
  const RampRow rows[] = {
      {10, 0x0000FF, "upper limit: hue 240"},
      {25, 0x0000FF, "above the upper limit: clipped to it"},
      {0, 0x00FFA9, "lower limit: hue 160, i = 2, f = 2/3 (just below), cut(255 x f) = 169"},
      {5, 0x00A9FF, "by hand: hue 200, i = 3, q = cut(255 x (1 - 1/3)) = 169"},
  };
  for (const RampRow& row : rows) {
    Rgb colour = kWhiteRgb;
    WaterColour(row.x, FloodDefaults(), colour);
    EXPECT_EQ(colour, Hex(row.rgb)) << row.x << ": " << row.source;
  }
}

TEST(WaterColour, LeavesTheColourAtMinusTenBelowTheLowerLimitAndForNaN) {
  DrawingSettings low = FloodDefaults();
  low.DrawLowerLimit = -20;  // so that only the -10 rule can refuse -10
  struct Row {
    DrawingSettings drawing;
    double x;
    const char* why;
  } rows[] = {
      {low, -10.0, "-10 is no water level, whatever the lower limit"},
      {low, -50.0, "below -10"},
      {FloodDefaults(), -0.5, "below the lower limit"},
      {FloodDefaults(), std::nan(""), "NaN compares false"},
  };
  for (const Row& row : rows) {
    Rgb colour = Hex(0x123456);
    WaterColour(row.x, row.drawing, colour);
    EXPECT_EQ(colour, Hex(0x123456)) << row.why;
  }
}

TEST(RampColours, EqualLimitsGiveTheUpperLimitsColourInsteadOfDividingByZero) {
  DrawingSettings flat = FieldDefaults();
  flat.DrawLowerLimit = flat.DrawUpperLimit = 20;
  for (double x : {20.0, 25.0}) {
    Rgb field = kWhiteRgb;
    FieldColour(x, flat, field);
    EXPECT_EQ(field, Hex(0xFF0000)) << x;
    Rgb water = kWhiteRgb;
    WaterColour(x, flat, water);
    EXPECT_EQ(water, Hex(0x0000FF)) << x;
  }
  Rgb below = kWhiteRgb;
  FieldColour(19.9, flat, below);
  EXPECT_EQ(below, kWhiteRgb);
}

TEST(TerrainGrey, GreyByTheAreasElevationRangeAndSeaAtMinusTen) {
  struct Row {
    double e_m;
    uint32_t rgb;
    const char* source;
  } rows[] = {
      {0, 0x404040, "documented: lowest elevation is grey 64"},
      {1000, 0x727272, "documented: 114"},
      {3776, 0xFDFDFD, "documented: 253"},
      {3800, 0xFFFFFF, "documented: highest elevation is 255"},
      {3900, 0x040404, "by hand: cut(3900 x 191 / 3800) + 64 = 260, low 8 bits 4"},
      {-9.9, 0x404040, "by hand: cut(-0.498) = 0 toward zero, so grey 64"},
      {-10, 0x202080, "documented: -10 m and below is SeaColour"},
      {-999.9, 0x202080, "a cell without data (slot 0 = -9999)"},
  };
  for (const Row& row : rows) {
    Rgb colour = kWhiteRgb;
    TerrainGrey(row.e_m, 0, 3800, kSea, colour);
    EXPECT_EQ(colour, Hex(row.rgb)) << row.e_m << ": " << row.source;
  }
}

TEST(TerrainGrey, OneConstantElevationAndBrokenValuesGiveTheLowestGrey) {
  for (double e : {500.0, 800.0, std::nan("")}) {
    Rgb colour = kWhiteRgb;
    TerrainGrey(e, 500, 500, kSea, colour);
    EXPECT_EQ(colour, Hex(0x404040)) << e;
  }
  // A saturated cut (huge elevation over a tiny range) keeps its low 8 bits
  // without overflowing: INT64_MAX + 64 has the low byte 0x3F.
  Rgb huge = kWhiteRgb;
  TerrainGrey(1e300, 0, 1e-300, kSea, huge);
  EXPECT_EQ(huge, Hex(0x3F3F3F));
}

TEST(SteppedValue, CutsTowardZeroAfterSubtractingHalfAStep) {
  struct Row {
    double x;
    double stepped;
    const char* source;
  } rows[] = {
      {12.4, 5, "documented"},     {12.5, 10, "documented"},  {5.0, 0, "documented"},
      {7.5, 5, "documented: 7.5 up to 12.5 become 5"},       {7.4, 0, "below 7.5"},
      {-2.4, 0, "documented: above -2.5 becomes 0"},         {-12, -10, "documented"},
      {17.5, 15, "documented: 12.5 up to 17.5 become 10, 17.5 itself 15"},
  };
  for (const Row& row : rows) EXPECT_EQ(SteppedValue(row.x, 5), row.stepped) << row.x << ": " << row.source;
}

TEST(SteppedValue, AStepOfZeroLeavesTheValueAndNaNStaysNaN) {
  EXPECT_EQ(SteppedValue(12.3, 0), 12.3);
  EXPECT_TRUE(std::isnan(SteppedValue(std::nan(""), 5)));
}

TEST(HsvToRgb, EdgesOfTheConversion) {
  struct Row {
    double H, S, V;
    uint32_t rgb;
    const char* source;
  } rows[] = {
      {360, 1, 1, 0x000000, "documented: only h = 360 reaches i = 6, black"},
      {123, 0, 0.5, 0x7F7F7F, "documented: S = 0 gives cut(V x 255) whatever H"},
      {-5, 0, 1, 0xFFFFFF, "S = 0, V = 1"},
      {-5, 1, 1, 0xFF0000, "H below 0 counts as 0"},
      {400, 1, 1, 0xFF0000, "H above 360 counts as 0"},
      {120, 2, 3, 0x00FF00, "S and V above 1 count as 1"},
      {60, 0.5, 1, 0xFFFF7F, "by hand: i = 1, f = 0, q = 255, p = cut(127.5) = 127"},
  };
  for (const Row& row : rows) {
    Rgb colour = kWhiteRgb;
    HsvToRgb(row.H, row.S, row.V, colour);
    EXPECT_EQ(colour, Hex(row.rgb)) << row.source;
  }
}

TEST(HsvToRgb, NaNInputsGiveAColourWithoutUndefinedConversions) {
  const double nan = std::nan("");
  Rgb colour = kWhiteRgb;
  HsvToRgb(nan, 1, 1, colour);  // hue 0
  EXPECT_EQ(colour, Hex(0xFF0000));
  HsvToRgb(0, nan, nan, colour);  // S and V 0: black
  EXPECT_EQ(colour, Hex(0x000000));
}

}  // namespace
}  // namespace dorx
