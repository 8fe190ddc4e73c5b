#pragma once
// The horizontal antenna pattern, turned by the azimuth: rows of (angle in
// degrees, linear power factor), ascending, with added rows at 0 and 360 degrees.
#include <cstdint>
#include <vector>

#include "files/message_sink.h"
#include "files/project_parameters.h"

namespace dorx {

struct AntennaPattern {
  static constexpr int32_t kMaxRows = 3636;  // data rows plus the rows at 0 and 360

  int32_t count = 0;            // data rows read
  std::vector<double> angle;    // count + 2 rows
  std::vector<double> factor;   // count + 2 rows

  // The factor of the row nearer to the bearing (degrees clockwise from north),
  // 1e-7 in place of a factor of 0 or less.
  double PatternFactorAt(double bearing_deg) const;
};

// Reads the file at AntennaPatternPath turned by Antenna_Angle. Does nothing
// when Antenna_Pattern_File is "!"; when the file cannot be opened sends code
// 111 and sets Antenna_Pattern_File to "!". A failed read leaves the table as it was.
void LoadAntennaPattern(ProjectParameters& params, AntennaPattern& pattern, MessageSink& sink);

}  // namespace dorx
