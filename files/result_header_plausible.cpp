#include <cmath>
#include <cstdint>

#include "files/result_header.h"

namespace dorx {
namespace {

// A run's map is rows x 1.28842 pixels high and columns x 1.93263 x
// cos(latitude) wide (divided by Coarse in wide-area mode); the bounds leave
// a 1 % margin over factors rounded up.
constexpr double kPixelsPerRowBound = 1.2885;
constexpr double kPixelsPerColumnBound = 1.9327;
constexpr double kMargin = 1.01;

bool RangesArePlausible(const ResultHeader& h) {
  // Re-centring on the station's cell can move a range below 10 but keeps the
  // totals; the station's cell lies inside the area, so north and east are >= 1.
  if (h.Range_North < 1 || h.Range_East < 1 || h.Range_South < 0 || h.Range_West < 0) return false;
  const int64_t upper = h.Flag_Reduction == 0 ? 3000 : int64_t{h.Coarse} * 3000;
  const int64_t ns = int64_t{h.Range_North} + h.Range_South;
  const int64_t ew = int64_t{h.Range_East} + h.Range_West;
  return ns >= 200 && ns <= upper && ew >= 200 && ew <= upper;
}

bool MapSizeIsPlausible(const ResultHeader& h) {
  const int64_t ns = int64_t{h.Range_North} + h.Range_South;
  const int64_t ew = int64_t{h.Range_East} + h.Range_West;
  return std::isfinite(h.ImageHeight) && std::isfinite(h.ImageWidth) && h.ImageHeight > 0 &&
         h.ImageWidth > 0 && h.ImageHeight <= static_cast<double>(ns) * kPixelsPerRowBound * kMargin &&
         h.ImageWidth <= static_cast<double>(ew) * kPixelsPerColumnBound * kMargin;
}

}  // namespace

bool ResultHeaderIsPlausible(const ResultHeader& h) {
  return h.FormatTag == "S8" && h.Coarse >= 1 && h.Coarse <= 10 &&
         (h.Flag_Reduction == 0 || h.Flag_Reduction == 1) && RangesArePlausible(h) &&
         MapSizeIsPlausible(h) && std::isfinite(h.ElevationMax) && std::isfinite(h.ElevationMin) &&
         std::isfinite(h.SourceLatSeconds) && std::isfinite(h.SourceLonSeconds);
}

}  // namespace dorx
