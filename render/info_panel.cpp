#include "render/info_panel.h"

#include <cmath>
#include <string>
#include <vector>

#include "platform/c_format.h"
#include "platform/cut.h"
#include "platform/sjis.h"
#include "render/colour_scales.h"

namespace dorx {
namespace {

constexpr int kTextX = 4;
constexpr int kLegendBoxLeft = 16;
constexpr int kLegendFillRight = 48;   // the fill is 32 x 21 pixels ...
constexpr int kLegendFillHeight = 21;
constexpr int kLegendFrameRight = 49;  // ... inside a 33 x 22 frame
constexpr int kLegendFrameHeight = 22;
constexpr int kLegendPitch = 22;
constexpr int kLegendLabelX = 49;
constexpr int kLegendLabelBelowTop = 13;
constexpr int kFieldLegendTop = 381;
constexpr int kFloodLegendTop = 186;

struct PanelLine {
  int y;
  std::string utf8;
};

// Chord of one cell: 1.5" (0.75" doubled) north-south, 2.25" east-west times
// the cosine of the station's latitude, on a sphere of radius 6378137 m.
double NorthSouthKm(int32_t cells) { return std::sin(3.6361026087962965e-06) * 12756274.0 * cells * 0.001; }
double EastWestKm(int32_t cells, double latitude_arcsec) {
  return std::sin(5.454153913194444e-06) * 12756274.0 * cells * std::cos(latitude_arcsec * 4.848136811728395e-06) *
         0.001;
}

// The lines both modes share; `area_y` is where "計算域" stands.
void AddStationAndArea(const Context& ctx, const char* station_heading, int area_y, std::vector<PanelLine>& lines) {
  const ProjectParameters& p = ctx.params;
  const Dms& lat = p.Source_North_latitude;
  const Dms& lon = p.Source_East_longitude;
  const double lat_s = ctx.run.SourceLatSeconds;
  lines.push_back({17, Format("　%s", Cp932ToUtf8(p.Project_Name).c_str())});
  lines.push_back({43, station_heading});
  lines.push_back({56, Format("　緯度　%03dﾟ %02d' %02.4f\"", CutToInt(lat.degrees), CutToInt(lat.minutes), lat.seconds)});
  lines.push_back({69, Format("　経度　%03dﾟ %02d' %02.4f\"", CutToInt(lon.degrees), CutToInt(lon.minutes), lon.seconds)});
  lines.push_back({area_y, "計算域"});
  lines.push_back({area_y + 13, Format("　北 %3.1f [km]　　南 %3.1f [km]", NorthSouthKm(p.Range_North),
                                        NorthSouthKm(p.Range_South))});
  lines.push_back({area_y + 26, Format("　東 %3.1f [km]　　西 %3.1f [km]", EastWestKm(p.Range_East, lat_s),
                                        EastWestKm(p.Range_West, lat_s))});
}

std::vector<PanelLine> FieldModeLines(const Context& ctx) {
  const ProjectParameters& p = ctx.params;
  std::vector<PanelLine> lines{{4, "送信局名"}};
  AddStationAndArea(ctx, "送信地点", 108, lines);
  lines.push_back({82, Format("　標高　%04.1f [m]", ctx.run.SourceElevation * 0.1)});
  lines.push_back({173, "送信緒言"});
  lines.push_back({186, Format("　地上高　%4.2f [m]", p.Tx_Altitude)});
  lines.push_back({199, Format("　損　 失　%4.2f [dB]", p.Tx_Loss)});
  lines.push_back({212, Format("　電　 力　%4.2f [W]", p.Tx_Power)});
  lines.push_back({225, Format("　周波数　%4.3f [MHz]", p.Tx_Frequency)});
  lines.push_back({251, "アンテナ緒言"});
  lines.push_back({264, Format("　利　 得　%4.2f [dBi]", p.Antenna_Gain)});
  lines.push_back({277, Format("　方位角　%4.2f [deg]", p.Antenna_Angle)});
  lines.push_back({290, Format("　水平パターン　%s", Cp932ToUtf8(p.Antenna_Pattern_File).c_str())});
  lines.push_back({316, "受信緒言"});
  lines.push_back({329, Format("　地上高　%4.2f [m]", p.Rx_Altitude)});
  lines.push_back({342, Format("　損　 失　%4.2f [dB]", p.Rx_Loss)});
  lines.push_back({355, Format("　インピーダンス　%4.2f [om]", p.Rx_Impedance)});
  return lines;
}

std::vector<PanelLine> FloodModeLines(const Context& ctx) {
  std::vector<PanelLine> lines{{4, "地点名"}};
  AddStationAndArea(ctx, "地点名", 95, lines);
  lines.push_back({160, Format("　水位　%4.2f [m]", ctx.params.WaterLevel)});
  return lines;
}

std::string LegendLabel(double v) { return Format("  %+3.1f  ", v); }

// One legend box at `top`: the value's colour (white where the ramp leaves it
// white) in a black frame, the value written across the box's lower border.
void DrawLegendBox(Canvas& canvas, Rgb colour, int top, double v) {
  canvas.FillRect(kLegendBoxLeft, top, kLegendFillRight, top + kLegendFillHeight, colour.CanvasValue());
  canvas.state().pen_colour = kBlack;
  canvas.Rectangle(kLegendBoxLeft, top, kLegendFrameRight, top + kLegendFrameHeight);
  canvas.TextOut(kLegendLabelX, top + kLegendLabelBelowTop, LegendLabel(v));
}

void DrawFieldLegend(Context& ctx, RenderState& rs, Canvas& canvas) {
  DrawingSettings& d = ctx.drawing;
  canvas.TextOut(101, kFieldLegendTop, "[dBu]");
  d.DrawUpperLimit = d.DrawLowerLimit + 7 * d.DrawStep;
  for (int L = 0; L <= 7; ++L) {
    const double v = (7 - L) * d.DrawStep + d.DrawLowerLimit;
    rs.CurrentColour = Rgb{255, 255, 255};
    FieldColour(v, d, rs.CurrentColour);
    DrawLegendBox(canvas, rs.CurrentColour, kFieldLegendTop + kLegendPitch * L, v);
  }
}

// Five boxes, the first one pitch below the top; the top border carries the
// label of DrawUpperLimit.
void DrawFloodLegend(Context& ctx, RenderState& rs, Canvas& canvas) {
  const DrawingSettings& d = ctx.drawing;
  canvas.TextOut(97, kFloodLegendTop, "[m]");
  canvas.TextOut(kLegendLabelX, kFloodLegendTop + kLegendLabelBelowTop, LegendLabel(d.DrawUpperLimit));
  for (int L = 1; L <= 5; ++L) {
    const double v = (5 - L) * d.DrawStep + d.DrawLowerLimit;
    rs.CurrentColour = Rgb{255, 255, 255};
    WaterColour(v, d, rs.CurrentColour);
    DrawLegendBox(canvas, rs.CurrentColour, kFloodLegendTop + kLegendPitch * L, v);
  }
}

}  // namespace

void DrawInfoPanel(Context& ctx, RenderState& rs) {
  FormImage& image = rs.pictures.ImageNOT;
  Canvas canvas = image.canvas();
  CanvasState& state = canvas.state();
  canvas.FillRect(0, 0, image.width(), image.height(), kWhite);
  state.brush_style = BrushStyle::kClear;  // frames without fill, text without background
  state.pen_width = 1;
  state.pen_colour = kGrey;
  canvas.Rectangle(0, 0, image.width(), image.height());
  state.font_colour = kBlack;
  state.font_size_pt = 9;

  const bool flood = ctx.FloodMode != 0;
  for (const PanelLine& line : flood ? FloodModeLines(ctx) : FieldModeLines(ctx))
    canvas.TextOut(kTextX, line.y, line.utf8);
  if (flood)
    DrawFloodLegend(ctx, rs, canvas);
  else
    DrawFieldLegend(ctx, rs, canvas);
}

}  // namespace dorx
