#include "files/project_file.h"

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
using test::Sjis;
using test::WriteBytes;

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

const std::string kEq = "*==================================================================*";
const std::string kHy = "*------------------------------------------------------------------*";

// The 30 lines of the default project, as listed for Dorx.xix (note the
// three or two blanks before 50.00, 40.00, 20.50, 100.00, 500.00 and 300.00).
std::vector<std::string> DefaultProjectLines() {
  return {kEq,
          "Project_Name___________________(char)    " + Sjis("富士山"),
          kHy,
          "Coarse_(1,2,3,...)(1<skip)_____(char)    1",
          "Compensation_(0,1,2,...)_______(char)    0",
          kHy,
          "Source_North_latitude_[d_m_s](double)    035 21 38.40",
          "Source_East_longitude_[d_m_s](double)    138 43 38.40",
          kHy,
          "Range_North____________________(long)    320",
          "Range_South____________________(long)    320",
          "Range_East_____________________(long)    320",
          "Range_West_____________________(long)    320",
          kHy,
          "Rx_Altitude___[m]____________(double)    1.80",
          "Rx_Loss_______[dB]___________(double)    2.00",
          "Rx_Impedance__[om]___________(double)   50.00",
          kHy,
          "Tx_Altitude___[m]____________(double)   40.00",
          "Tx_Loss_______[dB]___________(double)   20.50",
          "Tx_Power______[W]____________(double)  100.00",
          "Tx_Frequency__[MHz]__________(double)  500.00",
          kHy,
          "Antenna_Gain__[dBi]__________(double)    4.00",
          "Antenna_Angle_[deg]__________(double)    0.00",
          "Antenna_Pattern_File_(!=non)___(char)    !",
          kHy,
          "Flag_Reduction_(0,1)___________(char)    0",
          "Removal_of_Abnormal_Data_[m]_(double)  300.00",
          kEq};
}

ProjectParameters DefaultValues() {
  ProjectParameters p;
  p.Project_Name = Sjis("富士山");
  p.Source_North_latitude = {35, 21, 38.4};
  p.Source_East_longitude = {138, 43, 38.4};
  p.Range_North = p.Range_South = p.Range_East = p.Range_West = 320;
  p.Rx_Altitude = 1.8;
  p.Rx_Loss = 2.0;
  p.Rx_Impedance = 50.0;
  p.Tx_Altitude = 40.0;
  p.Tx_Loss = 20.5;
  p.Tx_Power = 100.0;
  p.Tx_Frequency = 500.0;
  p.Antenna_Gain = 4.0;
  p.Antenna_Angle = 0.0;
  p.Removal_of_Abnormal_Data = 300.0;
  return p;
}

void ExpectSameValues(const ProjectParameters& a, const ProjectParameters& b) {
  EXPECT_EQ(a.Project_Name, b.Project_Name);
  EXPECT_EQ(a.Coarse, b.Coarse);
  EXPECT_EQ(a.Compensation, b.Compensation);
  EXPECT_EQ(a.Source_North_latitude.degrees, b.Source_North_latitude.degrees);
  EXPECT_EQ(a.Source_North_latitude.minutes, b.Source_North_latitude.minutes);
  EXPECT_EQ(a.Source_North_latitude.seconds, b.Source_North_latitude.seconds);
  EXPECT_EQ(a.Source_East_longitude.degrees, b.Source_East_longitude.degrees);
  EXPECT_EQ(a.Source_East_longitude.minutes, b.Source_East_longitude.minutes);
  EXPECT_EQ(a.Source_East_longitude.seconds, b.Source_East_longitude.seconds);
  EXPECT_EQ(a.Range_North, b.Range_North);
  EXPECT_EQ(a.Range_South, b.Range_South);
  EXPECT_EQ(a.Range_East, b.Range_East);
  EXPECT_EQ(a.Range_West, b.Range_West);
  EXPECT_EQ(a.Rx_Altitude, b.Rx_Altitude);
  EXPECT_EQ(a.Rx_Loss, b.Rx_Loss);
  EXPECT_EQ(a.Rx_Impedance, b.Rx_Impedance);
  EXPECT_EQ(a.Tx_Altitude, b.Tx_Altitude);
  EXPECT_EQ(a.Tx_Loss, b.Tx_Loss);
  EXPECT_EQ(a.Tx_Power, b.Tx_Power);
  EXPECT_EQ(a.Tx_Frequency, b.Tx_Frequency);
  EXPECT_EQ(a.Antenna_Gain, b.Antenna_Gain);
  EXPECT_EQ(a.Antenna_Angle, b.Antenna_Angle);
  EXPECT_EQ(a.Antenna_Pattern_File, b.Antenna_Pattern_File);
  EXPECT_EQ(a.Flag_Reduction, b.Flag_Reduction);
  EXPECT_EQ(a.Removal_of_Abnormal_Data, b.Removal_of_Abnormal_Data);
}

ProjectParameters ReadFile(const std::string& path, RecordingSink& sink) {
  ProjectParameters p;
  ReadProjectFile(path, p, sink);
  return p;
}

TEST(WriteDefaultProjectFile, WritesTheThirtyDefaultLinesByteForByte) {
  ScratchFolder dir;
  RecordingSink sink;
  ASSERT_TRUE(WriteDefaultProjectFile(dir / "Dorx.xix", sink));
  EXPECT_EQ(ReadBytes(dir / "Dorx.xix"), CrLfLines(DefaultProjectLines()));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ReadProjectFile, ReadsTheDefaultProject) {
  ScratchFolder dir;
  RecordingSink sink;
  WriteBytes(dir / "Dorx.xix", CrLfLines(DefaultProjectLines()));
  ProjectParameters p;
  p.AntennaPatternPath = "/somewhere/pattern.txt";
  ReadProjectFile(dir / "Dorx.xix", p, sink);
  ExpectSameValues(p, DefaultValues());
  EXPECT_EQ(p.AntennaPatternPath, "!");  // a project file never loads a pattern
  EXPECT_EQ(sink.message_text, dir / "Dorx.xix");  // the path goes to MessageText on entry
  EXPECT_TRUE(sink.messages.empty());
}

// A project copy as a run writes it: every line key + 4 blanks + value.
TEST(WriteProjectFile, WritesTheValuesInTheirFormats) {
  ScratchFolder dir;
  RecordingSink sink;
  ProjectParameters p = DefaultValues();
  p.Project_Name = "Station";
  p.Coarse = -3;
  p.Compensation = 2;
  p.Source_North_latitude = {5, 0, 5};
  p.Source_East_longitude = {138.6, 42.5, 1.234567};  // degrees and minutes rounded, seconds cut to 5 decimals
  p.Range_North = -12;
  p.Tx_Frequency = 142.1234567;
  p.Rx_Impedance = 1234.567;
  p.Antenna_Pattern_File = "yagi.txt";
  p.Flag_Reduction = 1;
  p.Removal_of_Abnormal_Data = 12.5;
  ASSERT_TRUE(WriteProjectFile(dir / "Station.xix", p, sink));
  std::vector<std::string> lines = DefaultProjectLines();
  lines[1] = "Project_Name___________________(char)    Station";
  lines[3] = "Coarse_(1,2,3,...)(1<skip)_____(char)    -3";
  lines[4] = "Compensation_(0,1,2,...)_______(char)    2";
  lines[6] = "Source_North_latitude_[d_m_s](double)    005 00 5.00000";
  lines[7] = "Source_East_longitude_[d_m_s](double)    139 42 1.23457";
  lines[9] = "Range_North____________________(long)    -12";
  lines[16] = "Rx_Impedance__[om]___________(double)    1234.57";
  lines[18] = "Tx_Altitude___[m]____________(double)    40.00";
  lines[19] = "Tx_Loss_______[dB]___________(double)    20.50";
  lines[20] = "Tx_Power______[W]____________(double)    100.00";
  lines[21] = "Tx_Frequency__[MHz]__________(double)    142.123457";
  lines[25] = "Antenna_Pattern_File_(!=non)___(char)    yagi.txt";
  lines[27] = "Flag_Reduction_(0,1)___________(char)    1";
  lines[28] = "Removal_of_Abnormal_Data_[m]_(double)    12.5";
  EXPECT_EQ(ReadBytes(dir / "Station.xix"), CrLfLines(lines));
}

TEST(WriteProjectFile, WritesTheDefaultLatitudeWithFiveDecimals) {
  ScratchFolder dir;
  RecordingSink sink;
  ProjectParameters p = DefaultValues();
  ASSERT_TRUE(WriteProjectFile(dir / "p.xix", p, sink));
  const std::string bytes = ReadBytes(dir / "p.xix");
  EXPECT_NE(bytes.find("(double)    035 21 38.40000\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("(double)    300\r\n"), std::string::npos);  // %g: 300, not 300.00
}

TEST(WriteProjectFile, RoundTripKeepsTheValuesUpToTheirWrittenPrecision) {
  ScratchFolder dir;
  RecordingSink sink;
  ProjectParameters p = DefaultValues();
  p.Project_Name = Sjis("東京 タワー");  // a name with a blank
  p.Coarse = 4;
  p.Compensation = 3;
  p.Source_North_latitude = {35, 39, 31.123456789};
  p.Range_South = 1500;
  p.Rx_Altitude = 1.234;
  p.Tx_Frequency = 82.5;
  p.Removal_of_Abnormal_Data = 123.456789;
  p.Antenna_Pattern_File = "dipole.txt";
  p.Flag_Reduction = 1;
  ASSERT_TRUE(WriteProjectFile(dir / "t.xix", p, sink));
  const ProjectParameters back = ReadFile(dir / "t.xix", sink);

  ProjectParameters expected = p;
  expected.Project_Name = Sjis("東京");               // only the first word comes back
  expected.Source_North_latitude.seconds = 31.12346;  // five decimals
  expected.Rx_Altitude = 1.23;                        // two decimals
  expected.Removal_of_Abnormal_Data = 123.457;        // six significant digits
  ExpectSameValues(back, expected);
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ReadProjectFile, EightBitValuesKeepTheirLowByte) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultProjectLines();
  lines[3] = "Coarse_(1,2,3,...)(1<skip)_____(char)    300";   // 300 = 0x12C -> 0x2C = 44
  lines[4] = "Compensation_(0,1,2,...)_______(char)    200";   // 0xC8 -> -56
  lines[27] = "Flag_Reduction_(0,1)___________(char)    -129";  // 0x7F = 127
  WriteBytes(dir / "p.xix", CrLfLines(lines));
  const ProjectParameters p = ReadFile(dir / "p.xix", sink);
  EXPECT_EQ(p.Coarse, 44);
  EXPECT_EQ(p.Compensation, -56);
  EXPECT_EQ(p.Flag_Reduction, 127);
}

TEST(ReadProjectFile, HandEditedValues) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultProjectLines();
  lines[1] = "Project_Name___________________(char)    Mt Fuji";
  lines[3] = "Changed_key 7";                                   // keys are never compared
  lines[9] = "Range_North____________________(long)    12abc";  // atol stops at the first non-digit
  lines[10] = "Range_South____________________(long)    many";  // no number: 0
  lines[14] = "Rx_Altitude___[m]____________(double)    2.5e1m";
  lines[15] = "Rx_Loss_______[dB]___________(double)\t3.0";     // a tab: the key runs into the value
  WriteBytes(dir / "p.xix", CrLfLines(lines));
  const ProjectParameters p = ReadFile(dir / "p.xix", sink);
  EXPECT_EQ(p.Project_Name, "Mt");
  EXPECT_EQ(p.Coarse, 7);
  EXPECT_EQ(p.Range_North, 12);
  EXPECT_EQ(p.Range_South, 0);
  EXPECT_EQ(p.Rx_Altitude, 25.0);
  // The key ran on to the first blank of the next line, so Rx_Loss took the
  // impedance's value and the impedance the next line's after the separator.
  EXPECT_EQ(p.Rx_Loss, 50.0);
  EXPECT_EQ(p.Rx_Impedance, 40.0);
}

TEST(ReadProjectFile, LfLineEndsReadLikeCrLf) {
  ScratchFolder dir;
  RecordingSink sink;
  std::string lf;
  for (const std::string& line : DefaultProjectLines()) lf += line + "\n";
  WriteBytes(dir / "lf.xix", lf);
  ExpectSameValues(ReadFile(dir / "lf.xix", sink), DefaultValues());
}

TEST(ReadProjectFile, AnInsertedLineShiftsEveryLaterValue) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultProjectLines();
  lines[9] = "Range_North____________________(long)    1";
  lines[10] = "Range_South____________________(long)    2";
  lines[11] = "Range_East_____________________(long)    3";
  lines[12] = "Range_West_____________________(long)    4";
  lines.insert(lines.begin() + 9, "Range_Extra____________________(long)    999");
  WriteBytes(dir / "p.xix", CrLfLines(lines));
  const ProjectParameters p = ReadFile(dir / "p.xix", sink);
  EXPECT_EQ(p.Range_North, 999);
  EXPECT_EQ(p.Range_South, 1);
  EXPECT_EQ(p.Range_East, 2);
  EXPECT_EQ(p.Range_West, 3);
}

TEST(ReadProjectFile, ShortFileLeavesLaterValuesZeroAndNamesEmpty) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultProjectLines();
  lines.resize(13);  // ends after Range_West
  WriteBytes(dir / "p.xix", CrLfLines(lines));
  ProjectParameters p = DefaultValues();
  p.Tx_Power = 55;
  ReadProjectFile(dir / "p.xix", p, sink);
  EXPECT_EQ(p.Range_West, 320);
  EXPECT_EQ(p.Tx_Power, 0.0);
  EXPECT_EQ(p.Rx_Impedance, 0.0);
  EXPECT_EQ(p.Antenna_Pattern_File, "");
  EXPECT_EQ(p.Removal_of_Abnormal_Data, 0.0);
}

TEST(ReadProjectFile, ALineOver127BytesFailsEveryLaterLine) {
  ScratchFolder dir;
  RecordingSink sink;
  std::vector<std::string> lines = DefaultProjectLines();
  lines[10] = "Range_South____________________(long)    " + std::string(200, '7');
  WriteBytes(dir / "p.xix", CrLfLines(lines));
  const ProjectParameters p = ReadFile(dir / "p.xix", sink);
  EXPECT_EQ(p.Range_North, 320);
  EXPECT_EQ(p.Range_South, INT32_MAX);  // the cut value still converts (saturated)
  EXPECT_EQ(p.Range_East, 0);
  EXPECT_EQ(p.Tx_Frequency, 0.0);
  EXPECT_EQ(p.Antenna_Pattern_File, "");
}

TEST(ReadProjectFile, GarbageBytesReadAsZerosWithoutHarm) {
  ScratchFolder dir;
  RecordingSink sink;
  WriteBytes(dir / "g.xix", test::GarbageBytes(4000, 4));
  const ProjectParameters p = ReadFile(dir / "g.xix", sink);
  EXPECT_LE(p.Project_Name.size(), 127u);
  EXPECT_EQ(p.AntennaPatternPath, "!");
  EXPECT_TRUE(sink.messages.empty());
}

TEST(ReadProjectFile, MissingFileSends109AndKeepsTheParameters) {
  ScratchFolder dir;
  RecordingSink sink;
  ProjectParameters p = DefaultValues();
  ReadProjectFile(dir / "none.xix", p, sink);
  ExpectSameValues(p, DefaultValues());
  ASSERT_EQ(sink.Codes(), std::vector<int>{109});
  EXPECT_EQ(sink.messages[0].message_text, dir / "none.xix");
}

TEST(WriteProjectFile, FolderThatDoesNotExistSends121AndWritesNothing) {
  ScratchFolder dir;
  RecordingSink sink;
  EXPECT_FALSE(WriteProjectFile(dir / "missing/p.xix", DefaultValues(), sink));
  EXPECT_FALSE(WriteDefaultProjectFile(dir / "missing/Dorx.xix", sink));
  EXPECT_EQ(sink.Codes(), (std::vector<int>{121, 121}));
}

}  // namespace
}  // namespace dorx
