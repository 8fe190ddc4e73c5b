#pragma once
// The synthetic landscape of the demo terrain: a volcano of about 3,700 m
// with a crater near 35 21'38"N 138 43'38"E, hills and valleys around it and
// a sea towards the south-east. Integer arithmetic only, so every machine
// writes the same tiles.
#include <cstdint>

namespace dorx::demo {

inline constexpr int32_t kSea = -9999;  // no data, as the tiles mark it

// Elevation in 0.1 m of the point at `lat_cs` and `lon_cs` (hundredths of an
// arc-second of latitude and longitude), or kSea.
int32_t DemoElevation(int64_t lat_cs, int64_t lon_cs);

}  // namespace dorx::demo
