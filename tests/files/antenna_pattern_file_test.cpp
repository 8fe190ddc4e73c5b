#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "files/antenna_pattern.h"
#include "garbage_bytes.h"
#include "recording_sink.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::RecordingSink;
using test::ScratchFolder;
using test::WriteBytes;

const char* const kHeader = "Pattern of a test antenna\r\nModel YAGI-5\r\nthird\r\nfourth\r\nfifth\r\n";

struct Row {
  double angle;
  double factor;
};

class LoadAntennaPatternTest : public ::testing::Test {
 protected:
  // Loads `data` (the lines after the five header lines) turned by the azimuth.
  void Load(const std::string& data, double azimuth_deg = 0.0) {
    WriteBytes(dir_ / "pattern.txt", kHeader + data);
    params_.Antenna_Pattern_File = "pattern.txt";
    params_.AntennaPatternPath = dir_ / "pattern.txt";
    params_.Antenna_Angle = azimuth_deg;
    LoadAntennaPattern(params_, pattern_, sink_);
  }
  std::vector<Row> Rows() const {
    std::vector<Row> rows;
    for (size_t i = 0; i < pattern_.angle.size(); ++i) rows.push_back(Row{pattern_.angle[i], pattern_.factor[i]});
    return rows;
  }
  void ExpectRows(const std::vector<Row>& expected) const {
    const std::vector<Row> rows = Rows();
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
      EXPECT_NEAR(rows[i].angle, expected[i].angle, 1e-9) << "row " << i;
      EXPECT_EQ(rows[i].factor, expected[i].factor) << "row " << i;
    }
  }

  ScratchFolder dir_;
  RecordingSink sink_;
  ProjectParameters params_;
  AntennaPattern pattern_;
};

TEST_F(LoadAntennaPatternTest, AddsTheRowsAtZeroAndThreeSixtyAndSorts) {
  Load("300 0.4\r\n10 1.0\r\n200 0.6\r\n90 0.8\r\n*END*\r\n45 0.1\r\n");
  EXPECT_EQ(pattern_.count, 4);
  // 0 takes the factor of the smallest angle (10), 360 that of the largest (300).
  ExpectRows({{0, 1.0}, {10, 1.0}, {90, 0.8}, {200, 0.6}, {300, 0.4}, {360, 0.4}});
  EXPECT_TRUE(sink_.messages.empty());
  EXPECT_EQ(params_.Antenna_Pattern_File, "pattern.txt");
}

struct TurnCase {
  const char* why;
  double file_angle;
  double azimuth;
  double turned;
};

TEST_F(LoadAntennaPatternTest, TurnsByTheAzimuthKeepingThreeTruncatedDecimals) {
  const TurnCase cases[] = {
      {"350 + 90 = 440 wraps to 80", 350, 90, 80.0},
      {"(10 + 0.0015) x 1000 = 10001.5 cuts to 10001: 10.001, not 10.002", 10, 0.0015, 10.001},
      {"20 + 350 = 370 wraps to 10", 20, 350, 10.0},
      {"360 exactly wraps to 0", 270, 90, 0.0},
      {"a negative sum keeps its sign (the remainder follows t)", -10, 0, -10.0},
      {"-370 -> -10", -400, 30, -10.0},
  };
  for (const TurnCase& c : cases) {
    Load(std::to_string(c.file_angle) + " 0.5\n", c.azimuth);
    ASSERT_EQ(pattern_.count, 1) << c.why;
    bool found = false;
    for (size_t i = 0; i + 1 < pattern_.angle.size(); ++i)
      found = found || (std::fabs(pattern_.angle[i] - c.turned) < 1e-9 && pattern_.factor[i] == 0.5);
    EXPECT_TRUE(found) << c.why;
  }
}

TEST_F(LoadAntennaPatternTest, NegativeAngleSortsBeforeTheRowAtZero) {
  Load("-10 0.3\n100 0.9\n");
  ExpectRows({{-10, 0.3}, {0, 0.3}, {100, 0.9}, {360, 0.3}});
}

// Rows 50a, 10, 50b and the added 0: the exchange sort leaves 50b before 50a
// (i = 0 swaps 50a/10 and 10/0, i = 1 swaps 50a/10), so a bearing of 50
// finds the bracket 10..50b and takes 50b's factor.
TEST_F(LoadAntennaPatternTest, EqualAnglesKeepTheExchangeSortOrder) {
  Load("50 0.5\n10 0.9\n50 0.7\n");
  ExpectRows({{0, 0.9}, {10, 0.9}, {50, 0.7}, {50, 0.5}, {360, 0.9}});
  EXPECT_EQ(pattern_.PatternFactorAt(50.0), 0.7);
}

struct NorthRowCase {
  const char* why;
  std::string data;
  double at_0;
  double at_360;
};

TEST_F(LoadAntennaPatternTest, FactorsOfTheAddedRowsWhenOneSideIsEmpty) {
  const NorthRowCase cases[] = {
      {"no angle below 180: 0 takes the largest angle's factor", "200 0.3\n300 0.6\n", 0.6, 0.6},
      {"no angle above 180: 360 takes the smallest angle's factor", "10 0.3\n100 0.6\n", 0.3, 0.3},
      {"only 180 itself: both take it", "180 0.5\n", 0.5, 0.5},
      {"equal smallest angles: the first row wins", "20 0.1\n20 0.2\n300 0.9\n300 0.8\n", 0.1, 0.9},
      {"no data rows: both 1.0", "*END*\n", 1.0, 1.0},
  };
  for (const NorthRowCase& c : cases) {
    Load(c.data);
    ASSERT_FALSE(pattern_.angle.empty()) << c.why;
    EXPECT_EQ(pattern_.angle.front(), 0.0) << c.why;
    EXPECT_EQ(pattern_.factor.front(), c.at_0) << c.why;
    EXPECT_EQ(pattern_.angle.back(), 360.0) << c.why;
    EXPECT_EQ(pattern_.factor.back(), c.at_360) << c.why;
  }
}

TEST_F(LoadAntennaPatternTest, WithoutDataRowsEveryBearingHasFactorOne) {
  Load("");
  EXPECT_EQ(pattern_.count, 0);
  EXPECT_EQ(pattern_.PatternFactorAt(123.0), 1.0);
}

TEST_F(LoadAntennaPatternTest, LinesThatEndOrSkipTheData) {
  struct Case {
    const char* why;
    std::string data;
    int32_t count;
  } cases[] = {
      {"*END* in the second field ends the data", "10 0.5\n20 *END*\n30 0.5\n", 1},
      {"*END* in the first field ends the data", "10 0.5\n*END* 1\n30 0.5\n", 1},
      {"*END* alone on its line ends the data", "10 0.5\n  *END*\n30 0.5\n", 1},
      {"a tab is no separator: one field, skipped", "10\t0.5\n20 0.5\n", 1},
      {"a line with one field or none is skipped", "10\n\n   \n20 0.5 extra fields\n", 1},
      {"non-numeric fields read as 0", "north x\n", 1},
      {"a line over 127 bytes ends the reading", "10 0.5\n20 " + std::string(200, '5') + "\n30 0.5\n", 1},
      {"the end of the file without a final line end", "10 0.5\n20 0.5", 2},
  };
  for (const Case& c : cases) {
    Load(c.data);
    EXPECT_EQ(pattern_.count, c.count) << c.why;
    EXPECT_EQ(pattern_.angle.size(), static_cast<size_t>(c.count) + 2) << c.why;
  }
}

TEST_F(LoadAntennaPatternTest, SecondHeaderLineWithoutBlankShiftsTheDataByOneLine) {
  WriteBytes(dir_ / "p.txt", "first\nsecond-without-blank\nthird line\nfourth\nfifth\n10 0.5\n20 0.25\n");
  params_.Antenna_Pattern_File = "p.txt";
  params_.AntennaPatternPath = dir_ / "p.txt";
  LoadAntennaPattern(params_, pattern_, sink_);
  ASSERT_EQ(pattern_.count, 1);  // "10 0.5" was taken as the fifth header line
  ExpectRows({{0, 0.25}, {20, 0.25}, {360, 0.25}});
}

TEST_F(LoadAntennaPatternTest, ReadsAtMost3637LinesAfterTheHeader) {
  std::string data;
  for (int i = 0; i < 3637; ++i) data += "skipped\n";
  Load(data + "10 0.5\n");
  EXPECT_EQ(pattern_.count, 0);
}

TEST_F(LoadAntennaPatternTest, KeepsTheFirst3634DataRows) {
  std::string data;
  for (int i = 0; i < 3637; ++i) data += std::to_string(i % 360) + "." + std::to_string(i % 10) + " 0.5\n";
  Load(data);
  EXPECT_EQ(pattern_.count, 3634);
  EXPECT_EQ(pattern_.angle.size(), static_cast<size_t>(AntennaPattern::kMaxRows));
  EXPECT_EQ(pattern_.angle.back(), 360.0);
}

TEST_F(LoadAntennaPatternTest, FileThatCannotBeOpenedSends111AndKeepsTheTable) {
  Load("10 0.5\n");
  const std::vector<double> before = pattern_.angle;
  params_.AntennaPatternPath = dir_ / "missing.txt";
  LoadAntennaPattern(params_, pattern_, sink_);
  EXPECT_EQ(sink_.Codes(), std::vector<int>{111});
  EXPECT_EQ(params_.Antenna_Pattern_File, "!");
  EXPECT_EQ(pattern_.angle, before);
}

TEST_F(LoadAntennaPatternTest, PatternNamedByAProjectButNotChosenSends111) {
  params_.Antenna_Pattern_File = "from-project.txt";
  params_.AntennaPatternPath = "!";
  LoadAntennaPattern(params_, pattern_, sink_);
  EXPECT_EQ(sink_.Codes(), std::vector<int>{111});
  EXPECT_EQ(params_.Antenna_Pattern_File, "!");
}

TEST_F(LoadAntennaPatternTest, NoPatternFileDoesNothing) {
  Load("10 0.5\n");
  params_.Antenna_Pattern_File = "!";
  params_.AntennaPatternPath = dir_ / "missing.txt";
  LoadAntennaPattern(params_, pattern_, sink_);
  EXPECT_TRUE(sink_.messages.empty());
  EXPECT_EQ(pattern_.count, 1);
}

TEST_F(LoadAntennaPatternTest, GarbageBytesDoNoHarm) {
  Load(test::GarbageBytes(30000, 1), 1e300);
  EXPECT_LE(pattern_.count, 3634);
  for (double a : pattern_.angle) EXPECT_TRUE(a > -360.0 && a <= 360.0);
  pattern_.PatternFactorAt(90.0);
}

TEST_F(LoadAntennaPatternTest, HugeAndNonFiniteAnglesTurnWithoutOverflow) {
  Load("1e300 0.5\nnan 0.6\n-inf 0.7\n", std::nan(""));
  EXPECT_EQ(pattern_.count, 3);
  for (double a : pattern_.angle) EXPECT_TRUE(std::isfinite(a) && a > -360.0 && a <= 360.0);
}

struct BearingCase {
  const char* why;
  double bearing;
  double factor;
};

TEST_F(LoadAntennaPatternTest, PatternFactorAtTakesTheNearerRow) {
  Load("10 0.9\n90 0.5\n100 0\n200 -1\n300 0.25\n");
  // Rows: 0 (0.9), 10 (0.9), 90 (0.5), 100 (0), 200 (-1), 300 (0.25), 360 (0.25).
  const BearingCase cases[] = {
      {"nearer to 10 than to 90", 40.0, 0.9},
      {"exactly between 10 and 90: the upper row", 50.0, 0.5},
      {"on a row", 90.0, 0.5},
      {"factor 0 gives 1e-7", 99.0, 0.0000001},
      {"a negative factor gives 1e-7", 190.0, 0.0000001},
      {"between 0 and the smallest turned angle", 3.0, 0.9},
      {"between the largest turned angle and 360", 350.0, 0.25},
  };
  for (const BearingCase& c : cases) EXPECT_EQ(pattern_.PatternFactorAt(c.bearing), c.factor) << c.why;
}

// The lookup finds its bracket by bisection; it must give what the written
// scan gives (first k with angle[k] <= bearing <= angle[k+1], else k = count;
// the nearer row, the upper on a tie), also with equal angles.
TEST_F(LoadAntennaPatternTest, PatternFactorAtMatchesTheWrittenScan) {
  Load("-5 0.1\n10 0.2\n10 0.3\n10 0.35\n45.5 0.4\n180 0.5\n180 0.55\n270 0.6\n359.999 0.7\n");
  const auto scan = [&](double bearing) {
    int32_t k = pattern_.count;
    for (int32_t i = 0; i < pattern_.count; ++i) {
      if (pattern_.angle[i] <= bearing && bearing <= pattern_.angle[i + 1]) {
        k = i;
        break;
      }
    }
    const double f = std::fabs(pattern_.angle[k] - bearing) < std::fabs(pattern_.angle[k + 1] - bearing)
                         ? pattern_.factor[k]
                         : pattern_.factor[k + 1];
    return f > 0 ? f : 0.0000001;
  };
  for (double bearing = -10.0; bearing <= 370.0; bearing += 0.0625)
    ASSERT_EQ(pattern_.PatternFactorAt(bearing), scan(bearing)) << bearing;
  for (double bearing : {10.0, 180.0, 45.5, 359.999, 0.0, 360.0, std::nan("")})
    ASSERT_EQ(pattern_.PatternFactorAt(bearing), scan(bearing)) << bearing;
}

}  // namespace
}  // namespace dorx
