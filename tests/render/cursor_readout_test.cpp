// The cursor readout: which cell it reads, what it sends, what it draws.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/cell_store.h"
#include "render/cursor_fixture.h"
#include "render/cursor_readout.h"

namespace dorx {
namespace {

using test::DrawnResult;
using test::RgbAt;
using test::Sjis;

constexpr int kReadoutText = 1011;
constexpr int kNotReadable = 115;

struct CellName {
  int32_t a;
  int32_t b;
  bool operator==(const CellName&) const = default;
};

// The cell the readout read, by the names in its record (slots 6 and 5).
CellName ReadCellAt(DrawnResult& r, int32_t X, int32_t Y) {
  r.rs.cursor.X = X;
  r.rs.cursor.Y = Y;
  UpdateCursorReadout(r.ctx, r.rs, r.sink);
  return CellName{static_cast<int32_t>(r.rs.cursor.cell.slot[kEastDistance]),
                  static_cast<int32_t>(r.rs.cursor.cell.slot[kNorthDistance])};
}

// 8 columns (west 3, east 5) by 6 rows (south 2, north 4) on 16 x 12 pixels:
// every cell is a block of 2 x 2 pixels, the station's cell at x 6..7, y 6..7,
// just above the station's pixel (6, 8).
TEST(CursorCell, BlocksOfTwoPixels) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  r.WriteResult();
  struct Row {
    const char* what;
    int32_t X, Y;
    CellName expected;
  };
  const Row rows[] = {
      {"top-left pixel: west column, north row", 0, 0, {-3, 3}},
      {"last pixel of the first block", 1, 1, {-3, 3}},
      {"first pixel of the second block", 2, 2, {-2, 2}},
      {"station's block", 6, 6, {0, 0}},
      {"station's block, lower pixel", 7, 7, {0, 0}},
      {"station's pixel starts the block of the row south of it", 6, 8, {0, -1}},
      {"last pixel inside", 15, 11, {4, -2}},
      {"right edge line reads the last column", 16, 5, {4, 1}},
      {"bottom edge line reads the south row", 5, 12, {-1, -2}},
      {"bottom-right corner of the edge lines", 16, 12, {4, -2}},
  };
  for (const Row& row : rows) EXPECT_EQ(ReadCellAt(r, row.X, row.Y), row.expected) << row.what;
}

// Cells of 1.6 x 1.333 pixels (0.625 and 0.75 cells per pixel, exact in
// binary): inside the map the cell is column ceil((X + 1) x 0.625) - 1 from
// the west edge and row 6 - ceil((Y + 1) x 0.75) from the south edge, the
// inverse of the painter's block edges cut(i / cells per pixel).
TEST(CursorCell, FractionalBlocksFollowThePaintersEdges) {
  DrawnResult r({3, 5, 2, 4}, 12.8, 8.0);
  r.WriteResult();
  for (int32_t Y = 0; Y < 8; ++Y) {
    for (int32_t X = 0; X < 12; ++X) {
      const int32_t column = static_cast<int32_t>(std::ceil((X + 1) * 0.625)) - 1;
      const int32_t row = 6 - static_cast<int32_t>(std::ceil((Y + 1) * 0.75));
      EXPECT_EQ(ReadCellAt(r, X, Y), (CellName{column - 3, row - 2})) << X << "," << Y;
    }
  }
  // The edge lines x = cut(12.8) = 12 and y = 8, where that formula (and the
  // cut of the pointer's offsets) would name a column or row outside the area.
  EXPECT_EQ(ReadCellAt(r, 12, 0), (CellName{4, 3}));
  EXPECT_EQ(ReadCellAt(r, 0, 8), (CellName{-3, -2}));
  EXPECT_EQ(ReadCellAt(r, 12, 8), (CellName{4, -2}));
}

TEST(CursorReadout, PointerOutsideTheMapDoesNothing) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  r.WriteResult();
  const struct {
    int32_t X, Y;
  } outside[] = {{-1, 5}, {5, -1}, {17, 5}, {5, 13}};
  for (const auto& p : outside) {
    r.rs.cursor.X = p.X;
    r.rs.cursor.Y = p.Y;
    UpdateCursorReadout(r.ctx, r.rs, r.sink);
  }
  EXPECT_TRUE(r.sink.messages.empty());
  EXPECT_FALSE(r.rs.pictures.ImageCSR.materialised());  // nothing drawn on it
}

TEST(CursorReadout, MissingResultFileIsReportedAndDrawsNothing) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);  // no file written
  r.rs.cursor.X = 3;
  r.rs.cursor.Y = 3;
  UpdateCursorReadout(r.ctx, r.rs, r.sink);
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0].code, kNotReadable);
  EXPECT_EQ(r.sink.messages[0].text, "Read: " + r.ctx.ResultFilePath);
  EXPECT_FALSE(r.rs.pictures.ImageCSR.materialised());
  EXPECT_FALSE(r.ctx.store.StoreFileA.IsOpen());
}

TEST(CursorReadout, RecordBeyondATruncatedFileReadsAsNoData) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  r.WriteResultBytes(std::string(488 + 160 / 2, '\0'));  // the header and half a record
  r.ctx.store.CurrentRecord = test::NamedCellRecord(1, 1);  // left over from before
  r.rs.cursor.X = 15;
  r.rs.cursor.Y = 0;
  UpdateCursorReadout(r.ctx, r.rs, r.sink);
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0].code, kReadoutText);
  EXPECT_EQ(r.rs.cursor.cell.slot[kFieldStrength], NO_DATA);
  EXPECT_NE(r.sink.messages[0].text.find(Sjis("[標高: -10.0 m] ")), std::string::npos);
  EXPECT_NE(r.sink.messages[0].text.find(Sjis("[電界: ↓ ] ")), std::string::npos);
}

TEST(CursorReadout, GarbageRecordsAreShownWithoutFailing) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  std::string bytes(488 + 48 * 160, '\xff');  // every slot a NaN
  r.WriteResultBytes(bytes);
  r.rs.cursor.X = 4;
  r.rs.cursor.Y = 4;
  UpdateCursorReadout(r.ctx, r.rs, r.sink);
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0].code, kReadoutText);
}

// A drawing run reads the area last at its north-east cell, so the record
// cache still names that record when the pointer first rests on it.
TEST(CursorReadout, FirstReadAfterTheDrawingRunIsNotSkipped) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  r.WriteResult();
  r.ctx.store.AccessCache[READ_A_RESULT] = RecordNumber(r.ctx.params, 4, 3);
  r.ctx.store.CurrentRecord = test::NamedCellRecord(-3, -2);  // not the cell under the pointer
  EXPECT_EQ(ReadCellAt(r, 15, 0), (CellName{4, 3}));
}

TEST(CursorReadout, SendsTheStatusTextAndKeepsTheCaptions) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  r.WriteResult();
  r.ctx.params.Project_Name = Sjis("試験局");
  r.ctx.params.Source_North_latitude = Dms{35.0, 42.0, 18.4};
  r.ctx.params.Source_East_longitude = Dms{138.0, 53.0, 20.0};
  r.ctx.run.SourceElevation = 12345;
  // Pixel (10, 2): column 10 / 2 = 5 (a = 2), row from the top 1 (b = 2);
  // its elevation (12 x 100 + 12) x 0.1 = 121.2 m, field strength 202.
  ReadCellAt(r, 10, 2);
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0].code, kReadoutText);
  EXPECT_EQ(r.sink.messages[0].text,
            Sjis("[緯度: 35゜42' 18.40\"] [経度: 138゜53' 20.00\"] [標高: 121.2 m] [送受間: 1.50 km] "
                 "[電界: 202.00 dBu]  [局名: 試験局]"));
  EXPECT_EQ(r.rs.cursor.title, Sjis("[ 試験局 ]"));
  EXPECT_EQ(r.rs.cursor.station_line, Sjis("　送信：　35゜42' 18.40\" ,  138゜53' 20.00\" ,  1234.5 m"));
  EXPECT_EQ(r.rs.cursor.cell_line, Sjis("　受信：　35゜42' 18.40\" ,  138゜53' 20.00\" ,  121.2 m"));
  EXPECT_FALSE(r.ctx.store.StoreFileA.IsOpen());
}

TEST(CursorReadout, FloodModeShowsTheDepth) {
  DrawnResult r({3, 5, 2, 4}, 16.0, 12.0);
  r.WriteResult();
  r.ctx.FloodMode = 1;
  ReadCellAt(r, 10, 2);
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_NE(r.sink.messages[0].text.find(Sjis(" [水位:  1.0 m] [局名: ")), std::string::npos);
}

// 160 x 120 pixels for the same area: the station at pixel (60, 80).
TEST(CursorReadout, DrawsLinesCirclesAndMarker) {
  DrawnResult r({3, 5, 2, 4}, 160.0, 120.0);
  r.WriteResult();
  r.rs.cursor.X = 100;  // 40 right of and 40 above the station: d = 56.57
  r.rs.cursor.Y = 40;
  UpdateCursorReadout(r.ctx, r.rs, r.sink);
  const Bitmap& csr = r.rs.pictures.ImageCSR.picture();
  struct Row {
    const char* what;
    int x, y;
    uint32_t rgb;
  };
  const Row rows[] = {
      {"blue line to the cursor, half way", 80, 60, 0x0000FF},
      {"cursor point itself is the excluded end", 100, 40, 0xFFFFFF},
      {"green mirror line to (20, 120), half way", 40, 100, 0x008000},
      // Box left cut(60 - 56.57) = 3, top cut(120 - (40 + 56.57)) = 23,
      // right 116, bottom 136: extreme column 3 and row 23 at the centre 59, 79.
      {"light blue circle, west extreme", 3, 79, 0xA6CAF0},
      {"light blue circle, north extreme", 59, 23, 0xA6CAF0},
      // The click point starts at (0, 0): black line, grey circle of radius 100
      // in the box (-40, -20) to (160, 180), east extreme in column 159.
      {"black line to the click point, half way", 30, 40, 0x000000},
      {"grey circle, east extreme", 159, 79, 0x808080},
      {"station marker, west arm end", 54, 80, 0x0000FF},
      {"untouched map", 140, 60, 0xFFFFFF},
  };
  for (const Row& row : rows) EXPECT_EQ(RgbAt(csr, row.x, row.y), row.rgb) << row.what;
}

TEST(CursorReadout, PointerOnTheStationDrawsNoLineAndAPointCircle) {
  DrawnResult r({3, 5, 2, 4}, 160.0, 120.0);
  r.WriteResult();
  r.rs.cursor.X = 60;
  r.rs.cursor.Y = 80;
  r.rs.cursor.click_x = 60;
  r.rs.cursor.click_y = 80;
  UpdateCursorReadout(r.ctx, r.rs, r.sink);
  const Bitmap& csr = r.rs.pictures.ImageCSR.picture();
  // Only the marker: nothing green or light blue anywhere.
  EXPECT_FALSE(test::AnyPixelIs(csr, 0, 0, 160, 120, 0x008000));
  EXPECT_FALSE(test::AnyPixelIs(csr, 0, 0, 160, 120, 0xA6CAF0));
  EXPECT_EQ(RgbAt(csr, 66, 80), 0x0000FFu);
}

}  // namespace
}  // namespace dorx
