#include "render/budget_quantities.h"

#include <cmath>
#include <numbers>

namespace dorx {
namespace {

constexpr double kLightSpeed_Mm_per_s = 299.792458;  // wavelength in m = this / MHz
constexpr double kReceivingGain_dBi = 0.0;           // the budget has no receiving antenna gain

double ReceivedPower_dBW(double stored_value, double rx_impedance_ohm) {
  return stored_value - 10 * std::log10(4 * rx_impedance_ohm) - 90;
}

}  // namespace

double ReceivedPower_dBm(double stored_value, double rx_impedance_ohm) {
  return ReceivedPower_dBW(stored_value, rx_impedance_ohm) + 30;
}

double FieldStrength_dBuVm(double stored_value, double rx_impedance_ohm, double rx_loss_dB, double frequency_MHz) {
  const double antenna_power_dBW = ReceivedPower_dBW(stored_value, rx_impedance_ohm) + rx_loss_dB;
  const double wavelength_m = kLightSpeed_Mm_per_s / frequency_MHz;
  const double pi = std::numbers::pi;
  return antenna_power_dBW - kReceivingGain_dBi - 20 * std::log10(wavelength_m) + 10 * std::log10(480 * pi * pi) + 120;
}

}  // namespace dorx
