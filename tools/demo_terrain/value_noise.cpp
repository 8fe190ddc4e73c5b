#include "tools/demo_terrain/value_noise.h"

namespace dorx::demo {
namespace {

// A well-mixed 32-bit hash of a lattice point.
int64_t LatticeValue(int64_t ix, int64_t iy, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(ix) * 374761393u + static_cast<uint32_t>(iy) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return static_cast<int64_t>(h % 2049u) - kNoiseOne;
}

// 3t^2 - 2t^3 for t in [0, 1024], in the same fixed point.
int64_t Smoothstep(int64_t t) { return t * t * (3 * kNoiseOne - 2 * t) / (kNoiseOne * kNoiseOne); }

int64_t Blend(int64_t from, int64_t to, int64_t weight) { return from + (to - from) * weight / kNoiseOne; }

}  // namespace

int64_t FloorDiv(int64_t n, int64_t d) {
  const int64_t q = n / d;
  return (n % d != 0 && (n < 0) != (d < 0)) ? q - 1 : q;
}

int64_t IntegerSqrt(int64_t n) {
  if (n <= 0) return 0;
  int64_t lo = 0, hi = 3037000500;  // hi * hi exceeds every int64 square
  while (lo < hi) {
    const int64_t mid = lo + (hi - lo + 1) / 2;
    if (mid <= n / mid) lo = mid;
    else hi = mid - 1;
  }
  return lo;
}

int64_t ValueNoise(int64_t x, int64_t y, int64_t spacing, uint32_t seed) {
  const int64_t ix = FloorDiv(x, spacing), iy = FloorDiv(y, spacing);
  const int64_t wx = Smoothstep((x - ix * spacing) * kNoiseOne / spacing);
  const int64_t wy = Smoothstep((y - iy * spacing) * kNoiseOne / spacing);
  const int64_t south = Blend(LatticeValue(ix, iy, seed), LatticeValue(ix + 1, iy, seed), wx);
  const int64_t north = Blend(LatticeValue(ix, iy + 1, seed), LatticeValue(ix + 1, iy + 1, seed), wx);
  return Blend(south, north, wy);
}

}  // namespace dorx::demo
