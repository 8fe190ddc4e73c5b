#pragma once
// The positions of the profile walk, computed once. Every walk starts at 0
// and adds 0.1 step after step, so step k lands at the same position in every
// walk; a walk to the south or west subtracts instead and lands on the
// negated positions, since rounding to nearest is symmetric about zero.
#include <cstdint>
#include <span>

namespace dorx {

struct WalkSteps {
  // position[k]: where step k lands on the walk's main axis; position[0] = 0.
  std::span<const double> position;
  // first_step[m]: the first step whose position cut toward zero is m or
  // more, m = 0 .. (cut of the last position) + 1; the last entry is the
  // number of positions.
  std::span<const uint32_t> first_step;
};

// The table, built at the first call (safe from several threads).
const WalkSteps& TheWalkSteps();

}  // namespace dorx
