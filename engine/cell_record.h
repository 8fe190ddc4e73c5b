#pragma once
// The 160-byte per-cell record: 20 little-endian doubles.
#include <array>
#include <cstdint>

namespace dorx {

inline constexpr double NO_DATA = -9999.0;

struct CellRecord {
  std::array<double, 20> slot;
  void Clear() { slot.fill(NO_DATA); }
};
static_assert(sizeof(CellRecord) == 160, "a cell record is 160 bytes");

// Slot numbers of the record.
enum RecordSlot : int {
  kElevation = 0,        // 0.1 m, -9999 = no data
  kLatitude = 1,         // Tokyo datum, arc-seconds
  kLongitude = 2,
  kLatitudeShift = 3,    // Tokyo -> JGD2000, arc-seconds
  kLongitudeShift = 4,
  kNorthDistance = 5,    // m, positive northwards
  kEastDistance = 6,     // m, positive eastwards
  kDistance = 7,         // horizontal distance from the station, m
  kHalfAngle = 8,        // half the central angle, rad
  kAntennaDistance = 9,  // straight line between the antennas, m
  kLineOfSight = 11,     // 1 clear, -1 obstructed
  kFieldStrength = 12,   // dBuV/m
  kFloodDepth = 13,      // m
  kPatternFactor = 14,   // linear
};

}  // namespace dorx
