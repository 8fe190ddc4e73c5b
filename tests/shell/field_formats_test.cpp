// How the fields show numbers and how their texts become numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "shell/field_formats.h"
#include "support/test_support.h"

namespace dorx {
namespace {

TEST(FormatPicture, RowsOfThePictureFormats) {
  struct Row {
    double value;
    int decimals;
    const char* shown;
    const char* source;
  };
  const double inf = std::numeric_limits<double>::infinity();
  const Row rows[] = {
      {38.4, 4, "38.4000", "seconds field after a run: \"38.4\" shows \"38.4000\""},
      {40.0, 2, "40.00", "\"0.00\": exactly two decimals"},
      {500.0, 3, "500.000", "\"0.000\" of the frequency"},
      {100.0, 1, "100.0", "\"0.0\" of the magnification"},
      {0.5, 2, "0.50", "at least one integer digit"},
      {0.0, 2, "0.00", "zero"},
      {2.675, 2, "2.68", "the user's 2.675 rounds up (15 significant digits, half away from zero)"},
      {-2.675, 2, "-2.68", "half away from zero on the negative side"},
      {999.995, 2, "1000.00", "a carry through every digit"},
      {1.005, 2, "1.01", "held as 1.00499999999999989, read at 15 digits as 1.005"},
      {0.125, 2, "0.13", "an exact half rounds away from zero, not to even"},
      {59.99996, 4, "60.0000", "seconds that round up to the next minute show as 60"},
      {0.004, 2, "0.00", "a positive value that rounds to zero"},
      {-0.004, 2, "0.00", "a negative value that rounds to zero shows without sign"},
      {-20.5, 2, "-20.50", "a negative value"},
      {1e20, 2, "100000000000000000000.00", "a huge value keeps its integer digits"},
      {1.23456789e-7, 4, "0.0000", "a tiny value"},
      {inf, 2, "INF", "infinite"},
      {-inf, 2, "-INF", "minus infinite"},
      {std::nan(""), 2, "NAN", "not a number"},
  };
  for (const Row& row : rows) EXPECT_EQ(FormatPicture(row.value, row.decimals), row.shown) << row.source;
}

TEST(FormatGeneral15, ShortestFormUpToFifteenDigits) {
  EXPECT_EQ(FormatGeneral15(300.0), "300");
  EXPECT_EQ(FormatGeneral15(12.5), "12.5");
  EXPECT_EQ(FormatGeneral15(0.1), "0.1");  // not 0.100000000000000006
  EXPECT_EQ(FormatGeneral15(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(FormatGeneral15(-7.25), "-7.25");
}

TEST(FormatCutInteger, DegreesAndMinutesCutTowardZero) {
  EXPECT_EQ(FormatCutInteger(21.5), "21");  // minutes entered as 21.5
  EXPECT_EQ(FormatCutInteger(35.9), "35");
  EXPECT_EQ(FormatCutInteger(-0.5), "0");
  EXPECT_EQ(FormatCutInteger(-1.9), "-1");
  EXPECT_EQ(FormatCutInteger(std::nan("")), "0");
  EXPECT_EQ(FormatCutInteger(1e300), "2147483647");
}

TEST(FieldNumbers, AtolAndStrtodOnTheFieldText) {
  struct Row {
    const char* text;
    int32_t integer;
    double number;
    const char* source;
  };
  const Row rows[] = {
      {"2x", 2, 2.0, "leading number, the rest ignored"},
      {"x2", 0, 0.0, "no leading number gives 0"},
      {"", 0, 0.0, "an empty field"},
      {"  7", 7, 7.0, "leading blanks skipped"},
      {"-12.75m", -12, -12.75, "sign and decimals; atol stops at the point"},
      {"１２", 0, 0.0, "full-width digits are not digits"},
      {"99999999999", 2147483647, 99999999999.0, "atol saturates like strtol"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FieldInteger(row.text), row.integer) << row.source;
    EXPECT_EQ(FieldDouble(row.text), row.number) << row.source;
  }
}

TEST(FieldTextCp932, NameFieldsBecomeCp932CutTo1023BytesAtACharacter) {
  EXPECT_EQ(FieldTextCp932("富士山 局"), test::Sjis("富士山 局"));  // blanks kept
  // 600 double-byte characters are 1,200 bytes: 511 of them fit.
  std::string long_name;
  for (int i = 0; i < 600; ++i) long_name += "あ";
  const std::string cut = FieldTextCp932(long_name);
  EXPECT_EQ(cut.size(), 1022u);
  EXPECT_EQ(cut, test::Sjis(long_name).substr(0, 1022));
  EXPECT_EQ(FieldTextCp932(std::string(2000, 'a')).size(), 1023u);
}

TEST(CutCp932, NeverSplitsADoubleByteCharacter) {
  const std::string text = "a" + test::Sjis("あい");  // 1 + 2 + 2 bytes
  EXPECT_EQ(CutCp932(text, 5), text);
  EXPECT_EQ(CutCp932(text, 4), text.substr(0, 3));
  EXPECT_EQ(CutCp932(text, 2), "a");
  EXPECT_EQ(CutCp932(text, 0), "");
  // A lead byte at the end without its second byte stays when it fits.
  EXPECT_EQ(CutCp932("a\x82", 10), "a\x82");
}

}  // namespace
}  // namespace dorx
