#include "render/antenna_diagram.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/c_format.h"
#include "platform/cut.h"

namespace dorx {
namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 504;
constexpr int kCentre = 240;
constexpr double kFullScale = 240.0;  // radius of factor 1.0
constexpr int kRingSpacing = 48;      // 0.2 of full scale
constexpr double kRadiansPerDegree = 0.017453292522222223;  // pi taken as 3.141592654

void DrawAxesAndRings(Canvas& canvas) {
  canvas.state().pen_colour = kSilver;
  canvas.Line(0, kCentre, kWidth, kCentre);
  canvas.Line(kCentre, 0, kCentre, kHeight);
  double label = 0.0;
  for (int r = 0; r <= kCentre; r += kRingSpacing) {
    canvas.TextOut(216, 244 - r, Format("%2.1f", label));
    canvas.Ellipse(kCentre - r, kCentre - r, kCentre + r, kCentre + r);
    label += 0.2;
  }
}

// Four lines from the centre along the azimuth and its quarter turns; the
// fifth repeats the first. The 0.09 moves a coordinate that should be whole
// but lies just below it (a cosine of 0.99999...) onto the whole pixel.
void DrawAzimuthLines(Canvas& canvas, double Antenna_Angle) {
  canvas.state().pen_colour = kLightBlue;
  for (int k = 0; k <= 4; ++k) {
    const double theta = (90 * k + Antenna_Angle) * kRadiansPerDegree;
    const int x = CutToInt((std::sin(theta) + 1) * kFullScale + 0.09);
    const int y = CutToInt((1 - std::cos(theta)) * kFullScale + 0.09);
    canvas.Line(kCentre, kCentre, x, y);
  }
}

// The point of a pattern row: 0 degrees up, clockwise, radius factor x 240.
// A row that gives no finite point (an infinite factor) lies at the centre.
Point PatternPoint(double angle_deg, double factor) {
  const double theta = angle_deg * kRadiansPerDegree;
  const double x = (std::sin(theta) * factor + 1) * kFullScale;
  const double y = (1 - std::cos(theta) * factor) * kFullScale;
  if (!std::isfinite(x) || !std::isfinite(y)) return Point{kCentre, kCentre};
  return Point{CutToInt(x), CutToInt(y)};
}

void DrawPatternOutline(Canvas& canvas, const AntennaPattern& pattern) {
  // Rows 0 .. count: the added row at 0 and the data rows, not the row at 360.
  const size_t rows = std::min({static_cast<size_t>(std::max(pattern.count, 0)) + 1, pattern.angle.size(),
                                pattern.factor.size()});
  std::vector<Point> points;
  for (size_t i = 0; i < rows; ++i) points.push_back(PatternPoint(pattern.angle[i], pattern.factor[i]));
  if (points.empty()) return;
  canvas.state().pen_colour = kBlue;
  canvas.Polygon(points);
}

}  // namespace

void DrawAntennaDiagram(const ProjectParameters& p, const AntennaPattern& pattern, Pictures& pictures) {
  FormImage& image = pictures.ImageCSR;
  image.Clear(kWidth, kHeight);
  image.canvas_state.pen_width = 1;
  image.canvas_state.brush_style = BrushStyle::kClear;
  image.canvas_state.font_size_pt = 9;
  image.canvas_state.font_colour = kGrey;
  Canvas canvas = image.canvas();

  DrawAxesAndRings(canvas);
  canvas.TextOut(256, 4, "北");
  canvas.TextOut(16, 484, p.AntennaPatternPath);
  DrawAzimuthLines(canvas, p.Antenna_Angle);
  DrawPatternOutline(canvas, pattern);
}

}  // namespace dorx
