#pragma once
// The two propagation losses of the field-strength calculation.

namespace dorx {

inline constexpr double kFourPi = 12.566370616;
inline constexpr double kTwoPi = 6.283185308;
inline constexpr double kLightSpeed_Mm_per_s = 299.792458;  // wavelength in m = this / MHz
// 1 / (2 k R) per m with k = 4/3 and R = 6378137 m: the earth bulge d1 d2 / (2 k R).
inline constexpr double kBulge_per_m = 5.879459785827743e-08;

// Free-space loss of ITU-R P.525, 20 log10(4 pi d f / c), d in m, f in MHz.
double FreeSpaceLoss_dB(double distance_m, double frequency_MHz);

// Single knife-edge diffraction loss J(nu): the approximation of ITU-R P.526
// (Lee's form): 20 log10(2 pi nu (1 + 1 / (17 nu^4 + 6))) above nu = 1, the
// polynomial 6.02 + 12.32 nu - 3.63 nu^3 + 1.63 nu^4 from -0.5 to 1, and no
// loss below -0.5.
double KnifeEdgeLoss_dB(double nu);

}  // namespace dorx
