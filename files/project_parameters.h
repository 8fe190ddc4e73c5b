#pragma once
// The parameter set of one calculation, named by the keys of the project file.
// Texts (Project_Name, Antenna_Pattern_File) are CP932 bytes; AntennaPatternPath
// is a native path.
#include <cstddef>
#include <cstdint>
#include <string>

namespace dorx {

// Degrees, minutes and seconds of a latitude or longitude.
struct Dms {
  double degrees = 0.0;
  double minutes = 0.0;
  double seconds = 0.0;
};

inline constexpr size_t kMaxTextBytes = 1023;  // names and paths: 1,024-byte buffers
inline const char* const kNoPattern = "!";

struct ProjectParameters {
  std::string Project_Name = "*";
  int8_t Coarse = 1;
  int8_t Compensation = 0;
  Dms Source_North_latitude;
  Dms Source_East_longitude;
  int32_t Range_North = 0;
  int32_t Range_South = 0;
  int32_t Range_East = 0;
  int32_t Range_West = 0;
  double Rx_Altitude = 0.0;
  double Rx_Loss = 0.0;
  double Rx_Impedance = 50.0;
  double Tx_Altitude = 0.0;
  double Tx_Loss = 0.0;
  double Tx_Power = 0.0;
  double Tx_Frequency = 0.0;
  double Antenna_Gain = 0.0;
  double Antenna_Angle = 0.0;
  std::string Antenna_Pattern_File = kNoPattern;
  int8_t Flag_Reduction = 0;
  double Removal_of_Abnormal_Data = 300.0;

  // Held beside the project values, not stored in the project file.
  double WaterLevel = 0.0;                    // m, flood mode
  std::string AntennaPatternPath = kNoPattern;  // full path of the chosen pattern file
};

// The start-up values (ResetParameters): WaterLevel is 10 in flood mode.
ProjectParameters StartUpParameters(int flood_mode);

}  // namespace dorx
