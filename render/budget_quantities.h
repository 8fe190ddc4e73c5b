#pragma once
// What the number of a field-strength result is, and the quantities derived
// from it. A result cell stores (slot 12) the budget
//
//   S = 10 log10(Tx_Power) + Antenna_Gain + 10 log10(pattern factor)
//       - (Tx_Loss + Rx_Loss + L0 + J) + 10 log10(4 Rx_Impedance) + 90
//
// with Tx_Power in W, L0 the free-space loss and J the diffraction loss in dB.
// The first line less the losses is the power P in dBW that a 0 dBi receiving
// antenna delivers behind its feeder (Rx_Loss); 10 log10(4 R P) is the
// open-circuit voltage, in dB(V), of a source of resistance R that delivers P
// into a matched load. So S = that voltage in dB(uV) - 30 dB: the constant 90
// is the one of dB(uV) for a power in mW, applied to a power in W. S is not a
// field strength; the two functions below give the field strength at the
// receiving antenna and the received power from it.
namespace dorx {

// The received power behind the receiving feeder, dBm:
//   P_dBW = S - 10 log10(4 Rx_Impedance) - 90, P_dBm = P_dBW + 30.
double ReceivedPower_dBm(double stored_value, double rx_impedance_ohm);

// The electric field strength at the receiving antenna, dB(uV/m), for the
// 0 dBi antenna of the budget. Free-space relation of ITU-R P.525 between the
// power an antenna of gain g takes and the field strength E (V/m) it is in:
//   P_W = E^2 / (120 pi) x lambda^2 g / (4 pi),
// so E_dB(uV/m) = P_dBW - G_dBi - 20 log10(lambda_m) + 10 log10(480 pi^2) + 120,
// where the antenna takes P_dBW + Rx_Loss and lambda = 299.792458 / f_MHz m.
double FieldStrength_dBuVm(double stored_value, double rx_impedance_ohm, double rx_loss_dB, double frequency_MHz);


}  // namespace dorx
