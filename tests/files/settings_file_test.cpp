#include "files/settings_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "garbage_bytes.h"
#include "recording_sink.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::ReadBytes;
using test::RecordingSink;
using test::ScratchFolder;
using test::WriteBytes;

const std::string kHy = "*------------------------------------------------------------------*";

// The 13 lines of the default Dorx.ini, as listed.
std::vector<std::string> DefaultSettingsLines() {
  return {kHy,
          "Simulation_Switch_(0,1)_______(int)      0",
          kHy,
          "TKY2JGD_Parameter____________(char)      tky2jgd.par",
          kHy,
          "Color_RGB_Sea________________(char)      202080",
          "Color_RGB_Gray_______________(char)      d0d0d0",
          "Color_RGB____________________(char)      f49800",
          kHy,
          "Color_H_Max_Min____________(double)    240.00  0.00",
          "Color_S_Max_Min____________(double)      0.90  0.00",
          "Color_V_Max_Min____________(double)      1.00  0.24",
          kHy};
}

std::string Join(const std::vector<std::string>& lines, const char* end) {
  std::string out;
  for (const std::string& line : lines) out += line + end;
  return out;
}

Settings ReadLines(const ScratchFolder& dir, const std::vector<std::string>& lines, RecordingSink& sink) {
  WriteBytes(dir / "Dorx.ini", Join(lines, "\r\n"));
  Settings s;
  EXPECT_TRUE(ReadSettingsFile(dir / "Dorx.ini", dir.path(), s, sink));
  return s;
}

TEST(WriteDefaultSettingsFile, WritesTheThirteenDefaultLinesByteForByte) {
  ScratchFolder dir;
  RecordingSink sink;
  ASSERT_TRUE(WriteDefaultSettingsFile(dir / "Dorx.ini", sink));
  EXPECT_EQ(ReadBytes(dir / "Dorx.ini"), Join(DefaultSettingsLines(), "\r\n"));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ReadSettingsFile, ReadsTheDefaults) {
  ScratchFolder dir;
  RecordingSink sink;
  Settings s;
  s.Simulation_Switch = 5;
  s.Color_RGB = {1, 2, 3};
  WriteBytes(dir / "Dorx.ini", Join(DefaultSettingsLines(), "\n"));  // LF reads like CR LF
  ASSERT_TRUE(ReadSettingsFile(dir / "Dorx.ini", dir.path(), s, sink));
  EXPECT_EQ(s.Simulation_Switch, 0);
  EXPECT_EQ(s.FloodMode(), 0);
  EXPECT_EQ(s.TKY2JGD_Parameter, "tky2jgd.par");
  EXPECT_EQ(s.DatumParameterPath, dir / "tky2jgd.par");
  EXPECT_EQ(s.Color_RGB_Sea, (Rgb{0x20, 0x20, 0x80}));
  EXPECT_EQ(s.Color_RGB_Gray, (Rgb{0xD0, 0xD0, 0xD0}));
  EXPECT_EQ(s.Color_RGB, (Rgb{0xF4, 0x98, 0x00}));
  EXPECT_EQ(s.Color_RGB.CanvasValue(), 0xF4u + 0x98u * 256u);
  EXPECT_EQ(sink.message_text, dir / "Dorx.ini");
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ReadSettingsFile, AnySwitchValueButZeroIsFloodMode) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultSettingsLines();
  for (const char* value : {"1", "-3", "2x"}) {
    lines[1] = std::string("Simulation_Switch_(0,1)_______(int)      ") + value;
    EXPECT_EQ(ReadLines(dir, lines, sink).FloodMode(), 1) << value;
  }
  lines[1] = "Simulation_Switch_(0,1)_______(int)      no";  // not a number: 0
  EXPECT_EQ(ReadLines(dir, lines, sink).FloodMode(), 0);
}

TEST(ReadSettingsFile, ParameterFileNameIsTheFirstWord) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultSettingsLines();
  lines[3] = "TKY2JGD_Parameter____________(char)      other.par  comment";
  const Settings s = ReadLines(dir, lines, sink);
  EXPECT_EQ(s.TKY2JGD_Parameter, "other.par");
  EXPECT_EQ(s.DatumParameterPath, dir / "other.par");
}

struct ColourCase {
  const char* word;
  Rgb colour;
  const char* why;
};

TEST(ColourFromWord, PairsOfHexDigitsRedFirst) {
  const ColourCase cases[] = {
      {"F49800", {0xF4, 0x98, 0x00}, "upper case digits"},
      {"f49800", {0xF4, 0x98, 0x00}, "lower case gives the same colour"},
      {"0x2020", {0x00, 0x20, 0x20}, "\"x\" counts as 0"},
      {"2020", {0x20, 0x20, 0x00}, "missing digits count as 0"},
      {"", {0, 0, 0}, "an empty word is black"},
      {"ffffff99", {0xFF, 0xFF, 0xFF}, "only the first six bytes count"},
      {"g1Zz-9", {0x01, 0x00, 0x09}, "non-hexadecimal bytes count as 0"},
      {"\x82\xA0" "AB", {0x00, 0xAB, 0x00}, "bytes above 0x7F count as 0"},
  };
  for (const ColourCase& c : cases) EXPECT_EQ(ColourFromWord(c.word), c.colour) << c.why;
}

TEST(ReadSettingsFile, ColoursComeFromTheFirstWordOfLinesSixToEight) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultSettingsLines();
  lines[5] = "Color_RGB_Sea________________(char)      0x2020";
  lines[6] = "Color_RGB_Gray_______________(char)         a0b0c0 ffffff";
  lines[7] = "Color_RGB____________________(char)      F49800";
  const Settings s = ReadLines(dir, lines, sink);
  EXPECT_EQ(s.Color_RGB_Sea, (Rgb{0x00, 0x20, 0x20}));
  EXPECT_EQ(s.Color_RGB_Gray, (Rgb{0xA0, 0xB0, 0xC0}));
  EXPECT_EQ(s.Color_RGB, (Rgb{0xF4, 0x98, 0x00}));
}

TEST(ReadSettingsFile, TruncatedFileLeavesTheLaterColoursBlack) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultSettingsLines();
  lines.resize(6);  // ends after Color_RGB_Sea
  const Settings s = ReadLines(dir, lines, sink);
  EXPECT_EQ(s.Color_RGB_Sea, (Rgb{0x20, 0x20, 0x80}));
  EXPECT_EQ(s.Color_RGB_Gray, (Rgb{0, 0, 0}));
  EXPECT_EQ(s.Color_RGB, (Rgb{0, 0, 0}));
}

TEST(ReadSettingsFile, ALongLineEndsTheReading) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultSettingsLines();
  lines[3] = "TKY2JGD_Parameter____________(char)      " + std::string(200, 'p');
  const Settings s = ReadLines(dir, lines, sink);
  EXPECT_EQ(s.TKY2JGD_Parameter, std::string(127 - 5, 'p'));  // the cut value piece after 5 blanks
  EXPECT_EQ(s.Color_RGB_Sea, (Rgb{0, 0, 0}));
}

TEST(ReadSettingsFile, GarbageBytesDoNoHarm) {
  ScratchFolder dir;
  RecordingSink sink;
  WriteBytes(dir / "Dorx.ini", test::GarbageBytes(3000, 6));
  Settings s;
  EXPECT_TRUE(ReadSettingsFile(dir / "Dorx.ini", dir.path(), s, sink));
  EXPECT_LE(s.TKY2JGD_Parameter.size(), 127u);
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ReadSettingsFile, MissingFileSends107) {
  ScratchFolder dir;
  RecordingSink sink;
  Settings s;
  EXPECT_FALSE(ReadSettingsFile(dir / "Dorx.ini", dir.path(), s, sink));
  EXPECT_EQ(sink.Codes(), std::vector<int>{107});
}

TEST(WriteDefaultSettingsFile, UncreatableFileSends121) {
  ScratchFolder dir;
  RecordingSink sink;
  EXPECT_FALSE(WriteDefaultSettingsFile(dir / "no/Dorx.ini", sink));
  EXPECT_EQ(sink.Codes(), std::vector<int>{121});
}

}  // namespace
}  // namespace dorx
