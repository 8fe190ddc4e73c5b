#include <cmath>

#include "engine/path_profile.h"
#include "engine/radio_losses.h"

namespace dorx {

FieldSetup MakeFieldSetup(const Context& ctx) {
  const ProjectParameters& p = ctx.params;
  FieldSetup s;
  const Dms& lat = p.Source_North_latitude;
  const Dms& lon = p.Source_East_longitude;
  s.origin_lat_arcsec = lat.degrees * 3600 + lat.minutes * 60 + CutToInt(lat.seconds);
  s.origin_lon_arcsec = lon.degrees * 3600 + lon.minutes * 60 + CutToInt(lon.seconds);
  s.tx_antenna_height_m = TxAntennaHeight_m(ctx.run.SourceElevation, p.Tx_Altitude);
  s.rx_altitude_m = p.Rx_Altitude;
  s.south = p.Range_South;
  s.north = p.Range_North;
  s.west = p.Range_West;
  s.east = p.Range_East;
  s.tx_power_W = p.Tx_Power;
  s.antenna_gain_dB = p.Antenna_Gain;
  s.tx_loss_dB = p.Tx_Loss;
  s.rx_loss_dB = p.Rx_Loss;
  s.rx_impedance_ohm = p.Rx_Impedance;
  s.frequency_MHz = p.Tx_Frequency;
  return s;
}

void ResetProfile(PathProfile& path, const CellRecord& cell, const FieldSetup& setup) {
  path = PathProfile{};
  path.h1_m = setup.tx_antenna_height_m;
  path.h2_m = GroundHeight_m(cell.slot[kElevation]) + setup.rx_altitude_m;
  path.cell_distance_m = cell.slot[kDistance];
}

double ComputeFieldStrength(const CellRecord& cell, const PathProfile& path, const FieldSetup& setup) {
  const double h1 = path.h1_m;
  const double h2 = path.h2_m;
  const double d = cell.slot[kDistance];
  const double f = setup.frequency_MHz;
  const double l0 = FreeSpaceLoss_dB(cell.slot[kAntennaDistance], f);
  double j = 0;
  if (path.obstacle_count > 0) {
    const double dk = path.highest_distance_m;
    // The direct line at the obstacle, lowered by the earth bulge, and the
    // radius of the first Fresnel zone there.
    const double z = ((d - dk) * h1 + h2 * dk) / d - (d - dk) * dk * kBulge_per_m;
    const double fresnel = std::sqrt(std::fabs(d - dk) * dk / d * (kLightSpeed_Mm_per_s / f));
    if (fresnel > 0) j = j + KnifeEdgeLoss_dB((path.highest_elevation * 0.1 - z) / fresnel);
  }
  return 10 * std::log10(setup.tx_power_W) + setup.antenna_gain_dB + 10 * std::log10(cell.slot[kPatternFactor]) -
         (setup.tx_loss_dB + setup.rx_loss_dB + l0 + j) + 10 * std::log10(4 * setup.rx_impedance_ohm) + 90;
}

}  // namespace dorx
