#pragma once
// The colour scales of every picture: terrain grey, the field-strength and
// water-level hue ramps, the stepped value. Each operation writes the shared
// colour state CurrentColour, or leaves it unchanged where it does not colour.
#include "engine/context.h"
#include "files/settings.h"

namespace dorx {

// H in degrees, S and V in 0..1 (values above 1 count as 1).
void HsvToRgb(double H, double S, double V, Rgb& CurrentColour);
// e in metres; SeaColour at or below -10 m.
void TerrainGrey(double e_m, double ElevationMin, double ElevationMax, Rgb SeaColour, Rgb& CurrentColour);
// x in dBuV/m; unchanged below DrawLowerLimit.
void FieldColour(double x, const DrawingSettings& drawing, Rgb& CurrentColour);
// x a flood depth in m; unchanged at -10 or below and below DrawLowerLimit.
void WaterColour(double x, const DrawingSettings& drawing, Rgb& CurrentColour);
// x reduced to the step below it: DrawStep x cut(x / DrawStep - 0.5).
double SteppedValue(double x, double DrawStep);

}  // namespace dorx
