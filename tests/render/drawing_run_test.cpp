// The drawing run and the preview on small result files: which pixels each
// layer gets, the composed view with the station marker, stopping, files that
// cannot be drawn, files cut short, and the preview scale.
#include "render/drawing_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "drawing_fixture.h"
#include "render/cell_painter.h"

namespace dorx {
namespace {

using test::AllPixelsWithin;
using test::BlockRecord;
using test::RgbAt;

constexpr uint32_t kWhiteHex = 0xFFFFFF;
constexpr uint32_t kRedHex = 0xFF0000;
constexpr uint32_t kSeaHex = 0x202080;
constexpr uint32_t kMarkHex = 0xF49800;
constexpr uint32_t kBlueHex = 0x0000FF;
constexpr uint32_t kGrey50mHex = 0x9F9F9F;  // cut(50 x 191 / 100) + 64 = 159

// Every block 50 m high without a value, but for a row of blocks at rb = 3.
CellRecord SampleMap(int cb, int rb) {
  if (rb == 3) {
    switch (cb) {
      case 2: return BlockRecord(cb, rb, 20, 35, 1);    // red, in sight
      case 4: return BlockRecord(cb, rb, 20, 30, -1);   // FF9A00, stepped to 25
      case 6: return BlockRecord(cb, rb, -10, 35, 1);   // sea: blank in every result layer
      case 8: return BlockRecord(cb, rb, 20, -0.1, 1);  // below the lower limit
    }
  }
  if (cb == 0 && rb == 0) return BlockRecord(cb, rb, 0, -1);
  if (cb == 19 && rb == 19) return BlockRecord(cb, rb, 100, -1);
  return BlockRecord(cb, rb, 50, -1);
}

class DrawResultTest : public ::testing::Test {
 protected:
  test::DrawingFixture f;
};

TEST_F(DrawResultTest, PaintsFiveLayersPerCellAndShowsTheComposedMapWithTheMarker) {
  f.WriteResult(SampleMap);
  DrawResult(f.ctx, f.rs, f.sink);
  Pictures& p = f.rs.pictures;
  EXPECT_EQ(f.ctx.params.Project_Name, "wide") << "the header is read back";
  for (FormImage* layer : {&p.ImageCSR, &p.ImageMAP, &p.ImageMIX, &p.ImageSIM, &p.ImageSIM1, &p.ImageSIM2,
                           &p.ImageSIM3}) {
    EXPECT_EQ(layer->width(), 20);
    EXPECT_EQ(layer->height(), 20);
  }
  EXPECT_EQ(p.ImageNOT.width(), 192);

  const struct Row {
    ImageId layer;
    int x, y;
    uint32_t rgb;
    const char* source;
  } rows[] = {
      {ImageId::ImageMAP, 0, 19, 0x404040, "lowest elevation: grey 64"},
      {ImageId::ImageMAP, 19, 0, kWhiteHex, "highest elevation: grey 255"},
      {ImageId::ImageMAP, 5, 5, kGrey50mHex, "50 m"},
      {ImageId::ImageMAP, 6, 16, kSeaHex, "-10 m keeps the sea colour on the terrain layer"},
      {ImageId::ImageSIM, 2, 16, kRedHex, "35 dBu"},
      {ImageId::ImageSIM, 4, 16, 0xFF9A00, "30 dBu"},
      {ImageId::ImageSIM, 6, 16, kWhiteHex, "sea"},
      {ImageId::ImageSIM, 8, 16, kWhiteHex, "below the lower limit"},
      {ImageId::ImageSIM, 5, 5, kWhiteHex, "no value"},
      {ImageId::ImageSIM1, 2, 16, 0xFF9A00, "35 stepped to 30"},
      {ImageId::ImageSIM1, 4, 16, 0xC8FF00, "30 stepped to 25"},
      {ImageId::ImageSIM1, 6, 16, kWhiteHex, "sea"},
      {ImageId::ImageSIM2, 4, 16, kMarkHex, "reaches the lower limit"},
      {ImageId::ImageSIM2, 8, 16, kWhiteHex, "-0.1 does not"},
      {ImageId::ImageSIM2, 6, 16, kWhiteHex, "sea"},
      {ImageId::ImageSIM3, 2, 16, kMarkHex, "in sight"},
      {ImageId::ImageSIM3, 4, 16, kWhiteHex, "obstructed"},
      {ImageId::ImageSIM3, 6, 16, kWhiteHex, "sea, although in sight"},
      {ImageId::ImageSIM3, 8, 16, kMarkHex, "in sight without a value"},
      // The view: ImageSIM alone (no terrain) with the marker over it.
      {ImageId::ImageCSR, 2, 16, kRedHex, "the composed map"},
      {ImageId::ImageCSR, 6, 16, kWhiteHex, "the composed map without terrain"},
      {ImageId::ImageCSR, 10, 10, kBlueHex, "the station"},
      {ImageId::ImageCSR, 4, 10, kBlueHex, "west end of the marker"},
      {ImageId::ImageCSR, 16, 10, kBlueHex, "east end"},
      {ImageId::ImageCSR, 17, 10, kWhiteHex, "past the east end"},
      {ImageId::ImageCSR, 10, 4, kBlueHex, "north end"},
      {ImageId::ImageCSR, 10, 16, kBlueHex, "south end"},
  };
  for (const Row& row : rows) EXPECT_EQ(RgbAt(p.Get(row.layer), row.x, row.y), row.rgb) << row.source;
  EXPECT_TRUE(p.ImageCSR.visible);
  EXPECT_TRUE(p.ImageNOT.visible);
  EXPECT_EQ(p.ComposedBitmap, p.ImageSIM.picture()) << "the composition of ImageSIM without terrain";
  EXPECT_TRUE(AllPixelsWithin(p.ImageMIX.picture(), 0, 0, 20, 20, kWhiteHex)) << "cleared by the composition";

  // Five codes per cell, in this order, with the cell's column and row.
  ASSERT_GE(f.sink.paintings.size(), 10u);
  const int codes[] = {5011, 5013, 5015, 5017, 5019};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(f.sink.paintings[i].code, codes[i]);
    EXPECT_EQ(f.sink.paintings[i].a, 0);
    EXPECT_EQ(f.sink.paintings[i].b, 0);
    EXPECT_EQ(f.sink.paintings[5 + i].a, 1) << "then the next cell to the east";
  }
  EXPECT_EQ(f.sink.paintings.size(), 200u * 200u * 5u);
  EXPECT_EQ(f.sink.ReportCodes(), std::vector<int>{0}) << "the status bar is cleared at the end";
}

TEST_F(DrawResultTest, MagnificationScalesEveryLayerAndTheBlocks) {
  f.WriteResult(SampleMap);
  f.ctx.drawing.DrawMagnification = 200;
  DrawResult(f.ctx, f.rs, f.sink);
  Pictures& p = f.rs.pictures;
  EXPECT_EQ(p.ImageSIM.width(), 40);
  EXPECT_EQ(p.ImageCSR.height(), 40);
  EXPECT_DOUBLE_EQ(f.ctx.geometry.CellsPerPixelX, 5);
  // Block (2, 3) now covers x 4..5 and y 32..33.
  EXPECT_TRUE(AllPixelsWithin(p.ImageSIM.picture(), 4, 32, 6, 34, kRedHex));
  EXPECT_EQ(RgbAt(p.ImageSIM, 3, 32), kWhiteHex);
  EXPECT_EQ(RgbAt(p.ImageSIM, 6, 33), kWhiteHex);
  EXPECT_EQ(RgbAt(p.ImageSIM, 4, 31), kWhiteHex);
  EXPECT_EQ(RgbAt(p.ImageSIM, 4, 34), kWhiteHex);
  // The marker at (20, 20).
  EXPECT_EQ(RgbAt(p.ImageCSR, 14, 20), kBlueHex);
  EXPECT_EQ(RgbAt(p.ImageCSR, 20, 26), kBlueHex);
}

TEST_F(DrawResultTest, AStopComposesWhatWasPaintedAndLeavesTheRestWhite) {
  f.WriteResult([](int cb, int rb) { return BlockRecord(cb, rb, 50, 35); });
  f.sink.stop_after_cells = 200;  // the southernmost row of cells
  DrawResult(f.ctx, f.rs, f.sink);
  Pictures& p = f.rs.pictures;
  EXPECT_TRUE(AllPixelsWithin(p.ImageSIM.picture(), 0, 19, 20, 20, kRedHex));
  EXPECT_TRUE(AllPixelsWithin(p.ImageMAP.picture(), 0, 19, 20, 20, kGrey50mHex));
  for (ImageId layer : {ImageId::ImageMAP, ImageId::ImageSIM, ImageId::ImageSIM1, ImageId::ImageSIM2,
                        ImageId::ImageSIM3})
    EXPECT_TRUE(AllPixelsWithin(p.Get(layer).picture(), 0, 0, 20, 19, kWhiteHex)) << "unpainted rows";
  EXPECT_EQ(RgbAt(p.ImageCSR, 0, 19), kRedHex) << "the partial map is composed and shown";
  EXPECT_EQ(RgbAt(p.ImageCSR, 10, 10), kBlueHex) << "with the marker";
  EXPECT_EQ(f.sink.ReportCodes(), std::vector<int>{0});
}

// A run stopped early (or a cut copy) leaves fewer records than the area has:
// the records there are drawn; beyond the end the record buffer keeps the last
// whole record, of which the half record replaced only its first 80 bytes.
TEST_F(DrawResultTest, AFileCutShortDrawsTheRecordsItHolds) {
  const std::vector<CellRecord> records = test::BlockRecords(f.header, [](int cb, int rb) {
    return BlockRecord(cb, rb, 50, cb == 19 && rb == 4 ? 35 : -1);
  });
  std::string bytes = test::ResultFileBytes(f.header, records);
  bytes.resize(488 + 100 * 160 + 80);  // five rows of blocks and half a record
  f.WriteResultBytes(bytes);
  DrawResult(f.ctx, f.rs, f.sink);
  Pictures& p = f.rs.pictures;
  EXPECT_TRUE(AllPixelsWithin(p.ImageMAP.picture(), 0, 15, 20, 20, kGrey50mHex)) << "rows 0 to 4 are there";
  EXPECT_EQ(RgbAt(p.ImageSIM, 19, 15), kRedHex) << "the last whole record";
  EXPECT_TRUE(AllPixelsWithin(p.ImageSIM.picture(), 0, 0, 20, 15, kRedHex))
      << "beyond the end the field strength of the last whole record stays in the buffer";
  EXPECT_TRUE(AllPixelsWithin(p.ImageMAP.picture(), 0, 0, 20, 15, kGrey50mHex)) << "and the half record's elevation";
  EXPECT_EQ(f.sink.ReportCodes(), std::vector<int>{0});
}

// Each case is checked by both openers: nothing may be sized or painted from
// a header that a calculation run could not have written.
TEST(DrawingRefusals, FilesThatCannotBeDrawn) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const struct Row {
    const char* what;
    std::function<void(test::DrawingFixture&)> spoil;
    int code;
  } rows[] = {
      {"missing file", [](test::DrawingFixture& f) { f.ctx.ResultFilePath = f.dir / "none.dorx"; }, 115},
      {"format tag S9", [](test::DrawingFixture& f) {
         f.header.FormatTag = "S9";
         f.WriteResult(SampleMap);
       }, 1003},
      {"Coarse 0", [](test::DrawingFixture& f) {
         f.header.Coarse = 0;
         f.WriteResultBytes(test::ResultFileBytes(f.header, {}));
       }, 1003},
      {"a picture far larger than the area", [](test::DrawingFixture& f) {
         f.header.ImageHeight = 1e7;
         f.WriteResult(SampleMap);
       }, 1003},
      {"a NaN width", [nan](test::DrawingFixture& f) {
         f.header.ImageWidth = nan;
         f.WriteResult(SampleMap);
       }, 1003},
      {"a header of 300 bytes", [](test::DrawingFixture& f) {
         f.WriteResultBytes(test::ResultFileBytes(f.header, {}).substr(0, 300));
       }, 1003},
      {"garbage bytes", [](test::DrawingFixture& f) { f.WriteResultBytes(std::string(5000, '\xA7')); }, 1003},
      {"an empty file", [](test::DrawingFixture& f) { f.WriteResultBytes(""); }, 1003},
  };
  for (const Row& row : rows) {
    for (bool preview : {true, false}) {
      test::DrawingFixture f;
      f.ctx.params.Project_Name = "before";
      row.spoil(f);
      if (preview)
        EXPECT_EQ(OpenResultForDrawing(f.ctx, f.rs, f.sink), -1) << row.what;
      else
        DrawResult(f.ctx, f.rs, f.sink);
      EXPECT_EQ(f.sink.ReportCodes(), std::vector<int>{row.code}) << row.what << (preview ? " (open)" : " (start)");
      if (row.code == 115) {
        EXPECT_EQ(f.ctx.MessageText, "Read: " + f.ctx.ResultFilePath) << row.what;
      }
      EXPECT_TRUE(f.sink.paintings.empty()) << row.what;
      EXPECT_EQ(f.ctx.params.Project_Name, "before") << row.what << ": the parameters stay";
      EXPECT_EQ(f.ctx.geometry.ImageHeight, 0.0) << row.what << ": nothing sized";
      EXPECT_FALSE(f.ctx.store.StoreFileA.IsOpen()) << row.what;
      for (ImageId layer : {ImageId::ImageCSR, ImageId::ImageMAP, ImageId::ImageSIM}) {
        EXPECT_EQ(f.rs.pictures.Get(layer).width(), 3030) << row.what << ": the layers stay reset";
        EXPECT_FALSE(f.rs.pictures.Get(layer).materialised()) << row.what << ": and unpainted";
      }
    }
  }
}

TEST(PreviewScale, LongerSideOverEightyRoundedHalfUpAndOneForSmallMaps) {
  const struct Row {
    double height, width;
    int e;
  } rows[] = {
      {2000, 1500, 25}, {1500, 2000, 25}, {100, 60, 1}, {120, 10, 2}, {119.9, 10, 1},
      {39.9, 20, 1},  // cut(0.999) = 0: a map this small is previewed at its own size
      {20, 20, 1},    {0.5, 0.5, 1},
  };
  for (const Row& row : rows) {
    MapGeometry g;
    g.ImageHeight = row.height;
    g.ImageWidth = row.width;
    EXPECT_EQ(PreviewScale(g), row.e) << row.height << " x " << row.width;
  }
}

// The documented map of 2000 x 1500 pixels: scale 25, a preview of 80 x 60,
// every 25th row and column sampled plus the south row and the west column.
TEST(OpenResultForDrawing, PreviewSamplesEveryScaleThCellOfTheArea) {
  test::DrawingFixture f;
  f.header.Range_South = f.header.Range_West = 810;
  f.header.Range_North = f.header.Range_East = 790;
  f.header.ImageHeight = 2000;
  f.header.ImageWidth = 1500;
  // Only the block of the station's cell (0, 0) has a value.
  f.WriteResult([](int cb, int rb) { return BlockRecord(cb, rb, 50, cb == 81 && rb == 81 ? 35 : -1); });
  ASSERT_EQ(OpenResultForDrawing(f.ctx, f.rs, f.sink), 0);
  EXPECT_DOUBLE_EQ(f.ctx.geometry.ImageHeight, 80);
  EXPECT_DOUBLE_EQ(f.ctx.geometry.ImageWidth, 60);
  EXPECT_DOUBLE_EQ(f.ctx.geometry.CellsPerPixelX, 1600.0 / 60) << "the preview's geometry is derived";
  FormImage& view = f.rs.pictures.ImageCSR;
  EXPECT_EQ(view.width(), 60);
  EXPECT_EQ(view.height(), 80);
  EXPECT_TRUE(view.visible);
  EXPECT_TRUE(f.rs.pictures.ImageNOT.visible);
  EXPECT_FALSE(f.ctx.store.StoreFileA.IsOpen());

  // Rows -810 and -800, -775, ..., 775: 65; the same for the columns.
  ASSERT_EQ(f.sink.paintings.size(), 65u * 65u);
  for (const auto& m : f.sink.paintings) ASSERT_EQ(m.code, 5031);
  EXPECT_EQ(f.sink.paintings[0].a, 0);   // x -810
  EXPECT_EQ(f.sink.paintings[0].b, 80);  // y -810: cut(1600 x 80 / 1600)
  EXPECT_EQ(f.sink.paintings[2].a, 1);   // x -775: cut(35 x 60 / 1600)
  EXPECT_EQ(f.sink.paintings[65].b, 79); // y -800: cut(1590 x 80 / 1600)

  // The station's cell at (cut(30.375), cut(39.5)) = (30, 39); the cells
  // painted after it to the east and north cover all of its 4 x 4 pixels but
  // (30, 42).
  EXPECT_EQ(RgbAt(view, 30, 42), kRedHex);
  EXPECT_EQ(RgbAt(view, 30, 41), kGrey50mHex) << "the terrain grey where there is no value";
  EXPECT_EQ(RgbAt(view, 31, 42), kGrey50mHex);
}

TEST(OpenResultForDrawing, AMapUnderFortyPixelsIsPreviewedCellByCellAtItsOwnSize) {
  test::DrawingFixture f;
  f.WriteResult([](int cb, int rb) { return BlockRecord(cb, rb, 50, 35); });
  ASSERT_EQ(OpenResultForDrawing(f.ctx, f.rs, f.sink), 0);
  EXPECT_DOUBLE_EQ(f.ctx.geometry.ImageHeight, 20);
  EXPECT_DOUBLE_EQ(f.ctx.geometry.ImageWidth, 20);
  EXPECT_EQ(f.sink.paintings.size(), 200u * 200u) << "scale 1 uses every cell";
  EXPECT_TRUE(AllPixelsWithin(f.rs.pictures.ImageCSR.picture(), 0, 0, 20, 20, kRedHex));
}

TEST(OpenResultForDrawing, CellsBeyondTheEndOfACutFileRepeatTheLastRecord) {
  test::DrawingFixture f;
  std::string bytes = test::ResultFileBytes(
      f.header, test::BlockRecords(f.header, [](int cb, int rb) { return BlockRecord(cb, rb, 50, 35); }));
  bytes.resize(488 + 200 * 160);  // ten rows of blocks: rows -100 to -1
  f.WriteResultBytes(bytes);
  ASSERT_EQ(OpenResultForDrawing(f.ctx, f.rs, f.sink), 0);
  EXPECT_EQ(f.sink.paintings.size(), 200u * 200u);
  EXPECT_TRUE(AllPixelsWithin(f.rs.pictures.ImageCSR.picture(), 0, 0, 20, 20, kRedHex));
}

}  // namespace
}  // namespace dorx
