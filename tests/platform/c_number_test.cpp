#include "platform/c_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "decimal_comma_locale.h"

namespace dorx {
namespace {

TEST(AtolC, LeadingNumberElseZero) {
  struct Case {
    std::string text;
    int32_t value;
  };
  const Case cases[] = {
      {"42", 42},          {"  -12abc", -12},  {"+7", 7},       {"\t\r\n 5", 5},  {"007", 7},
      {"3.9", 3},          {"1 2", 1},         {"abc", 0},      {"", 0},          {"- 5", 0},
      {"0x10", 0},         {"1e3", 1},         {"2147483647", INT32_MAX},          {"-2147483648", INT32_MIN},
      {"2147483648", INT32_MAX},               {"-99999999999999999999999", INT32_MIN},
  };
  for (const Case& c : cases) EXPECT_EQ(AtolC(c.text), c.value) << '"' << c.text << '"';
  // The view ends the text: digits behind it do not count.
  EXPECT_EQ(AtolC(std::string_view("123456", 3)), 123);
}

TEST(StrtodC, LongestLeadingNumberElseZero) {
  struct Case {
    std::string text;
    double value;
  };
  const Case cases[] = {
      {"1.5e3x", 1500.0}, {"  -2.25", -2.25}, {".5", 0.5},  {"1e", 1.0},     {"1e+", 1.0},
      {"0x1p4", 16.0},    {"35 21 38.4", 35}, {"1,5", 1.0}, {"abc", 0.0},    {"", 0.0},
      {"-", 0.0},         {"+.e1", 0.0},      {"1e400", HUGE_VAL},
  };
  for (const Case& c : cases) EXPECT_EQ(StrtodC(c.text), c.value) << '"' << c.text << '"';
  EXPECT_TRUE(std::isinf(StrtodC("inf")));
  EXPECT_TRUE(std::isnan(StrtodC("nan")));
  EXPECT_EQ(StrtodC(std::string_view("2.75", 3)), 2.7);
}

// The window toolkit may switch the process to a locale with a decimal comma.
TEST(StrtodC, IgnoresTheProcessLocale) {
  const test::DecimalCommaLocale comma_locale;
  if (!comma_locale.switched()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const double dot = StrtodC("2.5");
  const double comma = StrtodC("2,5");
  EXPECT_EQ(dot, 2.5);
  EXPECT_EQ(comma, 2.0);
}

TEST(LowByte, KeepsTheLow8BitsAsASignedByte) {
  const std::pair<int32_t, int8_t> cases[] = {{300, 44},   {255, -1},   {128, -128}, {127, 127},
                                              {-1, -1},    {-129, 127}, {256, 0},    {INT32_MIN, 0}};
  for (const auto& [value, low] : cases) EXPECT_EQ(LowByte(value), low) << value;
}

}  // namespace
}  // namespace dorx
