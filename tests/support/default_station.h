#pragma once
// The transmitter and receiver of the default project (Dorx.xix): 40 m mast,
// 20.5 dB feeder loss, 100 W at 500 MHz, 4 dBi; receiver 1.8 m, 2 dB, 50 ohm.
// Tests put it at their own position and area.
#include "files/project_parameters.h"

namespace dorx::test {

inline void SetDefaultRadio(ProjectParameters& p) {
  p.Rx_Altitude = 1.8;
  p.Rx_Loss = 2.0;
  p.Rx_Impedance = 50.0;
  p.Tx_Altitude = 40.0;
  p.Tx_Loss = 20.5;
  p.Tx_Power = 100.0;
  p.Tx_Frequency = 500.0;
  p.Antenna_Gain = 4.0;
}

}  // namespace dorx::test
