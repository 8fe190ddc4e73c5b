#include "tools/demo_terrain/demo_elevation.h"

#include <algorithm>

#include "tools/demo_terrain/value_noise.h"

namespace dorx::demo {
namespace {

// Every length and height below is in decimetres (0.1 m), the unit of the
// tile fields.

// The summit, 35 21'38"N 138 43'38"E, in hundredths of an arc-second.
constexpr int64_t kSummitLat_cs = 12729800;
constexpr int64_t kSummitLon_cs = 49941800;
// Metres per arc-second at 35.4 degrees north on a 6,378,137 m sphere:
// 30.87 m of latitude, 30.87 x cos(35.4) = 25.17 m of longitude; so
// decimetres per hundredth of an arc-second, in thousandths:
constexpr int64_t kNorth_dm_per_cs_x1000 = 3087;
constexpr int64_t kEast_dm_per_cs_x1000 = 2517;

struct Offset {
  int64_t north_dm;
  int64_t east_dm;
};

// The cone: a concave profile h = H a / (a + r), steep near the top and
// flattening outwards, lowered so that it meets the plain at kConeEnd.
constexpr int64_t kConeScale = 45000;   // a: 4.5 km
constexpr int64_t kConeHeight = 41200;  // H
constexpr int64_t kConeEnd = 400000;    // 40 km
constexpr int64_t kCraterRadius = 600;  // rim at 60 m from the centre
// Shallow enough that a 40 m mast at the centre sees over the rim.
constexpr int64_t kCraterDepth = 150;   // floor 15 m below the rim

int64_t ConeProfile(int64_t r) {
  if (r >= kConeEnd) return 0;
  return kConeHeight * kConeScale / (kConeScale + r) - kConeHeight * kConeScale / (kConeScale + kConeEnd);
}

// The cone with its crater: inside the rim a bowl, deepest at the centre.
int64_t Volcano(int64_t r) {
  if (r >= kCraterRadius) return ConeProfile(r);
  const int64_t rc2 = kCraterRadius * kCraterRadius;
  return ConeProfile(kCraterRadius) - kCraterDepth * (rc2 - r * r) / rc2;
}

// Ridges and ravines running down the flanks: noise sampled on a circle, so
// that it varies mainly with the direction from the summit, drifting slowly
// with the distance so that the ravines wind; faded in below the rim and out
// towards the plain.
int64_t FlankRavines(const Offset& p, int64_t r) {
  if (r < kCraterRadius) return 0;
  constexpr int64_t kCircle = 14 * 1024;  // about 88 ridges around the mountain
  const int64_t drift = r * 1024 / 50000 + ValueNoise(p.east_dm, p.north_dm, 20000, 13) / 2;
  const int64_t nx = p.east_dm * kCircle / r + drift, ny = p.north_dm * kCircle / r - drift / 2;
  const int64_t ravine = ValueNoise(nx, ny, 1024, 11) + ValueNoise(nx, ny, 384, 12) / 3;
  const int64_t fade = std::min<int64_t>(r - kCraterRadius, 30000) * kNoiseOne / 30000;
  const int64_t wane = kNoiseOne - std::min<int64_t>(r, 130000) * kNoiseOne / 130000;
  return ravine * 600 / kNoiseOne * fade / kNoiseOne * wane / kNoiseOne;
}

// Value noise lines up with its lattice; every octave is therefore turned
// by its own angle, given by a Pythagorean triple (a, b, c): cos = a/c, sin = b/c.
Offset Turned(const Offset& p, int64_t a, int64_t b, int64_t c) {
  return {(b * p.east_dm + a * p.north_dm) / c, (a * p.east_dm - b * p.north_dm) / c};
}

struct Octave {
  int64_t spacing, amplitude;
  int64_t a, b, c;  // the turn
};

// Rolling hills of several sizes around a plain at 300 m.
int64_t Hills(const Offset& p) {
  constexpr Octave kOctaves[] = {{90000, 3500, 3, 4, 5},  {40000, 1600, 5, 12, 13}, {17000, 700, 8, 15, 17},
                                 {7000, 250, 7, 24, 25},  {2500, 60, 20, 21, 29},   {900, 15, 12, 35, 37}};
  int64_t h = 3000;
  uint32_t seed = 1;
  for (const Octave& o : kOctaves) {
    const Offset q = Turned(p, o.a, o.b, o.c);
    h += ValueNoise(q.east_dm, q.north_dm, o.spacing, seed++) * o.amplitude / kNoiseOne;
  }
  return h;
}

// The valleys' field is pushed about by up to 4 km, so that they wind
// rather than follow the lattice. The push changes by at most about 0.25 m
// per metre: more would stretch the field into streaks.
Offset Warped(const Offset& p) {
  return {p.north_dm + ValueNoise(p.east_dm, p.north_dm, 50000, 41) * 40000 / kNoiseOne,
          p.east_dm + ValueNoise(p.east_dm, p.north_dm, 50000, 42) * 40000 / kNoiseOne};
}

// Valleys follow the zero lines of a noise field: long winding channels,
// deepest on the line, U-shaped across.
int64_t ValleyDepth(const Offset& p) {
  constexpr struct {
    int64_t spacing, width, depth;
    uint32_t seed;
    int64_t a, b, c;  // the turn
  } kSystems[] = {{70000, 300, 1600, 21, 33, 56, 65}, {28000, 220, 500, 22, 39, 80, 89}};
  const Offset w = Warped(p);
  int64_t depth = 0;
  for (const auto& s : kSystems) {
    const Offset q = Turned(w, s.a, s.b, s.c);
    const int64_t v = ValueNoise(q.east_dm, q.north_dm, s.spacing, s.seed);
    const int64_t off = v < 0 ? -v : v;
    if (off >= s.width) continue;
    // (1 - t^2)^2 with t = off / width: flat at the bottom and at the rims.
    const int64_t rest = s.width * s.width - off * off;
    depth += s.depth * rest / (s.width * s.width) * rest / (s.width * s.width);
  }
  return depth;
}

// How far beyond the coast the point lies (positive: sea). The coast runs
// from south-west to north-east about 15 km south-east of the summit, with
// bays and capes.
int64_t BeyondCoast(const Offset& p) {
  const int64_t across = (p.east_dm * 10 - p.north_dm * 12) / 16;  // |(10, -12)| = 15.6
  const int64_t wiggle = ValueNoise(p.east_dm, p.north_dm, 40000, 31) * 15000 / kNoiseOne +
                         ValueNoise(p.east_dm, p.north_dm, 12000, 32) * 4000 / kNoiseOne;
  return across - 150000 + wiggle;
}

Offset FromSummit(int64_t lat_cs, int64_t lon_cs) {
  return {(lat_cs - kSummitLat_cs) * kNorth_dm_per_cs_x1000 / 1000,
          (lon_cs - kSummitLon_cs) * kEast_dm_per_cs_x1000 / 1000};
}

}  // namespace

int32_t DemoElevation(int64_t lat_cs, int64_t lon_cs) {
  const Offset p = FromSummit(lat_cs, lon_cs);
  const int64_t beyond = BeyondCoast(p);
  if (beyond > 0) return kSea;

  const int64_t r = IntegerSqrt(p.north_dm * p.north_dm + p.east_dm * p.east_dm);
  const int64_t volcano = Volcano(r) + FlankRavines(p, r);
  // The hills fade out on the mountain, to a fifth above 2,500 m.
  const int64_t hill_weight = kNoiseOne - 800 * std::min<int64_t>(volcano, 25000) / 25000;
  const int64_t land = volcano + (Hills(p) - ValleyDepth(p)) * hill_weight / kNoiseOne;
  // The land sinks to the shore over the last 3 km.
  const int64_t shore = std::min<int64_t>(-beyond, 30000) * kNoiseOne / 30000;
  return static_cast<int32_t>(std::clamp<int64_t>(land * shore / kNoiseOne, 0, 99999));
}

}  // namespace dorx::demo
