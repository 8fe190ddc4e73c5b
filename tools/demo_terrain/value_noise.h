#pragma once
// Smooth pseudo-random fields in integer arithmetic: the same position gives
// the same value on every machine and in every run.
#include <cstdint>

namespace dorx::demo {

inline constexpr int64_t kNoiseOne = 1024;  // fixed-point 1.0 of the noise values

// Floor division and the square root, in integers.
int64_t FloorDiv(int64_t n, int64_t d);
int64_t IntegerSqrt(int64_t n);

// Value noise: hashed lattice values in [-1024, 1024] at a spacing of
// `spacing` units, blended with a smoothstep, so the field is continuous with
// a continuous slope. `seed` picks an independent field.
int64_t ValueNoise(int64_t x, int64_t y, int64_t spacing, uint32_t seed);

}  // namespace dorx::demo
