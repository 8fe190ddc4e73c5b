#pragma once
// The samples of the last terrain section.
#include <cstdint>
#include <vector>

#include "engine/cell_record.h"
#include "render/section_geometry.h"

namespace dorx {

// One sample of the line, from a cell's result record. A position without a
// sample reads as a cell without data.
struct SectionSample {
  double elevation_m = NO_DATA * 0.1;  // slot 0 x 0.1
  double distance_m = NO_DATA;         // slot 7
  double field_strength = NO_DATA;     // slot 12, dBuV/m
  double flood_depth = NO_DATA;        // slot 13, m
  bool operator==(const SectionSample&) const = default;
};

inline constexpr int32_t kMaxPathSamples = 4545;

struct SectionState {
  // PathSamples: the whole line across the area, positions 0 .. n, where
  // position n repeats the last sample.
  std::vector<SectionSample> path{SectionSample{}};
  int32_t n = 0;
  int32_t station_index = 0;
  int32_t target_index = 0;

  // SectionSamples: from the station's sample to the target's, t + 2
  // positions with the repeat of the last, and their extreme elevations
  // (a NO_DATA elevation counts as -10).
  std::vector<SectionSample> section{SectionSample{}, SectionSample{}};
  double highest_m = 0.0;
  double lowest_m = 3800.0;

  SectionScale scale;
};

}  // namespace dorx
