#include "render/colour_scales.h"

#include <cmath>

#include "platform/cut.h"

namespace dorx {
namespace {

constexpr Rgb kWhiteRgb{255, 255, 255};
constexpr Rgb kBlackRgb{0, 0, 0};

// The fraction of the way from the lower to the upper limit of x, which is
// already clipped to the range. With both limits equal every value that got
// here is at the upper limit, so it takes the upper limit's colour instead of
// dividing by zero.
double RampFraction(double x, double lower, double upper) {
  if (upper == lower) return 1.0;
  return (x - lower) / (upper - lower);
}

}  // namespace

void HsvToRgb(double H, double S, double V, Rgb& CurrentColour) {
  CurrentColour = kWhiteRgb;
  if (S > 1) S = 1;
  if (V > 1) V = 1;
  // A NaN saturation or value (only from broken settings) counts as 0, so no
  // NaN reaches a conversion to an integer.
  if (std::isnan(S)) S = 0;
  if (std::isnan(V)) V = 0;
  if (S == 0) {
    const uint8_t g = CutToByte(V * 255);
    CurrentColour = Rgb{g, g, g};
    return;
  }
  // Outside 0..360, and NaN, is hue 0.
  const double h = (H >= 0 && H <= 360) ? H : 0;
  const double h6 = h * (1.0 / 60);
  const int32_t i = CutToInt(h6);
  const double f = h6 - i;
  const int64_t v = CutToInt64(V * 255);
  const int64_t p = CutToInt64(v * (1 - S));
  const int64_t q = CutToInt64(v * (1 - f * S));
  const int64_t t = CutToInt64(v * (1 - (1 - f) * S));
  auto rgb = [](int64_t r, int64_t g, int64_t b) {
    return Rgb{static_cast<uint8_t>(r & 0xFF), static_cast<uint8_t>(g & 0xFF), static_cast<uint8_t>(b & 0xFF)};
  };
  switch (i) {
    case 0: CurrentColour = rgb(v, t, p); break;
    case 1: CurrentColour = rgb(q, v, p); break;
    case 2: CurrentColour = rgb(p, v, t); break;
    case 3: CurrentColour = rgb(p, q, v); break;
    case 4: CurrentColour = rgb(t, p, v); break;
    case 5: CurrentColour = rgb(v, p, q); break;
    default: CurrentColour = kBlackRgb; break;  // only h = 360
  }
}

void TerrainGrey(double e_m, double ElevationMin, double ElevationMax, Rgb SeaColour, Rgb& CurrentColour) {
  if (e_m <= -10) {
    CurrentColour = SeaColour;
    return;
  }
  // One constant elevation (max = min) is the lowest grey; so is a NaN
  // elevation from a damaged record.
  const double span = ElevationMax - ElevationMin;
  const double shade = span == 0 ? 0.0 : (e_m - ElevationMin) * 191 / span;
  // The sum is taken in unsigned arithmetic: only its low 8 bits count, and a
  // saturated cut (an elevation far beyond a tiny range) must not overflow.
  const int64_t cut = std::isnan(shade) ? 0 : CutToInt64(shade);
  const uint8_t g = static_cast<uint8_t>((static_cast<uint64_t>(cut) + 64u) & 0xFFu);
  CurrentColour = Rgb{g, g, g};
}

void FieldColour(double x, const DrawingSettings& drawing, Rgb& CurrentColour) {
  if (!(x >= drawing.DrawLowerLimit)) return;
  if (drawing.DrawUpperLimit < x) x = drawing.DrawUpperLimit;
  const double t = RampFraction(x, drawing.DrawLowerLimit, drawing.DrawUpperLimit);
  HsvToRgb((1 - t) * 255, 1, 1, CurrentColour);
}

void WaterColour(double x, const DrawingSettings& drawing, Rgb& CurrentColour) {
  if (!(x > -10)) return;
  if (!(x >= drawing.DrawLowerLimit)) return;
  if (x >= drawing.DrawUpperLimit) x = drawing.DrawUpperLimit;
  const double t = RampFraction(x, drawing.DrawLowerLimit, drawing.DrawUpperLimit);
  HsvToRgb(240 - 80 * (1 - t), 1, 1, CurrentColour);
}

double SteppedValue(double x, double DrawStep) {
  // A step of 0 has no steps: the value stays as it is (and 0 / 0 never
  // reaches the cut). A NaN value stays NaN, so it colours nothing.
  if (DrawStep == 0) return x;
  const double q = x / DrawStep - 0.5;
  if (std::isnan(q)) return q;
  return DrawStep * static_cast<double>(CutToInt64(q));
}

}  // namespace dorx
