#include "engine/result_header_writer.h"

namespace dorx {

ResultHeader ResultHeaderOf(const Context& ctx) {
  const ProjectParameters& p = ctx.params;
  ResultHeader h;
  h.Project_Name = p.Project_Name;
  h.Antenna_Pattern_File = p.Antenna_Pattern_File;
  h.Flag_Reduction = p.Flag_Reduction;
  h.Coarse = p.Coarse;
  h.Compensation = p.Compensation;
  h.latitude = p.Source_North_latitude;
  h.longitude = p.Source_East_longitude;
  h.SourceLatSeconds = ctx.run.SourceLatSeconds;
  h.SourceLonSeconds = ctx.run.SourceLonSeconds;
  h.SourceElevation = ctx.run.SourceElevation;
  h.Range_North = p.Range_North;
  h.Range_South = p.Range_South;
  h.Range_East = p.Range_East;
  h.Range_West = p.Range_West;
  h.Rx_Altitude = p.Rx_Altitude;
  h.Rx_Loss = p.Rx_Loss;
  h.Rx_Impedance = p.Rx_Impedance;
  h.Tx_Altitude = p.Tx_Altitude;
  h.Tx_Loss = p.Tx_Loss;
  h.Tx_Power = p.Tx_Power;
  h.Tx_Frequency = p.Tx_Frequency;
  h.Antenna_Gain = p.Antenna_Gain;
  h.Antenna_Angle = p.Antenna_Angle;
  h.ImageHeight = ctx.geometry.ImageHeight;
  h.ImageWidth = ctx.geometry.ImageWidth;
  h.ElevationMax = ctx.run.ElevationMax;
  h.ElevationMin = ctx.run.ElevationMin;
  h.WaterLevel = p.WaterLevel;
  return h;
}

void WriteResultHeader(Context& ctx) {
  const auto bytes = EncodeResultHeader(ResultHeaderOf(ctx));
  ctx.store.StoreFileA.WriteAt(0, bytes.data(), bytes.size());
}

}  // namespace dorx
