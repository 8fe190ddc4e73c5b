#pragma once
// Integer quotients rounded in a stated direction, exact for any product of
// two 32-bit differences (the operands are 128-bit).
#include <cstdint>

namespace dorx {

using Wide = __int128;

// floor(num / den) for den > 0.
inline Wide FloorDivide(Wide num, Wide den) {
  return num >= 0 ? num / den : -((-num + den - 1) / den);
}

// ceil(num / den) for den > 0.
inline Wide CeilDivide(Wide num, Wide den) { return -FloorDivide(-num, den); }

// The integer nearest to num / den for den > 0; a tie goes to the smaller one.
inline Wide RoundHalfDown(Wide num, Wide den) { return CeilDivide(2 * num - den, 2 * den); }

}  // namespace dorx
