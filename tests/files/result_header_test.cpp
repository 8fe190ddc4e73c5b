#include "files/result_header.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "garbage_bytes.h"

namespace dorx {
namespace {

using Bytes = std::array<uint8_t, kResultHeaderBytes>;

std::vector<uint8_t> At(const Bytes& b, size_t offset, size_t n) {
  return std::vector<uint8_t>(b.begin() + static_cast<std::ptrdiff_t>(offset),
                              b.begin() + static_cast<std::ptrdiff_t>(offset + n));
}

ResultHeader DistinctHeader() {
  ResultHeader h;
  h.Project_Name = "Fuji";
  h.Antenna_Pattern_File = "yagi.txt";
  h.Flag_Reduction = 1;
  h.Coarse = 4;
  h.Compensation = -3;
  h.latitude = {1.5, 2.5, 3.5};
  h.longitude = {4.5, 5.5, 6.5};
  h.SourceLatSeconds = 127298.4;
  h.SourceLonSeconds = 499418.4;
  h.SourceElevation = 37760;
  h.Range_North = 0x01020304;
  h.Range_South = -2;
  h.Range_East = 300;
  h.Range_West = 400;
  h.Rx_Altitude = 1.8;
  h.Rx_Loss = 2.0;
  h.Rx_Impedance = 50.0;
  h.Tx_Altitude = 40.0;
  h.Tx_Loss = 20.5;
  h.Tx_Power = 100.0;
  h.Tx_Frequency = 500.0;
  h.Antenna_Gain = 4.0;
  h.Antenna_Angle = 12.25;
  h.ImageHeight = 824.5;
  h.ImageWidth = 1013.25;
  h.ElevationMax = 3776.0;
  h.ElevationMin = -2.5;
  h.WaterLevel = 10.0;
  return h;
}

// Offsets and byte patterns from the 488-byte layout; doubles are IEEE 754
// little-endian (1.5 = 3FF8000000000000, -9999.0 = C0C3878000000000).
TEST(EncodeResultHeader, PlacesEveryFieldAtItsOffsetLittleEndian) {
  const Bytes b = EncodeResultHeader(DistinctHeader());
  EXPECT_EQ(At(b, 0, 5), (std::vector<uint8_t>{'F', 'u', 'j', 'i', 0}));
  EXPECT_EQ(At(b, 128, 9), (std::vector<uint8_t>{'y', 'a', 'g', 'i', '.', 't', 'x', 't', 0}));
  EXPECT_EQ(At(b, 256, 4), (std::vector<uint8_t>{'S', '8', 0, 0}));
  EXPECT_EQ(At(b, 260, 4), (std::vector<uint8_t>{1, 4, 0, 0xFD}));  // reduction, Coarse, reserved 0, -3
  EXPECT_EQ(At(b, 264, 8), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xF8, 0x3F}));
  EXPECT_EQ(At(b, 328, 4), (std::vector<uint8_t>{0x80, 0x93, 0x00, 0x00}));  // 37760 = 0x9380
  EXPECT_EQ(At(b, 332, 4), (std::vector<uint8_t>{4, 3, 2, 1}));
  EXPECT_EQ(At(b, 336, 4), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
  const std::vector<uint8_t> reserved_int{0xF1, 0xD8, 0xFF, 0xFF};  // -9999 = FFFFD8F1
  EXPECT_EQ(At(b, 348, 4), reserved_int);
  EXPECT_EQ(At(b, 352, 4), reserved_int);
  EXPECT_EQ(At(b, 356, 4), reserved_int);
  const std::vector<uint8_t> reserved_double{0, 0, 0, 0, 0x80, 0x87, 0xC3, 0xC0};
  EXPECT_EQ(At(b, 432, 8), reserved_double);
  EXPECT_EQ(At(b, 480, 8), reserved_double);
  double v;
  const std::vector<std::pair<size_t, double>> doubles = {
      {272, 2.5},   {280, 3.5},    {288, 4.5},   {296, 5.5},    {304, 6.5},    {312, 127298.4},
      {320, 499418.4}, {360, 1.8}, {368, 2.0},   {376, 50.0},   {384, 40.0},   {392, 20.5},
      {400, 100.0}, {408, 500.0},  {416, 4.0},   {424, 12.25},  {440, 824.5},  {448, 1013.25},
      {456, 3776.0}, {464, -2.5},  {472, 10.0}};
  for (const auto& [offset, expected] : doubles) {
    std::memcpy(&v, &b[offset], 8);  // the test machine is little-endian like the file
    EXPECT_EQ(v, expected) << "offset " << offset;
  }
  EXPECT_EQ(At(b, 340, 4), (std::vector<uint8_t>{0x2C, 0x01, 0, 0}));
  EXPECT_EQ(At(b, 344, 4), (std::vector<uint8_t>{0x90, 0x01, 0, 0}));
}

TEST(EncodeResultHeader, CutsTextsTo127BytesAndATerminator) {
  ResultHeader h;
  h.Project_Name = std::string(200, 'n');
  h.Antenna_Pattern_File = std::string(127, 'p');
  const Bytes b = EncodeResultHeader(h);
  EXPECT_EQ(At(b, 0, 127), std::vector<uint8_t>(127, 'n'));
  EXPECT_EQ(b[127], 0);
  EXPECT_EQ(At(b, 128, 127), std::vector<uint8_t>(127, 'p'));
  EXPECT_EQ(b[255], 0);
  ResultHeader back;
  DecodeResultHeader(b, back);
  EXPECT_EQ(back.Project_Name, std::string(127, 'n'));
  EXPECT_EQ(back.Antenna_Pattern_File, std::string(127, 'p'));
}

TEST(DecodeResultHeader, RoundTripGivesEveryField) {
  const ResultHeader h = DistinctHeader();
  ResultHeader back;
  DecodeResultHeader(EncodeResultHeader(h), back);
  EXPECT_EQ(EncodeResultHeader(back), EncodeResultHeader(h));
  EXPECT_EQ(back.Project_Name, "Fuji");
  EXPECT_EQ(back.FormatTag, "S8");
  EXPECT_EQ(back.Compensation, -3);
  EXPECT_EQ(back.Range_South, -2);
  EXPECT_EQ(back.WaterLevel, 10.0);
}

TEST(DecodeResultHeader, IgnoresTheBytesAfterATerminator) {
  Bytes b = EncodeResultHeader(DistinctHeader());
  std::memcpy(&b[0], "ab\0zzzz", 7);
  std::memcpy(&b[256], "S8\0X", 4);
  ResultHeader back;
  DecodeResultHeader(b, back);
  EXPECT_EQ(back.Project_Name, "ab");
  EXPECT_EQ(back.FormatTag, "S8");
}

TEST(DecodeResultHeader, TextWithoutTerminatorStopsAtTheFieldEnd) {
  Bytes b = EncodeResultHeader(DistinctHeader());
  std::memset(&b[0], 'q', 128);
  std::memset(&b[256], 'T', 4);
  ResultHeader back;
  DecodeResultHeader(b, back);
  EXPECT_EQ(back.Project_Name, std::string(127, 'q'));
  EXPECT_EQ(back.FormatTag, "TTT");
}

TEST(DecodeResultHeader, ShortFileKeepsTheValuesItDoesNotCover) {
  ResultHeader written = DistinctHeader();
  written.Range_North = 111;
  written.ImageHeight = 99.0;
  const Bytes b = EncodeResultHeader(written);
  ResultHeader held;  // values before the read
  held.Range_West = 777;
  held.ImageHeight = 5.0;
  held.WaterLevel = -1.0;
  DecodeResultHeader(std::span<const uint8_t>(b.data(), 344), held);  // up to Range_East
  EXPECT_EQ(held.Project_Name, "Fuji");
  EXPECT_EQ(held.Range_North, 111);
  EXPECT_EQ(held.Range_East, 300);
  EXPECT_EQ(held.Range_West, 777);
  EXPECT_EQ(held.ImageHeight, 5.0);
  EXPECT_EQ(held.WaterLevel, -1.0);

  ResultHeader untouched = DistinctHeader();
  DecodeResultHeader(std::span<const uint8_t>(), untouched);
  EXPECT_EQ(EncodeResultHeader(untouched), EncodeResultHeader(DistinctHeader()));
}

// A header as a run of 200 x 200 cells at 35 degrees north writes it.
ResultHeader RunHeader() {
  ResultHeader h;
  h.Coarse = 1;
  h.Range_North = h.Range_South = h.Range_East = h.Range_West = 100;
  h.ImageHeight = 200 * 1.28842;
  h.ImageWidth = 200 * 1.93263 * std::cos(35.0 * M_PI / 180.0);
  h.ElevationMax = 3776.0;
  h.ElevationMin = 0.0;
  h.SourceLatSeconds = 127298.4;
  h.SourceLonSeconds = 499418.4;
  return h;
}

struct PlausibleCase {
  const char* why;
  std::function<void(ResultHeader&)> change;
  bool plausible;
};

TEST(ResultHeaderIsPlausible, AcceptsOnlyHeadersARunCanWrite) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const PlausibleCase cases[] = {
      {"a run's header", [](ResultHeader&) {}, true},
      {"format tag other than S8", [](ResultHeader& h) { h.FormatTag = "S7"; }, false},
      {"Coarse 0", [](ResultHeader& h) { h.Coarse = 0; }, false},
      {"Coarse 11", [](ResultHeader& h) { h.Coarse = 11; }, false},
      {"Coarse 10", [](ResultHeader& h) { h.Coarse = 10; }, true},
      {"Flag_Reduction 2", [](ResultHeader& h) { h.Flag_Reduction = 2; }, false},
      {"re-centred ranges below 10 with the same totals",
       [](ResultHeader& h) { h.Range_North = 3, h.Range_South = 197, h.Range_East = 199, h.Range_West = 1; }, true},
      {"Range_North 0 (the station's cell outside)",
       [](ResultHeader& h) { h.Range_North = 0, h.Range_South = 200; }, false},
      {"Range_East 0", [](ResultHeader& h) { h.Range_East = 0, h.Range_West = 200; }, false},
      {"Range_South 0", [](ResultHeader& h) { h.Range_South = 0, h.Range_North = 200; }, true},
      {"negative range", [](ResultHeader& h) { h.Range_West = -1, h.Range_East = 201; }, false},
      {"total 199", [](ResultHeader& h) { h.Range_South = 99; }, false},
      {"total 3000 without reduction",
       [](ResultHeader& h) { h.Range_South = 1500, h.Range_North = 1500; }, true},
      {"total 3001 without reduction",
       [](ResultHeader& h) { h.Range_South = 1501, h.Range_North = 1500; }, false},
      {"total 12000 with reduction and Coarse 4",
       [](ResultHeader& h) { h.Flag_Reduction = 1, h.Coarse = 4, h.Range_East = 6000, h.Range_West = 6000; }, true},
      {"ranges that overflow 32 bits when added",
       [](ResultHeader& h) { h.Range_North = INT32_MAX, h.Range_South = INT32_MAX; }, false},
      {"height 0", [](ResultHeader& h) { h.ImageHeight = 0.0; }, false},
      {"width NaN", [nan](ResultHeader& h) { h.ImageWidth = nan; }, false},
      {"height infinite", [inf](ResultHeader& h) { h.ImageHeight = inf; }, false},
      {"height of the full rows x 1.28842", [](ResultHeader& h) { h.ImageHeight = 200 * 1.28842; }, true},
      {"height beyond rows x 1.2885 x 1.01", [](ResultHeader& h) { h.ImageHeight = 200 * 1.2885 * 1.0101; }, false},
      {"width of columns x 1.93263 at the equator", [](ResultHeader& h) { h.ImageWidth = 200 * 1.93263; }, true},
      {"width beyond columns x 1.9327 x 1.01", [](ResultHeader& h) { h.ImageWidth = 200 * 1.9327 * 1.0101; }, false},
      {"a huge picture", [](ResultHeader& h) { h.ImageWidth = 1e9; }, false},
      {"ElevationMax NaN", [nan](ResultHeader& h) { h.ElevationMax = nan; }, false},
      {"ElevationMin infinite", [inf](ResultHeader& h) { h.ElevationMin = -inf; }, false},
      {"SourceLatSeconds NaN", [nan](ResultHeader& h) { h.SourceLatSeconds = nan; }, false},
      {"SourceLonSeconds infinite", [inf](ResultHeader& h) { h.SourceLonSeconds = inf; }, false},
  };
  for (const PlausibleCase& c : cases) {
    ResultHeader h = RunHeader();
    c.change(h);
    EXPECT_EQ(ResultHeaderIsPlausible(h), c.plausible) << c.why;
  }
}

TEST(ResultHeaderIsPlausible, RefusesZeroedAndGarbageHeaders) {
  ResultHeader zeroed;
  DecodeResultHeader(Bytes{}, zeroed);
  EXPECT_FALSE(ResultHeaderIsPlausible(zeroed));
  const std::string garbage = test::GarbageBytes(kResultHeaderBytes, 5);
  ResultHeader h;
  DecodeResultHeader(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(garbage.data()), garbage.size()), h);
  EXPECT_FALSE(ResultHeaderIsPlausible(h));
}

}  // namespace
}  // namespace dorx
