#pragma once
// The 488-byte header of a result file (.dorx / .dorw), little-endian.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "files/project_parameters.h"

namespace dorx {

inline constexpr size_t kResultHeaderBytes = 488;
inline constexpr size_t kRecordBytes = 160;

struct ResultHeader {
  std::string Project_Name;          // CP932, at most 127 bytes are stored
  std::string Antenna_Pattern_File;  // CP932, at most 127 bytes are stored
  std::string FormatTag = "S8";
  int8_t Flag_Reduction = 0;
  int8_t Coarse = 1;
  int8_t Compensation = 0;
  Dms latitude;   // station, JGD2000, after the terrain pass (and Compensation)
  Dms longitude;
  double SourceLatSeconds = 0.0;
  double SourceLonSeconds = 0.0;
  int32_t SourceElevation = 0;  // 0.1 m
  int32_t Range_North = 0;
  int32_t Range_South = 0;
  int32_t Range_East = 0;
  int32_t Range_West = 0;
  double Rx_Altitude = 0.0;
  double Rx_Loss = 0.0;
  double Rx_Impedance = 0.0;
  double Tx_Altitude = 0.0;
  double Tx_Loss = 0.0;
  double Tx_Power = 0.0;
  double Tx_Frequency = 0.0;
  double Antenna_Gain = 0.0;
  double Antenna_Angle = 0.0;
  double ImageHeight = 0.0;
  double ImageWidth = 0.0;
  double ElevationMax = 0.0;
  double ElevationMin = 0.0;
  double WaterLevel = 0.0;
};

std::array<uint8_t, kResultHeaderBytes> EncodeResultHeader(const ResultHeader& header);

// Reads what the bytes cover (a short file gives fewer than 488): every byte
// of the header not covered keeps the value `header` already holds.
void DecodeResultHeader(std::span<const uint8_t> bytes, ResultHeader& header);

}  // namespace dorx

namespace dorx {

// Whether the header could have come from a calculation run: format tag,
// Coarse, ranges within the limits of a run, a map size within what the ranges
// give, finite sizes and elevations. Drawing refuses any other header, so no
// picture is ever sized from an untrusted file.
bool ResultHeaderIsPlausible(const ResultHeader& header);

}  // namespace dorx
