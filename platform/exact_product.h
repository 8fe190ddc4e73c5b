#pragma once
// Exact comparison of two products of unsigned 128-bit numbers, for distance
// tests whose squares exceed 128 bits (a 2^67 cross product squared).
#include <cstdint>

namespace dorx {

using UnsignedWide = unsigned __int128;

// a * b as a 256-bit number: high and low 128 bits.
struct Product256 {
  UnsignedWide high;
  UnsignedWide low;
};

inline Product256 Multiply256(UnsignedWide a, UnsignedWide b) {
  const UnsignedWide a0 = static_cast<uint64_t>(a), a1 = a >> 64;
  const UnsignedWide b0 = static_cast<uint64_t>(b), b1 = b >> 64;
  const UnsignedWide p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
  const UnsignedWide middle =
      (p00 >> 64) + static_cast<uint64_t>(p01) + static_cast<uint64_t>(p10);  // below 3 * 2^64
  const UnsignedWide low = static_cast<uint64_t>(p00) | (middle << 64);
  const UnsignedWide high = p11 + (p01 >> 64) + (p10 >> 64) + (middle >> 64);
  return {high, low};
}

// a * b <= c * d, exactly.
inline bool ProductAtMost(UnsignedWide a, UnsignedWide b, UnsignedWide c, UnsignedWide d) {
  const Product256 left = Multiply256(a, b);
  const Product256 right = Multiply256(c, d);
  return left.high != right.high ? left.high < right.high : left.low <= right.low;
}

}  // namespace dorx
