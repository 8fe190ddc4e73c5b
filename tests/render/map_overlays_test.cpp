// The station marker and the distance grid: exact pixels of the cross, the
// grid lines and where their numbers start, and the counts that give no
// usable spacing.
#include "render/map_overlays.h"

#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "render/layers.h"

namespace dorx {
namespace {

using test::AnyPixelIs;
using test::RgbAt;

constexpr uint32_t kBlueHex = 0x0000FF;
constexpr uint32_t kSilverHex = 0xC0C0C0;
constexpr uint32_t kBlackHex = 0x000000;

TEST(DrawStationMarker, ACrossOfThirteenPixelsCentredOnTheCutStationPixel) {
  for (int target : {1, 3}) {
    Pictures p;
    ResetLayer(p, kLayerCSR, 200, 100);
    ResetLayer(p, kLayerMIX, 200, 100);
    MapGeometry g;
    g.WestPixels = 100.5;
    g.NorthPixels = 50.2;
    DrawStationMarker(g, p, target);
    FormImage& drawn = target == 1 ? p.ImageCSR : p.ImageMIX;
    FormImage& other = target == 1 ? p.ImageMIX : p.ImageCSR;
    for (int x = 94; x <= 106; ++x) EXPECT_EQ(RgbAt(drawn, x, 50), kBlueHex) << x;
    for (int y = 44; y <= 56; ++y) EXPECT_EQ(RgbAt(drawn, 100, y), kBlueHex) << y;
    int blue = 0;
    for (int y = 0; y < 100; ++y)
      for (int x = 0; x < 200; ++x) blue += RgbAt(drawn, x, y) == kBlueHex;
    EXPECT_EQ(blue, 25) << "two arms of 13 sharing the centre, nothing else";
    EXPECT_EQ(other.picture(), Bitmap(200, 100)) << "target " << target << " only";
  }
}

TEST(DrawStationMarker, OtherTargetsDrawNothing) {
  for (int target : {0, 2, 11, 13}) {
    Pictures p;
    ResetLayer(p, kLayerCSR, 20, 20);
    ResetLayer(p, kLayerMIX, 20, 20);
    MapGeometry g;
    g.WestPixels = g.NorthPixels = 10;
    DrawStationMarker(g, p, target);
    EXPECT_EQ(p.ImageCSR.picture(), Bitmap(20, 20)) << target;
    EXPECT_EQ(p.ImageMIX.picture(), Bitmap(20, 20)) << target;
  }
}

// An area of 500 rows and 600 columns, the station 200 cells from the north
// and 400 from the west edge, on a map of one pixel per cell (or `scale`).
class DrawGridTest : public ::testing::Test {
 protected:
  void SetUpMap(double scale, int32_t grid_count) {
    test::SetUpArea(ctx, 200, 300, 200, 400, 500 * scale, 600 * scale);
    ctx.drawing.GridCount = grid_count;
    ResetLayer(p, kLayerCSR, static_cast<int>(600 * scale), static_cast<int>(500 * scale));
    ResetLayer(p, kLayerMIX, static_cast<int>(600 * scale), static_cast<int>(500 * scale));
  }
  const Bitmap& View() { return p.ImageCSR.picture(); }
  // Where a number's text cell starts: the line's pixel just before it is
  // silver, its first pixel is covered by the number's white ground.
  void ExpectNumberStartsAt(int line_x, int line_y, int text_x, int text_y) {
    EXPECT_EQ(RgbAt(View(), line_x, line_y), kSilverHex) << "line at " << line_x << ", " << line_y;
    EXPECT_NE(RgbAt(View(), text_x, text_y), kSilverHex) << "number at " << text_x << ", " << text_y;
    EXPECT_TRUE(AnyPixelIs(View(), text_x, text_y, text_x + 20, text_y + 16, kBlackHex))
        << "inked number at " << text_x << ", " << text_y;
  }
  Context ctx;
  Pictures p;
};

TEST_F(DrawGridTest, FiveIntervalsToTheFarthestEdgeFromTheStation) {
  SetUpMap(1, 5);  // farthest edge 400 pixels west: spacing 80
  DrawGrid(ctx, p, 1);
  for (int y : {200, 120, 40, 280, 360, 440}) EXPECT_EQ(RgbAt(View(), 300, y), kSilverHex) << "row " << y;
  for (int x : {400, 320, 240, 160, 80, 0, 480, 560}) EXPECT_EQ(RgbAt(View(), x, 250), kSilverHex) << "column " << x;
  for (int y : {199, 201, 160}) EXPECT_EQ(RgbAt(View(), 300, y), 0xFFFFFFu) << "no line at " << y;
  EXPECT_EQ(RgbAt(View(), 440, 250), 0xFFFFFFu);
  // Horizontal numbers at x 2 and 9 pixels per digit left of the right edge;
  // vertical ones at y 2 and 18 above the bottom edge.
  ExpectNumberStartsAt(1, 200, 2, 200);
  ExpectNumberStartsAt(590, 200, 591, 200);
  ExpectNumberStartsAt(1, 440, 2, 440);
  ExpectNumberStartsAt(400, 1, 400, 2);
  ExpectNumberStartsAt(400, 481, 400, 482);
  ExpectNumberStartsAt(80, 1, 80, 2);
  EXPECT_TRUE(p.ImageMIX.picture() == Bitmap(600, 500)) << "target 1 is the view";
}

TEST_F(DrawGridTest, ATwoDigitNumberStandsEighteenPixelsLeftOfTheRightEdge) {
  SetUpMap(1, 20);  // spacing 20: line 10 northward is the top row
  DrawGrid(ctx, p, 1);
  ExpectNumberStartsAt(581, 0, 582, 0);
  ExpectNumberStartsAt(590, 20, 591, 20);  // line 9
}

TEST_F(DrawGridTest, OffsetsAreComparedWithTheCellCountsNotThePictureSize) {
  SetUpMap(2, 4);  // 1200 x 1000 pixels; farthest edge 800 pixels west: spacing 200
  DrawGrid(ctx, p, 1);
  for (int x : {800, 600, 400, 1000}) EXPECT_EQ(RgbAt(View(), x, 500), kSilverHex) << x;
  EXPECT_EQ(RgbAt(View(), 200, 500), 0xFFFFFFu) << "offset 600 reaches the 600 columns: not drawn";
  for (int y : {400, 200, 0, 600, 800}) EXPECT_EQ(RgbAt(View(), 700, y), kSilverHex) << y;
}

TEST_F(DrawGridTest, CountsWithoutAUsableSpacingDrawOnlyTheLinesNumberedZero) {
  for (int32_t count : {0, -3, 401, INT32_MIN}) {
    SetUpMap(1, count);
    DrawGrid(ctx, p, 1);
    EXPECT_EQ(RgbAt(View(), 300, 200), kSilverHex) << count;
    EXPECT_EQ(RgbAt(View(), 400, 300), kSilverHex) << count;
    bool elsewhere = false;
    for (int y = 0; y < 500; ++y)
      for (int x = 0; x < 600; ++x)
        if (RgbAt(View(), x, y) == kSilverHex && y != 200 && x != 400) elsewhere = true;
    EXPECT_FALSE(elsewhere) << count;
    ExpectNumberStartsAt(1, 200, 2, 200);
  }
}

TEST_F(DrawGridTest, TargetsElevenAndThirteenDrawOnTheExportSurface) {
  for (int target : {11, 13, 12, 3}) {
    SetUpMap(1, 5);
    DrawGrid(ctx, p, target);
    const bool on_mix = target == 11 || target == 13;
    EXPECT_EQ(RgbAt(p.ImageMIX, 300, 200), on_mix ? kSilverHex : 0xFFFFFFu) << target;
    EXPECT_EQ(View(), Bitmap(600, 500)) << target;
  }
}

}  // namespace
}  // namespace dorx
