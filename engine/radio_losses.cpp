#include "engine/radio_losses.h"

#include <cmath>

namespace dorx {

double FreeSpaceLoss_dB(double distance_m, double frequency_MHz) {
  return 20 * std::log10(kFourPi * distance_m * frequency_MHz * (1 / kLightSpeed_Mm_per_s));
}

double KnifeEdgeLoss_dB(double nu) {
  if (nu > 1) return 20 * std::log10(kTwoPi * nu * (1 + 1 / (17 * (nu * nu * nu * nu) + 6)));
  if (-0.5 <= nu && nu <= 1) return 6.02 + 12.32 * nu - 3.63 * (nu * nu * nu) + 1.63 * (nu * nu * nu * nu);
  return 0;
}

}  // namespace dorx
