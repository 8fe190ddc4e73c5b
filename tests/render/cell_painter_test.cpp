// The cell painter on a small map: 10 x 10 cells drawn 15 x 30 pixels, so
// cells are 1 or 2 pixels wide and 3 pixels high. Cell (c, r) fills
// x from cut(1.5 c) to cut(1.5 (c + 1)) and y from 3 (9 - r) to 3 (10 - r).
#include "render/cell_painter.h"


#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "render/colour_scales.h"
#include "render/layers.h"
#include "render/progress_refresh.h"
#include "render/terrain_run_painting.h"
#include "render_fixtures.h"

namespace dorx {
namespace {

using test::RgbAt;
using test::ValueRecord;

constexpr uint32_t kWhiteHex = 0xFFFFFF;
constexpr uint32_t kSeaHex = 0x202080;
constexpr uint32_t kMarkHex = 0xF49800;
constexpr uint32_t kBlueHex = 0x0000FF;

class CellPainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::SetUpArea(ctx, 5, 5, 5, 5, 30, 15);
    ctx.run.ElevationMin = 0;
    ctx.run.ElevationMax = 3800;
    ctx.params.Coarse = 3;  // no refresh cell among the cells painted below unless chosen
    test::ResetMapLayers(ctx, rs);
  }
  void Paint(int code, int c, int r, const CellRecord& record) {
    ctx.store.CurrentRecord = record;
    PaintCell(ctx, rs, code, c, r);
  }
  Context ctx;
  RenderState rs;
};

TEST_F(CellPainterTest, EachDrawingCodeFillsTheCellsBlockOnItsLayer) {
  const struct Row {
    int code;
    ImageId layer;
    CellRecord record;
    uint32_t rgb;
    const char* source;
  } rows[] = {
      {5011, ImageId::ImageMAP, ValueRecord(10000, 0), 0x727272, "TerrainGrey(1000 m) over 0..3800 m: 114"},
      {5011, ImageId::ImageMAP, ValueRecord(-100, 0), kSeaHex, "-10 m is sea"},
      {5013, ImageId::ImageSIM, ValueRecord(0, 30), 0xFF9A00, "FieldColour(30), default ramp"},
      {5013, ImageId::ImageSIM, ValueRecord(0, -0.1), kWhiteHex, "below the lower limit: no value"},
      {5015, ImageId::ImageSIM1, ValueRecord(0, 12.4), 0x005BFF, "stepped to 5, FieldColour(5)"},
      {5015, ImageId::ImageSIM1, ValueRecord(0, 12.5), 0x00F5FF, "stepped to 10, FieldColour(10)"},
      {5017, ImageId::ImageSIM2, ValueRecord(0, 0), kMarkHex, "reaches DrawLowerLimit: MarkColour"},
      {5017, ImageId::ImageSIM2, ValueRecord(0, -0.1), kWhiteHex, "below DrawLowerLimit"},
      {5019, ImageId::ImageSIM3, ValueRecord(0, -5, 1), kMarkHex, "slot 11 = 1: in line of sight"},
      {5019, ImageId::ImageSIM3, ValueRecord(0, 40, -1), kWhiteHex, "slot 11 = -1: obstructed"},
  };
  for (const Row& row : rows) {
    SetUp();
    Paint(row.code, 2, 0, row.record);  // x 3, y 27..29
    FormImage& layer = rs.pictures.Get(row.layer);
    for (int y = 27; y < 30; ++y) EXPECT_EQ(RgbAt(layer, 3, y), row.rgb) << row.code << ": " << row.source;
    // The neighbours' pixels stay white.
    for (auto [x, y] : {std::pair{2, 27}, {4, 29}, {3, 26}}) EXPECT_EQ(RgbAt(layer, x, y), kWhiteHex) << row.source;
  }
}

TEST_F(CellPainterTest, BlocksOfOneAndTwoPixelsTileTheMap) {
  // Columns 0..3 have edges 0, 1, 3, 4, 6: widths 1, 2, 1, 2.
  for (int c = 0; c < 4; ++c) Paint(5013, c, 9, ValueRecord(0, c % 2 == 0 ? 35 : 0));
  const uint32_t expected[] = {0xFF0000, 0x3F00FF, 0x3F00FF, 0xFF0000, 0x3F00FF, 0x3F00FF, kWhiteHex};
  for (int x = 0; x < 7; ++x) EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, x, 0), expected[x]) << x;
  EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, 0, 2), 0xFF0000u);  // row 9 is y 0..2
  EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, 0, 3), kWhiteHex);
}

TEST_F(CellPainterTest, APaintedCellWithoutValueBecomesWhiteAgain) {
  Paint(5013, 4, 4, ValueRecord(0, 35));
  Paint(5013, 4, 4, ValueRecord(0, -20));
  EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, 6, 15), kWhiteHex);
}

TEST_F(CellPainterTest, SeaCellsAreBlankInResultLayersOnlyWithTheSeaBox) {
  const CellRecord sea = ValueRecord(-100, 35, 1);  // exactly -10 m
  for (bool sea_box : {true, false}) {
    SetUp();
    rs.view.sea = sea_box;
    for (int code : {5011, 5013, 5015, 5017, 5019}) Paint(code, 0, 0, sea);
    EXPECT_EQ(RgbAt(rs.pictures.ImageMAP, 0, 29), kSeaHex) << "the terrain layer keeps the sea colour";
    const uint32_t red_or_white = sea_box ? kWhiteHex : 0xFF0000;
    // The stepped layer shows 35 as SteppedValue(35) = 5 x cut(6.5) = 30.
    const uint32_t stepped_or_white = sea_box ? kWhiteHex : 0xFF9A00;
    const uint32_t mark_or_white = sea_box ? kWhiteHex : kMarkHex;
    EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, 0, 29), red_or_white);
    EXPECT_EQ(RgbAt(rs.pictures.ImageSIM1, 0, 29), stepped_or_white);
    EXPECT_EQ(RgbAt(rs.pictures.ImageSIM2, 0, 29), mark_or_white);
    EXPECT_EQ(RgbAt(rs.pictures.ImageSIM3, 0, 29), mark_or_white);
  }
}

TEST_F(CellPainterTest, FloodModeColoursTheDepthOfSlot13) {
  ctx.FloodMode = 1;
  ctx.drawing = StartUpDrawingSettings(1);
  CellRecord r = ValueRecord(0, 12, -1, /*flood=*/true);
  r.slot[kFieldStrength] = -50;  // ignored in flood mode
  Paint(5013, 0, 0, r);
  Paint(5017, 0, 0, r);
  Paint(5015, 0, 0, ValueRecord(0, 5, -1, true));
  EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, 0, 29), kBlueHex) << "at or above DrawUpperLimit 10";
  EXPECT_EQ(RgbAt(rs.pictures.ImageSIM2, 0, 29), kMarkHex) << "depth reaches DrawLowerLimit";
  // SteppedValue(5) with step 2 = 2 x cut(2) = 4: WaterColour(4) = hue 208.
  Rgb four{255, 255, 255};
  WaterColour(4, ctx.drawing, four);
  EXPECT_EQ(RgbAt(rs.pictures.ImageSIM1, 0, 29), (uint32_t{four.r} << 16) | (uint32_t{four.g} << 8) | four.b);
  EXPECT_NE(four, (Rgb{255, 255, 255}));
}

TEST_F(CellPainterTest, PreviewFillsFourByFourPixelsAtThePointGiven) {
  Paint(5031, 5, 6, ValueRecord(0, 35));
  Paint(5031, 9, 6, ValueRecord(38000, -1));  // no value: the terrain grey, 255 at 3800 m
  rs.view.sea = true;
  Paint(5031, 0, 0, ValueRecord(-200, 35));  // sea with the sea box: white
  FormImage& view = rs.pictures.ImageCSR;
  EXPECT_EQ(RgbAt(view, 5, 6), 0xFF0000u);
  EXPECT_EQ(RgbAt(view, 8, 9), 0xFF0000u);
  EXPECT_EQ(RgbAt(view, 9, 9), 0xFFFFFFu) << "grey 255 of the terrain";
  EXPECT_EQ(RgbAt(view, 4, 6), kWhiteHex);
  EXPECT_EQ(RgbAt(view, 5, 10), kWhiteHex);
  EXPECT_EQ(RgbAt(view, 0, 0), kWhiteHex);
  Paint(5031, 0, 0, ValueRecord(20000, -1));  // 2000 m: cut(2000 x 191 / 3800) + 64 = 164
  EXPECT_EQ(RgbAt(view, 3, 3), 0xA4A4A4u);
}

// A damaged record, or settings typed as "nan", must not reach a conversion to
// an integer (undefined behaviour; the sanitizer build traps it). NaN values
// have no colour; a NaN elevation is the lowest grey.
TEST_F(CellPainterTest, NaNValuesAndSettingsPaintWithoutUndefinedConversions) {
  const double nan = std::nan("");
  CellRecord broken;
  broken.slot.fill(nan);
  const struct Row {
    const char* what;
    std::function<void(Context&)> settings;
    uint32_t value_20_field, value_20_flood;  // the colour of a sound value of 20 under these settings
  } rows[] = {
      {"defaults", [](Context&) {}, 0x2DFF00, 0x0000FF},
      {"NaN limits and step",
       [nan](Context& c) { c.drawing.DrawLowerLimit = c.drawing.DrawUpperLimit = c.drawing.DrawStep = nan; },
       kWhiteHex, kWhiteHex},
      {"NaN upper limit: a NaN hue, taken as 0", [nan](Context& c) { c.drawing.DrawUpperLimit = nan; }, 0xFF0000,
       0xFF0000},
  };
  for (const Row& row : rows) {
    for (int flood : {0, 1}) {
      SetUp();
      ctx.FloodMode = flood;
      ctx.drawing = StartUpDrawingSettings(flood);
      row.settings(ctx);
      for (int code : {5011, 5013, 5015, 5017, 5019, 5003, 5005}) Paint(code, 1, 1, broken);
      Paint(5031, 4, 4, broken);
      EXPECT_EQ(RgbAt(rs.pictures.ImageMAP, 1, 24), 0x404040u) << row.what;
      for (ImageId id : {ImageId::ImageSIM, ImageId::ImageSIM1, ImageId::ImageSIM2, ImageId::ImageSIM3})
        EXPECT_EQ(RgbAt(rs.pictures.Get(id), 1, 24), kWhiteHex) << row.what;
      EXPECT_EQ(RgbAt(rs.pictures.ImageCSR, 4, 4), 0x404040u) << row.what;
      Paint(5013, 2, 2, ValueRecord(0, 20, -1, flood == 1));
      EXPECT_EQ(RgbAt(rs.pictures.ImageSIM, 3, 21), flood == 1 ? row.value_20_flood : row.value_20_field)
          << row.what << ", flood mode " << flood;
    }
  }
  // The terrain pass with a NaN position: an empty block, no size from it
  // beyond a NaN that the layers read as 0 pixels.
  SetUp();
  Paint(5001, 0, 0, broken);
  EXPECT_EQ(rs.pictures.ImageMAP.picture(), Bitmap(15, 30));
}

TEST_F(CellPainterTest, UnknownPositiveCodesPaintNothing) {
  for (int code : {5000, 5002, 5007, 5009, 5021, 5033}) Paint(code, 0, 0, ValueRecord(0, 35));
  for (ImageId id : {ImageId::ImageMAP, ImageId::ImageSIM, ImageId::ImageCSR, ImageId::ImageSIM1})
    EXPECT_EQ(rs.pictures.Get(id).picture(), Bitmap(15, 30));
}

TEST(TerrainRunPainting, GreyOnTheFixed0To3800MetreScale) {
  const struct Row {
    double slot0;
    uint8_t grey;
    const char* source;
  } rows[] = {
      {0, 64, "0 m is grey 64"},
      {38000, 255, "3800 m is 255"},
      {39000, 4, "documented: 3900 m is 196 + 64 modulo 256"},
      {-9999, 14, "documented: no data, -999.9 m, is grey 14"},
      {-100, 64, "-10 m: cut(-0.503) = 0 toward zero; no sea colour on this scale"},
  };
  for (const Row& row : rows) EXPECT_EQ(TerrainRunGrey(row.slot0), row.grey) << row.source;
}

CellRecord TerrainRecordAt(double latitude_deg) {
  CellRecord r;
  r.Clear();
  r.slot[kElevation] = 0;
  r.slot[kLatitude] = latitude_deg * 3600;
  r.slot[kLatitudeShift] = 0;
  return r;
}

TEST(TerrainRunPainting, BlockEdgesFromTheCellsLatitude) {
  ProjectParameters p;
  p.Range_North = p.Range_South = 50;  // R = 100
  p.Range_East = p.Range_West = 50;
  const struct Row {
    int8_t reduction, coarse;
    double latitude;
    int column, row;
    PixelBlock block;
    const char* source;
  } rows[] = {
      // dx = 1.93263 x cos(35 deg) = 1.58312, dy = 1.28842
      {1, 4, 35, 40, 0, {15, 16, 31, 32}, "documented: x from cut(40 dx / 4), y cut(99 dy / 4) to cut(100 dy / 4)"},
      {0, 4, 35, 40, 0, {63, 64, 127, 128}, "without reduction: cut(40 dx) = 63, cut(99 dy) = 127"},
      {0, 1, 0, 1, 99, {1, 3, 0, 1}, "equator: dx = 1.93, cut(2 dx) = 3; top row from 0 to cut(dy) = 1"},
      {0, 1, 35, -3, 100, {0, 0, 0, 0}, "edges below 0 become 0: an empty block"},
  };
  for (const Row& row : rows) {
    p.Flag_Reduction = row.reduction;
    p.Coarse = row.coarse;
    const PixelBlock b = TerrainRunBlock(p, TerrainRecordAt(row.latitude), row.column, row.row);
    EXPECT_EQ(b.left, row.block.left) << row.source;
    EXPECT_EQ(b.right, row.block.right) << row.source;
    EXPECT_EQ(b.top, row.block.top) << row.source;
    EXPECT_EQ(b.bottom, row.block.bottom) << row.source;
  }
}

TEST(TerrainRunPainting, Code5001PaintsTheTerrainLayerAndFollowsTheLatitudeInTheMapSize) {
  Context ctx;
  RenderState rs;
  test::SetUpArea(ctx, 50, 50, 50, 50, 10, 10);
  ctx.params.Coarse = 7;
  ResetLayer(rs.pictures, kLayerMAP, 200, 200);
  ctx.store.CurrentRecord = TerrainRecordAt(35);
  ctx.store.CurrentRecord.slot[kElevation] = 39000;
  PaintCell(ctx, rs, kPaintTerrainRun, 40, 0);
  EXPECT_EQ(RgbAt(rs.pictures.ImageMAP, 63, 127), 0x040404u);
  EXPECT_EQ(RgbAt(rs.pictures.ImageMAP, 64, 127), kWhiteHex);
  EXPECT_NEAR(ctx.geometry.ImageHeight, 128.842, 0.001);  // R x dy
  EXPECT_NEAR(ctx.geometry.ImageWidth, 158.312, 0.001);   // C x dx at 35 degrees
  EXPECT_EQ(ctx.geometry.CellsPerPixelX, 10) << "nothing derived: still 100 columns over 10 pixels";
}

TEST(RefreshCells, SparseCellsByCoarseAndTheFirstCell) {
  const struct Row {
    int coarse, column, row;
    bool refresh;
    const char* source;
  } rows[] = {
      {1, 0, 0, true, "the first cell (0, 0)"},
      {1, 0, 1, true, "row 1 = Coarse, column 0"},
      {1, 100, 101, true, "rows 1, 101, ... at columns 0, 100, ..."},
      {1, 1, 1, false, "column not a multiple of 100"},
      {1, 0, 2, false, "row mod 100 is not Coarse"},
      {2, 0, 2, true, "Coarse 2: row 2"},
      {2, 200, 1, false, "Coarse 2: row 1 is not"},
      {1, -100, -1, true, "magnitudes are compared"},
      {1, INT32_MIN, 1, false, "the lowest int has a magnitude too"},
  };
  for (const Row& row : rows) EXPECT_EQ(IsRefreshCell(row.coarse, row.column, row.row), row.refresh) << row.source;
}

TEST_F(CellPainterTest, RefreshShowsTheLayerBeingPaintedOnTheView) {
  ctx.params.Coarse = 1;
  // Station at WestPixels 7.5, NorthPixels 15: the marker covers x 1..13 of
  // row 15 and y 9..21 of column 7.
  Paint(5013, 0, 1, ValueRecord(0, 35));  // a refresh cell
  FormImage& view = rs.pictures.ImageCSR;
  EXPECT_EQ(RgbAt(view, 0, 24), 0xFF0000u) << "the cell, copied from ImageSIM";
  EXPECT_EQ(RgbAt(view, 1, 15), kBlueHex);
  EXPECT_EQ(RgbAt(view, 13, 15), kBlueHex);
  EXPECT_EQ(RgbAt(view, 14, 15), kWhiteHex);
  EXPECT_EQ(RgbAt(view, 7, 9), kBlueHex);
  EXPECT_EQ(RgbAt(view, 7, 21), kBlueHex);
  EXPECT_EQ(rs.pictures.LayerBitmap.width(), 15);
  EXPECT_EQ(rs.pictures.LayerBitmap.height(), 30);
}

TEST_F(CellPainterTest, OnlyTheRunCodesAndTheRampRefresh) {
  ctx.params.Coarse = 1;
  for (int code : {5011, 5015, 5017, 5019}) Paint(code, 0, 0, ValueRecord(0, 35, 1));
  EXPECT_EQ(rs.pictures.ImageCSR.picture(), Bitmap(15, 30)) << "no refresh, no marker";

  Paint(5003, 0, 0, ValueRecord(38000, 0));
  EXPECT_EQ(RgbAt(rs.pictures.ImageCSR, 0, 29), 0xFFFFFFu - 0) << "grey 255 from ImageMAP";
  EXPECT_EQ(RgbAt(rs.pictures.ImageCSR, 7, 15), kBlueHex) << "5003 draws the marker";
  EXPECT_EQ(rs.pictures.TerrainBitmap.width(), 15);

  SetUp();
  ctx.params.Coarse = 1;
  ResetLayer(rs.pictures, kLayerMAP, 15, 30);
  ctx.store.CurrentRecord = TerrainRecordAt(0);
  PaintCell(ctx, rs, kPaintTerrainRun, 0, 0);
  // At the equator cell (0, 0) of 10 rows is x 0..cut(1.93) = 1, y cut(9 dy) = 11 to cut(10 dy) = 12.
  EXPECT_EQ(RgbAt(rs.pictures.ImageCSR, 0, 11), 0x404040u) << "copied from ImageMAP";
  EXPECT_EQ(rs.pictures.TerrainBitmap.width(), 19) << "the copy takes the size 5001 just set: cut(10 x 1.93)";
  EXPECT_EQ(rs.pictures.TerrainBitmap.height(), 12) << "cut(10 x 1.288)";
  EXPECT_EQ(RgbAt(rs.pictures.ImageCSR, 7, 9), kWhiteHex) << "5001 draws no marker (its arm would cover y 9..21)";
}

}  // namespace
}  // namespace dorx
