// The information panel: every text with its position in both modes, the
// legend's boxes (colour, frame, place) and where text is inked.
#include "render/info_panel.h"

#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "render/colour_scales.h"
#include "render/layers.h"
#include "render_fixtures.h"
#include "support/default_station.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::AnyPixelIs;
using test::RgbAt;

constexpr uint32_t kWhiteHex = 0xFFFFFF;
constexpr uint32_t kBlackHex = 0x000000;
constexpr uint32_t kGreyHex = 0x808080;

// The station of the default project after a run, with the documented area of
// 320 cells each way.
void SetUpStation(Context& ctx) {
  ProjectParameters& p = ctx.params;
  p.Project_Name = test::Sjis("富士山");
  p.Source_North_latitude = Dms{35, 21, 38.4};
  p.Source_East_longitude = Dms{138, 43, 38.4};
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = 320;
  test::SetDefaultRadio(p);
  p.Antenna_Angle = 0;
  p.Antenna_Pattern_File = "!";
  p.WaterLevel = 3.5;
  ctx.run.SourceElevation = 37463;
  ctx.run.SourceLatSeconds = 127298.4;
}

std::vector<PanelText> Labels(int x, int first_y, std::initializer_list<const char*> texts) {
  std::vector<PanelText> labels;
  int y = first_y;
  for (const char* t : texts) {
    labels.push_back({x, y, t});
    y += 22;
  }
  return labels;
}

TEST(InfoPanelTexts, FieldStrengthModeLinesAndLegend) {
  Context ctx;
  SetUpStation(ctx);
  std::vector<PanelText> expected = {
      {4, 4, "送信局名"},
      {4, 17, "　富士山"},
      {4, 43, "送信地点"},
      {4, 56, "　緯度　035ﾟ 21' 38.4000\""},
      {4, 69, "　経度　138ﾟ 43' 38.4000\""},
      {4, 82, "　標高　3746.3 [m]"},
      {4, 108, "計算域"},
      {4, 121, "　北 14.8 [km]　　南 14.8 [km]"},  // 320 x 46.383 m
      {4, 134, "　東 18.2 [km]　　西 18.2 [km]"},  // 320 x 69.575 m x cos(35.36 deg)
      {4, 173, "送信緒言"},
      {4, 186, "　地上高　40.00 [m]"},
      {4, 199, "　損　 失　20.50 [dB]"},
      {4, 212, "　電　 力　100.00 [W]"},
      {4, 225, "　周波数　500.000 [MHz]"},
      {4, 251, "アンテナ緒言"},
      {4, 264, "　利　 得　4.00 [dBi]"},
      {4, 277, "　方位角　0.00 [deg]"},
      {4, 290, "　水平パターン　!"},
      {4, 316, "受信緒言"},
      {4, 329, "　地上高　1.80 [m]"},
      {4, 342, "　損　 失　2.00 [dB]"},
      {4, 355, "　インピーダンス　50.00 [om]"},
      {101, 381, "[dBu]"},
  };
  for (const PanelText& t : Labels(49, 394, {"  +35.0  ", "  +30.0  ", "  +25.0  ", "  +20.0  ", "  +15.0  ",
                                             "  +10.0  ", "  +5.0  ", "  +0.0  "}))
    expected.push_back(t);
  EXPECT_EQ(InfoPanelTexts(ctx), expected);
}

TEST(InfoPanelTexts, FloodModeHasNoStationDataAndAFiveBoxLegend) {
  Context ctx;
  SetUpStation(ctx);
  ctx.FloodMode = 1;
  ctx.drawing = StartUpDrawingSettings(1);
  std::vector<PanelText> expected = {
      {4, 4, "地点名"},
      {4, 17, "　富士山"},
      {4, 43, "地点名"},
      {4, 56, "　緯度　035ﾟ 21' 38.4000\""},
      {4, 69, "　経度　138ﾟ 43' 38.4000\""},
      {4, 95, "計算域"},
      {4, 108, "　北 14.8 [km]　　南 14.8 [km]"},
      {4, 121, "　東 18.2 [km]　　西 18.2 [km]"},
      {4, 160, "　水位　3.50 [m]"},
      {97, 186, "[m]"},
      {49, 199, "  +10.0  "},  // DrawUpperLimit on the top border
  };
  for (const PanelText& t : Labels(49, 221, {"  +8.0  ", "  +6.0  ", "  +4.0  ", "  +2.0  ", "  +0.0  "}))
    expected.push_back(t);
  EXPECT_EQ(InfoPanelTexts(ctx), expected);
}

TEST(InfoPanelTexts, SignsAndCutDegrees) {
  Context ctx;
  SetUpStation(ctx);
  ctx.drawing.DrawLowerLimit = -20;
  ctx.params.Source_North_latitude = Dms{35.9, 21.99, 5.5};  // degrees and minutes are cut
  const std::vector<PanelText> texts = InfoPanelTexts(ctx);
  EXPECT_EQ(texts[3].utf8, "　緯度　035ﾟ 21' 5.5000\"");
  EXPECT_EQ(texts.back(), (PanelText{49, 548, "  -20.0  "}));
  EXPECT_EQ(texts[texts.size() - 8].utf8, "  +15.0  ");
}

class DrawInfoPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpStation(ctx);
    ResetLayer(rs.pictures, kLayerNOT, 0, 0);
  }
  // The box of legend row L in a legend starting at y0: its fill and frame.
  void ExpectBox(int y0, int L, uint32_t fill) {
    const Bitmap& panel = rs.pictures.ImageNOT.picture();
    const int top = y0 + 22 * L;
    SCOPED_TRACE(testing::Message() << "box " << L << " at y " << top);
    EXPECT_TRUE(test::AllPixelsWithin(panel, 17, top + 1, 48, top + 21, fill));
    for (int y = top; y < top + 22; ++y) {
      EXPECT_EQ(RgbAt(panel, 16, y), kBlackHex) << "left frame";
      EXPECT_EQ(RgbAt(panel, 48, y), kBlackHex) << "right frame";
      EXPECT_EQ(RgbAt(panel, 15, y), kWhiteHex);
    }
    for (int x = 16; x < 49; ++x) {
      EXPECT_EQ(RgbAt(panel, x, top), kBlackHex) << "top frame";
      EXPECT_EQ(RgbAt(panel, x, top + 21), kBlackHex) << "bottom frame";
    }
  }
  // Every text has ink in its cell.
  void ExpectTextsInked() {
    Bitmap probe(1, 1);
    CanvasState state;
    Canvas canvas(probe, state);
    const Bitmap& panel = rs.pictures.ImageNOT.picture();
    for (const PanelText& t : InfoPanelTexts(ctx)) {
      const Point cell = canvas.TextExtent(t.utf8);
      EXPECT_TRUE(AnyPixelIs(panel, t.x, t.y, t.x + cell.x, t.y + cell.y, kBlackHex)) << t.utf8;
    }
  }
  Context ctx;
  RenderState rs;
};

TEST_F(DrawInfoPanelTest, FieldStrengthPanelFrameBoxesAndTexts) {
  ctx.drawing.DrawUpperLimit = 99;
  DrawInfoPanel(ctx, rs);
  EXPECT_EQ(ctx.drawing.DrawUpperLimit, 35) << "lower + 7 steps";
  const Bitmap& panel = rs.pictures.ImageNOT.picture();
  ASSERT_EQ(panel.width(), 192);
  ASSERT_EQ(panel.height(), 570);
  for (auto [x, y] : {std::pair{0, 0}, {191, 0}, {0, 569}, {191, 569}, {100, 0}, {0, 300}, {191, 300}, {100, 569}})
    EXPECT_EQ(RgbAt(panel, x, y), kGreyHex) << x << ", " << y;
  EXPECT_EQ(RgbAt(panel, 1, 1), kWhiteHex);
  const uint32_t boxes[] = {0xFF0000, 0xFF9A00, 0xC8FF00, 0x2DFF00, 0x00FF6D, 0x00F5FF, 0x005BFF, 0x3F00FF};
  for (int L = 0; L < 8; ++L) ExpectBox(381, L, boxes[L]);
  EXPECT_FALSE(AnyPixelIs(panel, 16, 381 + 22 * 8, 49, 569, kBlackHex)) << "no ninth box";
  ExpectTextsInked();
}

TEST_F(DrawInfoPanelTest, FloodPanelHasFiveBoxesBelowTheUpperLabelAndNothingBelowThem) {
  ctx.FloodMode = 1;
  ctx.drawing = StartUpDrawingSettings(1);
  DrawInfoPanel(ctx, rs);
  EXPECT_EQ(ctx.drawing.DrawUpperLimit, 10) << "flood mode leaves the upper limit alone";
  for (int L = 1; L <= 5; ++L) {
    Rgb colour{255, 255, 255};
    WaterColour((5 - L) * 2.0, ctx.drawing, colour);
    ExpectBox(186, L, (uint32_t{colour.r} << 16) | (uint32_t{colour.g} << 8) | colour.b);
  }
  const Bitmap& panel = rs.pictures.ImageNOT.picture();
  EXPECT_FALSE(AnyPixelIs(panel, 16, 186, 49, 208, kBlackHex)) << "no box at the top of the legend";
  EXPECT_FALSE(AnyPixelIs(panel, 1, 330, 191, 569, kBlackHex)) << "no transmitter, antenna or receiver lines";
  ExpectTextsInked();
}

TEST_F(DrawInfoPanelTest, ABoxBelowTheLowerLimitStaysWhite) {
  ctx.drawing.DrawStep = -5;  // upper = -35: the top boxes lie below the lower limit 0
  DrawInfoPanel(ctx, rs);
  ExpectBox(381, 0, kWhiteHex);
  ExpectBox(381, 6, kWhiteHex);
  ExpectBox(381, 7, 0xFF0000);  // 0 reaches the lower limit and is clipped to the upper one
}

}  // namespace
}  // namespace dorx
