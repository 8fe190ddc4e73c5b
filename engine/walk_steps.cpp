#include "engine/walk_steps.h"

#include <vector>

#include "platform/cut.h"

namespace dorx {
namespace {

// 65,536 steps carry a walk 6,553 cells far; a longer one steps on its own.
constexpr size_t kTableSteps = size_t{1} << 16;

struct Table {
  std::vector<double> position;
  std::vector<uint32_t> first_step;
  WalkSteps view;

  Table() {
    position.resize(kTableSteps);
    double a = 0;
    position[0] = a;
    for (size_t k = 1; k < kTableSteps; ++k) {
      a = a + 0.1;  // exactly as the walk adds its step
      position[k] = a;
    }
    const int32_t last_cell = CutToInt(position.back());
    for (int32_t m = 0, k = 0; m <= last_cell + 1; ++m) {
      while (static_cast<size_t>(k) < kTableSteps && CutToInt(position[static_cast<size_t>(k)]) < m) ++k;
      first_step.push_back(static_cast<uint32_t>(k));
    }
    view = WalkSteps{position, first_step};
  }
};

}  // namespace

const WalkSteps& TheWalkSteps() {
  static const Table table;
  return table.view;
}

}  // namespace dorx
