#include "files/validation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "support/test_support.h"

namespace dorx {
namespace {

using test::Sjis;

// A set of values every check accepts (the default project's).
struct Start {
  ProjectParameters params;
  int flood_mode = 0;
  StartKind kind = StartKind::kCalculation;
  bool mesh_folder_exists = true;
  double magnification = 100.0;
  double step = 5.0;

  Start() {
    params.Project_Name = "p";
    params.Source_North_latitude = {35, 21, 38.4};
    params.Source_East_longitude = {138, 43, 38.4};
    params.Range_North = params.Range_South = params.Range_East = params.Range_West = 320;
    params.Rx_Altitude = 1.8;
    params.Tx_Altitude = 40.0;
    params.Tx_Power = 100.0;
    params.Tx_Frequency = 500.0;
  }
  ValidationResult Validate() const {
    return ValidateParameters(ValidationInput{params, flood_mode, kind, mesh_folder_exists, magnification, step});
  }
};

// "範囲外：" followed by the labels, as CP932.
std::string Status(const std::string& labels_utf8) { return Sjis("範囲外：" + labels_utf8); }

TEST(ValidateParameters, AllInRangeGivesZeroAndNoText) {
  const ValidationResult r = Start().Validate();
  EXPECT_EQ(r.result, 0);
  EXPECT_EQ(r.status_text, "");
  EXPECT_FALSE(r.clear_antenna_box);
}

struct LabelCase {
  const char* label;  // UTF-8, as the status line shows it
  std::function<void(Start&)> fault;
};

// One violated bound at a time, every label of the appending checks
// (Compensation 10 against a range of 10 fails only check 23).
TEST(ValidateParameters, EachFailedCheckAppendsItsLabel) {
  const LabelCase cases[] = {
      {"　緯度[度](0°～360°)", [](Start& s) { s.params.Source_North_latitude.degrees = 360.5; }},
      {"　緯度[分](0’～60’)", [](Start& s) { s.params.Source_North_latitude.minutes = -1; }},
      {"　緯度[秒](0”～60”)", [](Start& s) { s.params.Source_North_latitude.seconds = 60.01; }},
      {"　経度[度](0°～360°)", [](Start& s) { s.params.Source_East_longitude.degrees = -0.5; }},
      {"　経度[分](0’～60’)", [](Start& s) { s.params.Source_East_longitude.minutes = 61; }},
      {"　経度[秒](0”～60”)", [](Start& s) { s.params.Source_East_longitude.seconds = -3; }},
      {"　メッシュ間隔(1～10)", [](Start& s) { s.params.Coarse = 11; }},
      {"　メッシュ間隔(1～10)", [](Start& s) { s.params.Coarse = 0; }},
      {"　北(10以上)", [](Start& s) { s.params.Range_North = 9, s.params.Range_South = 500; }},
      {"　南(10以上)", [](Start& s) { s.params.Range_South = 9, s.params.Range_North = 500; }},
      {"　東(10以上)", [](Start& s) { s.params.Range_East = 9, s.params.Range_West = 500; }},
      {"　西(10以上)", [](Start& s) { s.params.Range_West = 9, s.params.Range_East = 500; }},
      {"　描画倍率(20～200)", [](Start& s) { s.magnification = 19.9; }},
      {"　描画倍率(20～200)", [](Start& s) { s.magnification = 201; }},
      {"　受信インピーダンス", [](Start& s) { s.params.Rx_Impedance = 1e-7; }},
      {"　受信地上高", [](Start& s) { s.params.Rx_Altitude = 0; }},
      {"　送信地上高", [](Start& s) { s.params.Tx_Altitude = -1; }},
      {"　送信電力", [](Start& s) { s.params.Tx_Power = 0; }},
      {"　送信周波数", [](Start& s) { s.params.Tx_Frequency = 0; }},
      {"　アンテナ方位", [](Start& s) { s.params.Antenna_Angle = 360.01; }},
      {"　受信電界ステップ間隔", [](Start& s) { s.step = 1; }},
      {"　送信点補正(0～10)", [](Start& s) { s.params.Compensation = -1; }},
      {"　送信点補正>南",
       [](Start& s) { s.params.Compensation = 10, s.params.Range_South = 10, s.params.Range_North = 600; }},
      {"　送信点補正>北",
       [](Start& s) { s.params.Compensation = 10, s.params.Range_North = 10, s.params.Range_South = 600; }},
      {"　送信点補正>西",
       [](Start& s) { s.params.Compensation = 10, s.params.Range_West = 10, s.params.Range_East = 600; }},
      {"　送信点補正>東",
       [](Start& s) { s.params.Compensation = 10, s.params.Range_East = 10, s.params.Range_West = 600; }},
  };
  for (const LabelCase& c : cases) {
    Start s;
    c.fault(s);
    const ValidationResult r = s.Validate();
    EXPECT_EQ(r.result, 1) << c.label;
    EXPECT_EQ(r.status_text, Status(c.label)) << c.label;
  }
}

TEST(ValidateParameters, BoundsOfTheRangeChecksAreInclusive) {
  Start s;
  s.params.Source_North_latitude = {360, 60, 60};
  s.params.Source_East_longitude = {0, 0, 0};
  s.params.Coarse = 10;
  s.params.Range_North = s.params.Range_South = 100;
  s.params.Range_East = 190;
  s.params.Range_West = 10;
  s.magnification = 20;
  s.params.Antenna_Angle = 360;
  s.params.Compensation = 9;
  s.params.Rx_Impedance = 1.1e-7;
  s.step = 1.0000001;
  EXPECT_EQ(s.Validate().result, 0);
  s.magnification = 200;
  s.params.Compensation = 10;
  s.params.Range_West = 11;
  s.params.Range_East = 189;
  EXPECT_EQ(s.Validate().result, 0);
}

TEST(ValidateParameters, SeveralFailuresJoinInCheckOrder) {
  Start s;
  s.params.Range_North = 5;
  s.params.Range_South = 400;
  s.params.Tx_Power = 0;
  EXPECT_EQ(s.Validate().status_text, Status("　北(10以上)　送信電力"));
}

struct TotalsCase {
  const char* why;
  int32_t north, south, east, west;
  int8_t reduction, coarse;
  const char* labels;
};

TEST(ValidateParameters, AreaTotals) {
  const TotalsCase cases[] = {
      {"NS 100 and EW 5000: only the east-west label", 50, 50, 2500, 2500, 0, 1, "　(東＋西)=(200～3000)"},
      {"NS 3001 alone", 1501, 1500, 320, 320, 0, 1, "　(北＋南)=(200～3000)"},
      {"EW 199 alone", 320, 320, 100, 99, 0, 1, "　(東＋西)=(200～3000)"},
      {"totals 200 and 3000 pass", 100, 100, 1500, 1500, 0, 1, ""},
      {"reduction with Coarse 4: 12000 passes", 6000, 6000, 6000, 6000, 1, 4, ""},
      {"reduction with Coarse 4: 12001 fails", 6001, 6000, 6000, 6000, 1, 4, "　(北＋南)=(200～12000)"},
      {"ranges that overflow 32 bits when added fail", INT32_MAX, INT32_MAX, 320, 320, 0, 1,
       "　(北＋南)=(200～3000)"},
  };
  for (const TotalsCase& c : cases) {
    Start s;
    s.params.Range_North = c.north;
    s.params.Range_South = c.south;
    s.params.Range_East = c.east;
    s.params.Range_West = c.west;
    s.params.Flag_Reduction = c.reduction;
    s.params.Coarse = c.coarse;
    const ValidationResult r = s.Validate();
    EXPECT_EQ(r.status_text, *c.labels ? Status(c.labels) : "") << c.why;
    EXPECT_EQ(r.result, *c.labels ? 1 : 0) << c.why;
  }
}

TEST(ValidateParameters, MissingMeshFolderReplacesTheTextSoFar) {
  Start s;
  s.mesh_folder_exists = false;
  s.params.Source_North_latitude.degrees = -1;
  const ValidationResult r = s.Validate();
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(r.status_text, Sjis("　メッシュデータフォルダが不明　緯度[度](0°～360°)"));
}

TEST(ValidateParameters, PatternNamedButNotLoadedReplacesEverything) {
  Start s;
  s.params.Range_North = 5;
  s.params.Range_South = 400;
  s.params.Tx_Power = 0;
  s.params.Antenna_Pattern_File = "yagi.txt";
  s.params.AntennaPatternPath = "!";
  const ValidationResult r = s.Validate();
  EXPECT_EQ(r.result, 1);
  EXPECT_EQ(r.status_text, Sjis("　アンテナファイルが未指定"));
  EXPECT_TRUE(r.clear_antenna_box);
}

TEST(ValidateParameters, FloodModeSkipsTheFieldStrengthChecks) {
  Start s;
  s.flood_mode = 1;
  s.params.Tx_Power = 0;
  s.params.Rx_Impedance = 0;
  s.params.Compensation = 50;
  s.step = 0;
  s.params.Antenna_Pattern_File = "yagi.txt";
  s.params.AntennaPatternPath = "!";
  const ValidationResult r = s.Validate();
  EXPECT_EQ(r.result, 0);
  EXPECT_FALSE(r.clear_antenna_box);
}

// A drawing reads the terrain from its result file and loads no pattern:
// the mesh folder and pattern checks do not apply to it.
TEST(ValidateParameters, DrawingIgnoresTheMeshFolderAndThePatternFile) {
  Start s;
  s.kind = StartKind::kDrawing;
  s.mesh_folder_exists = false;
  s.params.Antenna_Pattern_File = "yagi.txt";
  s.params.AntennaPatternPath = "!";
  EXPECT_EQ(s.Validate().result, 0);
  s.params.Tx_Power = 0;
  EXPECT_EQ(s.Validate().status_text, Status("　送信電力"));
}

// A NaN compares false with every bound; an infinity passes a one-sided one.
TEST(ValidateParameters, NonFiniteValuesFailTheirChecks) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const LabelCase cases[] = {
      {"　緯度[度](0°～360°)", [=](Start& s) { s.params.Source_North_latitude.degrees = nan; }},
      {"　経度[秒](0”～60”)", [=](Start& s) { s.params.Source_East_longitude.seconds = nan; }},
      {"　描画倍率(20～200)", [=](Start& s) { s.magnification = nan; }},
      {"　受信インピーダンス", [=](Start& s) { s.params.Rx_Impedance = inf; }},
      {"　受信地上高", [=](Start& s) { s.params.Rx_Altitude = nan; }},
      {"　送信地上高", [=](Start& s) { s.params.Tx_Altitude = inf; }},
      {"　送信電力", [=](Start& s) { s.params.Tx_Power = inf; }},
      {"　送信周波数", [=](Start& s) { s.params.Tx_Frequency = nan; }},
      {"　アンテナ方位", [=](Start& s) { s.params.Antenna_Angle = nan; }},
      {"　受信電界ステップ間隔", [=](Start& s) { s.step = inf; }},
  };
  for (const LabelCase& c : cases) {
    Start s;
    c.fault(s);
    EXPECT_EQ(s.Validate().status_text, Status(c.label)) << c.label;
  }
}

}  // namespace
}  // namespace dorx
