#pragma once
// The texts of the cursor readout, CP932. Numbers are formatted as the
// readout shows them: positions in degrees, minutes and seconds ("%d゜%d'
// %2.2f\""), elevations "%4.1f", field strength "%4.2f", flood depth "%4.1f".
#include <string>

#include "engine/cell_record.h"
#include "engine/context.h"

namespace dorx {

// Degrees cut(s / 3600), minutes cut(s / 60 - degrees x 60), and the seconds
// left, of a position in arc-seconds.
struct DegreesMinutesSeconds {
  int32_t degrees = 0;
  int32_t minutes = 0;
  double seconds = 0.0;
};
DegreesMinutesSeconds SplitArcSeconds(double arcsec);

// The cell's elevation in m (slot 0 x 0.1), raised to -10 below -10.
double ReadoutElevation(const CellRecord& cell);

// "[緯度: 35゜42' 18.40\"] [経度: ...] [標高: %4.1f m]", from slots 1 + 3,
// 2 + 4 and the readout elevation.
std::string PositionText(const CellRecord& cell);

// Field-strength mode: "[電界: ↓ ] " below DrawLowerLimit - DrawStep x DrawStep,
// else "[電界: %4.2f dBu] "; flood mode: "[水位: - ]" below 0, else "[水位: %4.1f m]".
std::string ValueText(const CellRecord& cell, int flood_mode, const DrawingSettings& drawing);

// "<position> [送受間: %4.2f km] <value> [局名: <Project_Name>]".
std::string StatusText(const CellRecord& cell, const Context& ctx);

// "　送信：　d゜m' s\" ,  d゜m' s\" ,  %4.1f m": the station's position from the
// parameters (as the result header set them) and its ground elevation.
std::string StationLine(const Context& ctx);
// "　受信：　..." with the cell's position and readout elevation.
std::string CellLine(const CellRecord& cell);
// "[ <Project_Name> ]".
std::string TitleLine(const ProjectParameters& p);

}  // namespace dorx
