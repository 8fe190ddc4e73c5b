#include "render/result_reading.h"

#include <array>

namespace dorx {

std::optional<ResultHeader> ReadPlausibleResultHeader(const Context& ctx) {
  std::array<uint8_t, kResultHeaderBytes> bytes{};
  if (ctx.store.StoreFileA.ReadAt(0, bytes.data(), bytes.size()) < bytes.size()) return std::nullopt;
  ResultHeader header;
  DecodeResultHeader(bytes, header);
  if (!ResultHeaderIsPlausible(header)) return std::nullopt;
  return header;
}

void ApplyResultHeader(const ResultHeader& h, Context& ctx) {
  ProjectParameters& p = ctx.params;
  p.Project_Name = h.Project_Name;
  p.Antenna_Pattern_File = h.Antenna_Pattern_File;
  p.Flag_Reduction = h.Flag_Reduction;
  p.Coarse = h.Coarse;
  p.Compensation = h.Compensation;
  p.Source_North_latitude = h.latitude;
  p.Source_East_longitude = h.longitude;
  p.Range_North = h.Range_North;
  p.Range_South = h.Range_South;
  p.Range_East = h.Range_East;
  p.Range_West = h.Range_West;
  p.Rx_Altitude = h.Rx_Altitude;
  p.Rx_Loss = h.Rx_Loss;
  p.Rx_Impedance = h.Rx_Impedance;
  p.Tx_Altitude = h.Tx_Altitude;
  p.Tx_Loss = h.Tx_Loss;
  p.Tx_Power = h.Tx_Power;
  p.Tx_Frequency = h.Tx_Frequency;
  p.Antenna_Gain = h.Antenna_Gain;
  p.Antenna_Angle = h.Antenna_Angle;
  p.WaterLevel = h.WaterLevel;
  ctx.run.SourceLatSeconds = h.SourceLatSeconds;
  ctx.run.SourceLonSeconds = h.SourceLonSeconds;
  ctx.run.SourceElevation = h.SourceElevation;
  ctx.run.ElevationMax = h.ElevationMax;
  ctx.run.ElevationMin = h.ElevationMin;
  ctx.geometry.ImageHeight = h.ImageHeight;
  ctx.geometry.ImageWidth = h.ImageWidth;
}

}  // namespace dorx
