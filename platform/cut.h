#pragma once
// Conversions from a real to an integer cut toward zero. A plain cast of NaN
// or of a value beyond the integer range is undefined; these never are: NaN
// gives 0 and values beyond the range saturate.
#include <cmath>
#include <cstdint>

namespace dorx {

inline int32_t CutToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 2147483647.0) return INT32_MAX;
  if (value <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(value);
}

inline int64_t CutToInt64(double value) {
  if (std::isnan(value)) return 0;
  if (value >= 9.2233720368547748e18) return INT64_MAX;
  if (value <= -9.2233720368547758e18) return INT64_MIN;
  return static_cast<int64_t>(value);
}

// A cut value that becomes a colour byte keeps its low 8 bits.
inline uint8_t CutToByte(double value) {
  return static_cast<uint8_t>(static_cast<uint32_t>(CutToInt64(value)) & 0xFFu);
}

}  // namespace dorx
