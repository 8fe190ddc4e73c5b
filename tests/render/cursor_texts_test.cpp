// The readout's texts, character for character.
#include <gtest/gtest.h>

#include <limits>

#include "render/cursor_texts.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::Sjis;

CellRecord Cell(double latitude, double longitude, double elevation_tenths) {
  CellRecord r;
  r.Clear();
  r.slot[kLatitude] = latitude;
  r.slot[kLatitudeShift] = 0.0;
  r.slot[kLongitude] = longitude;
  r.slot[kLongitudeShift] = 0.0;
  r.slot[kElevation] = elevation_tenths;
  return r;
}

TEST(CursorPositionText, DegreesMinutesSecondsAndElevation) {
  struct Row {
    const char* what;
    double latitude, latitude_shift, longitude, elevation_tenths;
    const char* expected;
  };
  const Row rows[] = {
      // 128538.4" = 35 x 3600 + 42 x 60 + 18.4.
      {"latitude 35 42 18.40", 128538.4, 0.0, 500000.0, 1234.0,
       "[緯度: 35゜42' 18.40\"] [経度: 138゜53' 20.00\"] [標高: 123.4 m]"},
      // The datum shift is added before the split: 128530 + 8.4.
      {"shift added", 128530.0, 8.4, 500000.0, 1234.0,
       "[緯度: 35゜42' 18.40\"] [経度: 138゜53' 20.00\"] [標高: 123.4 m]"},
      // A sea cell (-999.9 m) reads -10.0, the floor of the readout.
      {"sea cell", 128538.4, 0.0, 500000.0, -9999.0,
       "[緯度: 35゜42' 18.40\"] [経度: 138゜53' 20.00\"] [標高: -10.0 m]"},
      // -10 m itself stays: only values below it are raised.
      {"exactly -10 m", 128538.4, 0.0, 500000.0, -100.0,
       "[緯度: 35゜42' 18.40\"] [経度: 138゜53' 20.00\"] [標高: -10.0 m]"},
      // A whole degree: minutes and seconds 0.
      {"whole degree", 126000.0, 0.0, 504000.0, 0.0,
       "[緯度: 35゜0' 0.00\"] [経度: 140゜0' 0.00\"] [標高:  0.0 m]"},
  };
  for (const Row& row : rows) {
    CellRecord cell = Cell(row.latitude, row.longitude, row.elevation_tenths);
    cell.slot[kLatitudeShift] = row.latitude_shift;
    EXPECT_EQ(PositionText(cell), Sjis(row.expected)) << row.what;
  }
}

TEST(CursorValueText, FieldStrengthAgainstLowerLimitMinusStepSquared) {
  struct Row {
    double lower, step, field;
    const char* expected;
  };
  const Row rows[] = {
      // Defaults: lower 0, step 5, threshold 0 - 25 = -25.
      {0.0, 5.0, -24.9, "[電界: -24.90 dBu] "},
      {0.0, 5.0, -25.1, "[電界: ↓ ] "},
      {0.0, 5.0, -25.0, "[電界: -25.00 dBu] "},  // not below the threshold
      {0.0, 5.0, 43.215, "[電界: 43.22 dBu] "},
      // Lower 10, step 2: threshold 10 - 4 = 6 (a step, not its square, would give 8).
      {10.0, 2.0, 6.5, "[電界: 6.50 dBu] "},
      {10.0, 2.0, 5.9, "[電界: ↓ ] "},
  };
  for (const Row& row : rows) {
    CellRecord cell;
    cell.Clear();
    cell.slot[kFieldStrength] = row.field;
    DrawingSettings drawing;
    drawing.DrawLowerLimit = row.lower;
    drawing.DrawStep = row.step;
    EXPECT_EQ(ValueText(cell, 0, drawing), Sjis(row.expected)) << row.field;
  }
}

TEST(CursorValueText, FloodDepth) {
  struct Row {
    double depth;
    const char* expected;
  };
  const Row rows[] = {
      {-0.5, "[水位: - ]"},
      {0.0, "[水位:  0.0 m]"},  // "%4.1f": four characters wide
      {12.34, "[水位: 12.3 m]"},
      {-9999.0, "[水位: - ]"},  // a cell without a flood value
  };
  for (const Row& row : rows) {
    CellRecord cell;
    cell.Clear();
    cell.slot[kFloodDepth] = row.depth;
    EXPECT_EQ(ValueText(cell, 1, StartUpDrawingSettings(1)), Sjis(row.expected)) << row.depth;
  }
}

TEST(CursorStatusText, PositionDistanceValueAndName) {
  Context ctx;
  ctx.params.Project_Name = Sjis("富士山");
  CellRecord cell = Cell(128538.4, 500000.0, 1234.0);
  cell.slot[kAntennaDistance] = 12345.0;
  cell.slot[kFieldStrength] = -24.9;
  EXPECT_EQ(StatusText(cell, ctx),
            Sjis("[緯度: 35゜42' 18.40\"] [経度: 138゜53' 20.00\"] [標高: 123.4 m] [送受間: 12.35 km] "
                 "[電界: -24.90 dBu]  [局名: 富士山]"));
}

TEST(CursorCaptions, StationLineCellLineAndTitle) {
  Context ctx;
  ctx.params.Project_Name = Sjis("局");
  ctx.params.Source_North_latitude = Dms{35.0, 21.0, 38.4};
  ctx.params.Source_East_longitude = Dms{138.0, 43.0, 38.4};
  ctx.run.SourceElevation = 37760;  // tenths of a metre
  EXPECT_EQ(StationLine(ctx), Sjis("　送信：　35゜21' 38.40\" ,  138゜43' 38.40\" ,  3776.0 m"));
  EXPECT_EQ(CellLine(Cell(128538.4, 500000.0, -9999.0)),
            Sjis("　受信：　35゜42' 18.40\" ,  138゜53' 20.00\" ,  -10.0 m"));
  EXPECT_EQ(TitleLine(ctx.params), Sjis("[ 局 ]"));
}

TEST(CursorCaptions, StationDegreesAndMinutesAreCut) {
  Context ctx;
  // A header holds doubles: 35.9 degrees and 21.7 minutes show 35 and 21.
  ctx.params.Source_North_latitude = Dms{35.9, 21.7, 1.5};
  ctx.params.Source_East_longitude = Dms{138.0, 0.0, 0.0};
  EXPECT_EQ(StationLine(ctx), Sjis("　送信：　35゜21' 1.50\" ,  138゜0' 0.00\" ,   0.0 m"));
}

TEST(CursorTexts, DamagedRecordValuesGiveTextsWithoutFailing) {
  CellRecord cell;
  for (double& v : cell.slot) v = std::numeric_limits<double>::quiet_NaN();
  const std::string text = PositionText(cell);
  EXPECT_NE(text.find(Sjis("[緯度: 0゜0' nan\"]")), std::string::npos) << text;
  cell.slot.fill(1e300);
  EXPECT_FALSE(PositionText(cell).empty());
}

}  // namespace
}  // namespace dorx
