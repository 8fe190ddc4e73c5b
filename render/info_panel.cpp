#include "render/info_panel.h"

#include <cmath>

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

// The field-strength legend: eight boxes from DrawUpperLimit down to
// DrawLowerLimit. The flood legend: a label for DrawUpperLimit on the top
// border, then five boxes, the first one pitch below the top.
struct LegendLayout {
  int top;
  int heading_x;
  const char* heading;
  int first_box;
  int last_box;
};
constexpr LegendLayout kFieldLegend{381, 101, "[dBu]", 0, 7};
constexpr LegendLayout kFloodLegend{186, 97, "[m]", 1, 5};

// Chord of one cell: 1.5" (0.75" doubled) north-south, 2.25" east-west times
// the cosine of the station's latitude, on a sphere of radius 6378137 m.
double NorthSouthKm(int32_t cells) { return std::sin(3.6361026087962965e-06) * 12756274.0 * cells * 0.001; }
double EastWestKm(int32_t cells, double latitude_arcsec) {
  return std::sin(5.454153913194444e-06) * 12756274.0 * cells * std::cos(latitude_arcsec * 4.848136811728395e-06) *
         0.001;
}

void Line(std::vector<PanelText>& texts, int y, std::string utf8) { texts.push_back({kTextX, y, std::move(utf8)}); }

// The lines both modes share; `area_y` is where "計算域" stands.
void AddStationAndArea(const Context& ctx, const char* heading, const char* position_heading, int area_y,
                       std::vector<PanelText>& texts) {
  const ProjectParameters& p = ctx.params;
  const Dms& lat = p.Source_North_latitude;
  const Dms& lon = p.Source_East_longitude;
  const double lat_s = ctx.run.SourceLatSeconds;
  Line(texts, 4, heading);
  Line(texts, 17, Format("　%s", Cp932ToUtf8(p.Project_Name).c_str()));
  Line(texts, 43, position_heading);
  Line(texts, 56, Format("　緯度　%03dﾟ %02d' %02.4f\"", CutToInt(lat.degrees), CutToInt(lat.minutes), lat.seconds));
  Line(texts, 69, Format("　経度　%03dﾟ %02d' %02.4f\"", CutToInt(lon.degrees), CutToInt(lon.minutes), lon.seconds));
  if (ctx.FloodMode == 0) Line(texts, 82, Format("　標高　%04.1f [m]", ctx.run.SourceElevation * 0.1));
  Line(texts, area_y, "計算域");
  Line(texts, area_y + 13,
       Format("　北 %3.1f [km]　　南 %3.1f [km]", NorthSouthKm(p.Range_North), NorthSouthKm(p.Range_South)));
  Line(texts, area_y + 26,
       Format("　東 %3.1f [km]　　西 %3.1f [km]", EastWestKm(p.Range_East, lat_s), EastWestKm(p.Range_West, lat_s)));
}

void AddStationData(const ProjectParameters& p, std::vector<PanelText>& texts) {
  Line(texts, 173, "送信緒言");
  Line(texts, 186, Format("　地上高　%4.2f [m]", p.Tx_Altitude));
  Line(texts, 199, Format("　損　 失　%4.2f [dB]", p.Tx_Loss));
  Line(texts, 212, Format("　電　 力　%4.2f [W]", p.Tx_Power));
  Line(texts, 225, Format("　周波数　%4.3f [MHz]", p.Tx_Frequency));
  Line(texts, 251, "アンテナ緒言");
  Line(texts, 264, Format("　利　 得　%4.2f [dBi]", p.Antenna_Gain));
  Line(texts, 277, Format("　方位角　%4.2f [deg]", p.Antenna_Angle));
  Line(texts, 290, Format("　水平パターン　%s", Cp932ToUtf8(p.Antenna_Pattern_File).c_str()));
  Line(texts, 316, "受信緒言");
  Line(texts, 329, Format("　地上高　%4.2f [m]", p.Rx_Altitude));
  Line(texts, 342, Format("　損　 失　%4.2f [dB]", p.Rx_Loss));
  Line(texts, 355, Format("　インピーダンス　%4.2f [om]", p.Rx_Impedance));
}

const LegendLayout& LegendOf(const Context& ctx) { return ctx.FloodMode != 0 ? kFloodLegend : kFieldLegend; }

int BoxTop(const LegendLayout& legend, int L) { return legend.top + kLegendPitch * L; }

// The value at the lower border of box L.
double BoxValue(const Context& ctx, int L) {
  const DrawingSettings& d = ctx.drawing;
  const int last = LegendOf(ctx).last_box;
  return (last - L) * d.DrawStep + d.DrawLowerLimit;
}

std::string LegendLabel(double v) { return Format("  %+3.1f  ", v); }

// The legend's texts: the unit, in flood mode the label of DrawUpperLimit on
// the top border, then one label per box, 13 pixels below its top.
PanelText LegendHeading(const LegendLayout& legend) { return {legend.heading_x, legend.top, legend.heading}; }
PanelText FloodUpperLabel(const Context& ctx, const LegendLayout& legend) {
  return {kLegendLabelX, legend.top + kLegendLabelBelowTop, LegendLabel(ctx.drawing.DrawUpperLimit)};
}
PanelText BoxLabel(const Context& ctx, const LegendLayout& legend, int L) {
  return {kLegendLabelX, BoxTop(legend, L) + kLegendLabelBelowTop, LegendLabel(BoxValue(ctx, L))};
}

void AddLegendTexts(const Context& ctx, std::vector<PanelText>& texts) {
  const LegendLayout& legend = LegendOf(ctx);
  texts.push_back(LegendHeading(legend));
  if (ctx.FloodMode != 0) texts.push_back(FloodUpperLabel(ctx, legend));
  for (int L = legend.first_box; L <= legend.last_box; ++L) texts.push_back(BoxLabel(ctx, legend, L));
}

// The text lines above the legend, in the order they are drawn.
std::vector<PanelText> LineTexts(const Context& ctx) {
  std::vector<PanelText> texts;
  if (ctx.FloodMode != 0) {
    AddStationAndArea(ctx, "地点名", "地点名", 95, texts);
    Line(texts, 160, Format("　水位　%4.2f [m]", ctx.params.WaterLevel));
  } else {
    AddStationAndArea(ctx, "送信局名", "送信地点", 108, texts);
    AddStationData(ctx.params, texts);
  }
  return texts;
}

void Write(Canvas& canvas, const PanelText& text) { canvas.TextOut(text.x, text.y, text.utf8); }

// Box L: the colour of its value (white where the ramp leaves it white) in a
// black frame, neighbouring frames sharing their line; then its label.
void DrawLegendBox(const Context& ctx, RenderState& rs, Canvas& canvas, int L) {
  const LegendLayout& legend = LegendOf(ctx);
  const double v = BoxValue(ctx, L);
  rs.CurrentColour = Rgb{255, 255, 255};
  if (ctx.FloodMode != 0)
    WaterColour(v, ctx.drawing, rs.CurrentColour);
  else
    FieldColour(v, ctx.drawing, rs.CurrentColour);
  const int top = BoxTop(legend, L);
  canvas.FillRect(kLegendBoxLeft, top, kLegendFillRight, top + kLegendFillHeight, rs.CurrentColour.CanvasValue());
  canvas.state().pen_colour = kBlack;
  canvas.Rectangle(kLegendBoxLeft, top, kLegendFrameRight, top + kLegendFrameHeight);
  Write(canvas, BoxLabel(ctx, legend, L));
}

void DrawLegend(const Context& ctx, RenderState& rs, Canvas& canvas) {
  const LegendLayout& legend = LegendOf(ctx);
  Write(canvas, LegendHeading(legend));
  if (ctx.FloodMode != 0) Write(canvas, FloodUpperLabel(ctx, legend));
  for (int L = legend.first_box; L <= legend.last_box; ++L) DrawLegendBox(ctx, rs, canvas, L);
}

}  // namespace

std::vector<PanelText> InfoPanelTexts(const Context& ctx) {
  std::vector<PanelText> texts = LineTexts(ctx);
  AddLegendTexts(ctx, texts);
  return texts;
}

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
  for (const PanelText& text : LineTexts(ctx)) Write(canvas, text);
  // The legend's ramp runs up to DrawUpperLimit, set from the step in
  // field-strength mode (the map painters rely on it as well).
  if (ctx.FloodMode == 0) ctx.drawing.DrawUpperLimit = ctx.drawing.DrawLowerLimit + 7 * ctx.drawing.DrawStep;
  DrawLegend(ctx, rs, canvas);
}

}  // namespace dorx
