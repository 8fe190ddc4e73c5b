// The quantities behind the map's number: a line-of-sight cell computed by the
// field-strength pass, and the field strength and received power derived
// from its stored value, against a free-space computation made here from the
// station's equipment alone (E = sqrt(30 EIRP) / d, P = E^2 lambda^2 / (480 pi^2)
// behind the receiving feeder).
#include "render/budget_quantities.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/path_profile.h"
#include "support/default_station.h"

namespace dorx {
namespace {

struct Radio {
  double power_W, gain_dBi, tx_loss_dB, rx_loss_dB, impedance_ohm, frequency_MHz;
};

struct FreeSpace {
  double field_dBuVm;
  double power_dBm;
};

// Far-field free space from an isotropic radiator of EIRP p: power density
// p / (4 pi d^2) = E^2 / (120 pi), so E = sqrt(30 p) / d; a 0 dBi antenna of
// effective area lambda^2 / (4 pi) takes E^2 lambda^2 / (480 pi^2).
FreeSpace FreeSpaceAt(const Radio& r, double distance_m) {
  const double pi = std::numbers::pi;
  const double eirp_W = r.power_W * std::pow(10.0, (r.gain_dBi - r.tx_loss_dB) / 10);
  const double field_V_per_m = std::sqrt(30 * eirp_W) / distance_m;
  const double wavelength_m = 299.792458 / r.frequency_MHz;
  const double antenna_W = field_V_per_m * field_V_per_m * wavelength_m * wavelength_m / (480 * pi * pi);
  const double receiver_W = antenna_W / std::pow(10.0, r.rx_loss_dB / 10);
  return {20 * std::log10(field_V_per_m * 1e6), 10 * std::log10(receiver_W * 1e3)};
}

// The stored value of a cell at that antenna distance with a clear path, as
// the field-strength pass computes it.
double StoredValue(const Radio& r, double distance_m) {
  FieldSetup setup;
  setup.tx_power_W = r.power_W;
  setup.antenna_gain_dB = r.gain_dBi;
  setup.tx_loss_dB = r.tx_loss_dB;
  setup.rx_loss_dB = r.rx_loss_dB;
  setup.rx_impedance_ohm = r.impedance_ohm;
  setup.frequency_MHz = r.frequency_MHz;
  CellRecord cell;
  cell.Clear();
  cell.slot[kElevation] = 0;
  cell.slot[kDistance] = distance_m;
  cell.slot[kAntennaDistance] = distance_m;
  cell.slot[kPatternFactor] = 1.0;
  PathProfile path;
  ResetProfile(path, cell, setup);
  return ComputeFieldStrength(cell, path, setup);
}

Radio DefaultRadio() {
  ProjectParameters p;
  test::SetDefaultRadio(p);
  return {p.Tx_Power, p.Antenna_Gain, p.Tx_Loss, p.Rx_Loss, p.Rx_Impedance, p.Tx_Frequency};
}

TEST(BudgetQuantities, ALineOfSightCellGivesTheFreeSpaceFieldStrengthAndPower) {
  struct Row {
    const char* what;
    Radio radio;
    double distance_m;
  };
  const Row rows[] = {
      {"default station, 10 km (the map shows 8.08 there)", DefaultRadio(), 10000},
      {"default station, 1 km", DefaultRadio(), 1000},
      {"default station, 30 km", DefaultRadio(), 30000},
      {"10 W at 80 MHz, 75 ohm, no losses", {10, 0, 0, 0, 75, 80}, 5000},
      {"1 kW at 2 GHz, 12 dBi, 3 dB and 1 dB feeders, 50 ohm", {1000, 12, 3, 1, 50, 2000}, 20000},
  };
  for (const Row& row : rows) {
    const Radio& r = row.radio;
    const double stored = StoredValue(r, row.distance_m);
    const FreeSpace expected = FreeSpaceAt(r, row.distance_m);
    // The engine's 4 pi is 12.566370616: 4e-10 dB from the exact one.
    EXPECT_NEAR(FieldStrength_dBuVm(stored, r.impedance_ohm, r.rx_loss_dB, r.frequency_MHz), expected.field_dBuVm, 1e-8)
        << row.what;
    EXPECT_NEAR(ReceivedPower_dBm(stored, r.impedance_ohm), expected.power_dBm, 1e-8) << row.what;
  }
}

TEST(BudgetQuantities, TheStoredValueIsTheOpenCircuitVoltageInDbMicrovoltLess30) {
  const Radio r = DefaultRadio();
  const double stored = StoredValue(r, 10000);
  EXPECT_NEAR(stored, 8.08, 0.005) << "the budget's own example: 20 + 4 + 0 - 128.93 + 23.01 + 90";
  // A source of resistance R delivering P into a matched load has the EMF sqrt(4 R P).
  const double receiver_W = std::pow(10.0, (ReceivedPower_dBm(stored, r.impedance_ohm) - 30) / 10);
  const double emf_dBuV = 20 * std::log10(std::sqrt(4 * r.impedance_ohm * receiver_W) * 1e6);
  EXPECT_NEAR(stored, emf_dBuV - 30, 1e-9);
  EXPECT_NEAR(FieldStrength_dBuVm(stored, r.impedance_ohm, r.rx_loss_dB, r.frequency_MHz) - stored, 50.19, 0.005)
      << "10 km from the default station the field strength is about 58.3 dBuV/m";
}

}  // namespace
}  // namespace dorx
