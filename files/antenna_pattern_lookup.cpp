#include <algorithm>
#include <cmath>

#include "files/antenna_pattern.h"

namespace dorx {

// The rows are ascending (LoadAntennaPattern sorts them, and the 360-degree
// row is last), so the first row k with angle[k] <= bearing <= angle[k + 1]
// is found by bisection; the result is that of a scan from row 0.
double AntennaPattern::PatternFactorAt(double bearing_deg) const {
  const size_t rows = static_cast<size_t>(count) + 2;
  if (count < 0 || angle.size() < rows || factor.size() < rows) return 1.0;
  const auto begin = angle.begin();
  const auto end = begin + static_cast<std::ptrdiff_t>(rows);
  const int32_t first_not_below = static_cast<int32_t>(std::lower_bound(begin, end, bearing_deg) - begin);
  int32_t k = std::max(0, first_not_below - 1);
  if (!(k <= count - 1 && angle[static_cast<size_t>(k)] <= bearing_deg &&
        bearing_deg <= angle[static_cast<size_t>(k) + 1]))
    k = count;
  const size_t i = static_cast<size_t>(k);
  const double taken = std::fabs(angle[i] - bearing_deg) < std::fabs(angle[i + 1] - bearing_deg)
                           ? factor[i]
                           : factor[i + 1];
  return taken > 0.0 ? taken : 0.0000001;
}

}  // namespace dorx
