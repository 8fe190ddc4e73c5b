#include "render/cursor_texts.h"

#include "platform/c_format.h"
#include "platform/cut.h"
#include "platform/sjis.h"

namespace dorx {
namespace {

// A fixed piece of a readout text, written here in UTF-8, as CP932 bytes.
std::string Jp(const char* utf8) { return Utf8ToCp932(utf8); }

// "35゜42' 18.40\"": the position format of the readout and the captions.
std::string DmsText(int32_t degrees, int32_t minutes, double seconds) {
  return Format("%d", degrees) + Jp("゜") + Format("%d' %2.2f\"", minutes, seconds);
}

std::string DmsText(const DegreesMinutesSeconds& dms) { return DmsText(dms.degrees, dms.minutes, dms.seconds); }

// The station's position as the result header stores it: degrees and
// minutes cut toward zero, the seconds as they are.
std::string DmsText(const Dms& dms) {
  return DmsText(CutToInt(dms.degrees), CutToInt(dms.minutes), dms.seconds);
}

double CellLatitude(const CellRecord& cell) { return cell.slot[kLatitude] + cell.slot[kLatitudeShift]; }
double CellLongitude(const CellRecord& cell) { return cell.slot[kLongitude] + cell.slot[kLongitudeShift]; }

// "%s ,  %s ,  %4.1f m" after the caption's label.
std::string CaptionLine(const char* label_utf8, const std::string& latitude, const std::string& longitude,
                        double elevation_m) {
  return Jp(label_utf8) + latitude + " ,  " + longitude + Format(" ,  %4.1f m", elevation_m);
}

}  // namespace

DegreesMinutesSeconds SplitArcSeconds(double arcsec) {
  DegreesMinutesSeconds dms;
  dms.degrees = CutToInt(arcsec / 3600);
  dms.minutes = CutToInt(arcsec / 60 - dms.degrees * 60.0);
  dms.seconds = arcsec - dms.degrees * 3600.0 - dms.minutes * 60.0;
  return dms;
}

double ReadoutElevation(const CellRecord& cell) {
  const double e = cell.slot[kElevation] * 0.1;
  return e < -10 ? -10.0 : e;
}

std::string PositionText(const CellRecord& cell) {
  return Jp("[緯度: ") + DmsText(SplitArcSeconds(CellLatitude(cell))) + "] " + Jp("[経度: ") +
         DmsText(SplitArcSeconds(CellLongitude(cell))) + "] " + Jp("[標高: ") +
         Format("%4.1f m]", ReadoutElevation(cell));
}

std::string ValueText(const CellRecord& cell, int flood_mode, const DrawingSettings& drawing) {
  if (flood_mode == 0) {
    const double field = cell.slot[kFieldStrength];
    // The threshold subtracts the square of the step, not the step.
    if (field < drawing.DrawLowerLimit - drawing.DrawStep * drawing.DrawStep) return Jp("[電界: ↓ ] ");
    return Jp("[電界: ") + Format("%4.2f dBu] ", field);
  }
  const double depth = cell.slot[kFloodDepth];
  if (depth < 0) return Jp("[水位: - ]");
  return Jp("[水位: ") + Format("%4.1f m]", depth);
}

std::string StatusText(const CellRecord& cell, const Context& ctx) {
  return PositionText(cell) + Jp(" [送受間: ") + Format("%4.2f km] ", cell.slot[kAntennaDistance] * 0.001) +
         ValueText(cell, ctx.FloodMode, ctx.drawing) + Jp(" [局名: ") + ctx.params.Project_Name + "]";
}

std::string StationLine(const Context& ctx) {
  return CaptionLine("　送信：　", DmsText(ctx.params.Source_North_latitude),
                     DmsText(ctx.params.Source_East_longitude), ctx.run.SourceElevation * 0.1);
}

std::string CellLine(const CellRecord& cell) {
  return CaptionLine("　受信：　", DmsText(SplitArcSeconds(CellLatitude(cell))),
                     DmsText(SplitArcSeconds(CellLongitude(cell))), ReadoutElevation(cell));
}

std::string TitleLine(const ProjectParameters& p) { return "[ " + p.Project_Name + " ]"; }

}  // namespace dorx
