#include <vector>

#include "files/project_file.h"
#include "files/text_lines_file.h"
#include "platform/c_format.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

// Each key is 37 characters; with the 4 blanks that follow, a value starts at
// character 42 of its line.
constexpr const char* kEqualsLine = kEqualsSeparator;
constexpr const char* kHyphenLine = kHyphenSeparator;
constexpr const char* kGap = "    ";

constexpr const char* kKeyProjectName = "Project_Name___________________(char)";
constexpr const char* kKeyCoarse = "Coarse_(1,2,3,...)(1<skip)_____(char)";
constexpr const char* kKeyCompensation = "Compensation_(0,1,2,...)_______(char)";
constexpr const char* kKeyLatitude = "Source_North_latitude_[d_m_s](double)";
constexpr const char* kKeyLongitude = "Source_East_longitude_[d_m_s](double)";
constexpr const char* kKeyRangeNorth = "Range_North____________________(long)";
constexpr const char* kKeyRangeSouth = "Range_South____________________(long)";
constexpr const char* kKeyRangeEast = "Range_East_____________________(long)";
constexpr const char* kKeyRangeWest = "Range_West_____________________(long)";
constexpr const char* kKeyRxAltitude = "Rx_Altitude___[m]____________(double)";
constexpr const char* kKeyRxLoss = "Rx_Loss_______[dB]___________(double)";
constexpr const char* kKeyRxImpedance = "Rx_Impedance__[om]___________(double)";
constexpr const char* kKeyTxAltitude = "Tx_Altitude___[m]____________(double)";
constexpr const char* kKeyTxLoss = "Tx_Loss_______[dB]___________(double)";
constexpr const char* kKeyTxPower = "Tx_Power______[W]____________(double)";
constexpr const char* kKeyTxFrequency = "Tx_Frequency__[MHz]__________(double)";
constexpr const char* kKeyAntennaGain = "Antenna_Gain__[dBi]__________(double)";
constexpr const char* kKeyAntennaAngle = "Antenna_Angle_[deg]__________(double)";
constexpr const char* kKeyPatternFile = "Antenna_Pattern_File_(!=non)___(char)";
constexpr const char* kKeyFlagReduction = "Flag_Reduction_(0,1)___________(char)";
constexpr const char* kKeyRemoval = "Removal_of_Abnormal_Data_[m]_(double)";

// The values of the 30 lines, in file order; separators have no value.
struct ProjectLineValues {
  std::string name, coarse, compensation, latitude, longitude;
  std::string range_north, range_south, range_east, range_west;
  std::string rx_altitude, rx_loss, rx_impedance;
  std::string tx_altitude, tx_loss, tx_power, tx_frequency;
  std::string antenna_gain, antenna_angle, pattern_file;
  std::string flag_reduction, removal;
};

std::vector<std::string> ProjectLines(const ProjectLineValues& v) {
  auto line = [](const char* key, const std::string& value) { return std::string(key) + value; };
  return {kEqualsLine,
          line(kKeyProjectName, v.name),
          kHyphenLine,
          line(kKeyCoarse, v.coarse),
          line(kKeyCompensation, v.compensation),
          kHyphenLine,
          line(kKeyLatitude, v.latitude),
          line(kKeyLongitude, v.longitude),
          kHyphenLine,
          line(kKeyRangeNorth, v.range_north),
          line(kKeyRangeSouth, v.range_south),
          line(kKeyRangeEast, v.range_east),
          line(kKeyRangeWest, v.range_west),
          kHyphenLine,
          line(kKeyRxAltitude, v.rx_altitude),
          line(kKeyRxLoss, v.rx_loss),
          line(kKeyRxImpedance, v.rx_impedance),
          kHyphenLine,
          line(kKeyTxAltitude, v.tx_altitude),
          line(kKeyTxLoss, v.tx_loss),
          line(kKeyTxPower, v.tx_power),
          line(kKeyTxFrequency, v.tx_frequency),
          kHyphenLine,
          line(kKeyAntennaGain, v.antenna_gain),
          line(kKeyAntennaAngle, v.antenna_angle),
          line(kKeyPatternFile, v.pattern_file),
          kHyphenLine,
          line(kKeyFlagReduction, v.flag_reduction),
          line(kKeyRemoval, v.removal),
          kEqualsLine};
}

std::string Gapped(const std::string& value) { return kGap + value; }
std::string Integer(int32_t value) { return Gapped(Format("%d", value)); }
std::string TwoDecimals(double value) { return Gapped(Format("%4.2f", value)); }
// Degrees and minutes rounded and zero-padded, seconds with five decimals.
std::string DmsText(const Dms& dms) {
  return Gapped(Format("%03.0f %02.0f %02.5f", dms.degrees, dms.minutes, dms.seconds));
}

}  // namespace

bool WriteProjectFile(const std::string& path, const ProjectParameters& p, MessageSink& sink) {
  sink.SetMessageText(Utf8ToCp932(path));
  ProjectLineValues v;
  v.name = Gapped(p.Project_Name);
  v.coarse = Integer(p.Coarse);
  v.compensation = Integer(p.Compensation);
  v.latitude = DmsText(p.Source_North_latitude);
  v.longitude = DmsText(p.Source_East_longitude);
  v.range_north = Integer(p.Range_North);
  v.range_south = Integer(p.Range_South);
  v.range_east = Integer(p.Range_East);
  v.range_west = Integer(p.Range_West);
  v.rx_altitude = TwoDecimals(p.Rx_Altitude);
  v.rx_loss = TwoDecimals(p.Rx_Loss);
  v.rx_impedance = TwoDecimals(p.Rx_Impedance);
  v.tx_altitude = TwoDecimals(p.Tx_Altitude);
  v.tx_loss = TwoDecimals(p.Tx_Loss);
  v.tx_power = TwoDecimals(p.Tx_Power);
  v.tx_frequency = Gapped(Format("%f", p.Tx_Frequency));
  v.antenna_gain = TwoDecimals(p.Antenna_Gain);
  v.antenna_angle = TwoDecimals(p.Antenna_Angle);
  v.pattern_file = Gapped(p.Antenna_Pattern_File);
  v.flag_reduction = Integer(p.Flag_Reduction);
  v.removal = Gapped(Format("%g", p.Removal_of_Abnormal_Data));
  return WriteTextLines(path, ProjectLines(v), sink);
}

// The default Dorx.xix holds literal lines: some values stand after fewer
// than four blanks ("   50.00", "  100.00").
bool WriteDefaultProjectFile(const std::string& path, MessageSink& sink) {
  sink.SetMessageText(Utf8ToCp932(path));
  ProjectLineValues v;
  v.name = "    " + Utf8ToCp932("富士山");
  v.coarse = "    1";
  v.compensation = "    0";
  v.latitude = "    035 21 38.40";
  v.longitude = "    138 43 38.40";
  v.range_north = v.range_south = v.range_east = v.range_west = "    320";
  v.rx_altitude = "    1.80";
  v.rx_loss = "    2.00";
  v.rx_impedance = "   50.00";
  v.tx_altitude = "   40.00";
  v.tx_loss = "   20.50";
  v.tx_power = "  100.00";
  v.tx_frequency = "  500.00";
  v.antenna_gain = "    4.00";
  v.antenna_angle = "    0.00";
  v.pattern_file = "    !";
  v.flag_reduction = "    0";
  v.removal = "  300.00";
  return WriteTextLines(path, ProjectLines(v), sink);
}

}  // namespace dorx
