#pragma once
// Pieces shared by the line-of-sight chart and the section strip: the colour
// of a ground segment, the ground segment itself and the vertical masts.
#include <cstdint>

#include "engine/context.h"
#include "platform/canvas.h"
#include "render/section_geometry.h"
#include "render/section_state.h"
#include "render/view_choices.h"

namespace dorx {

// Grey 808080 when both ends have no elevation; otherwise Color_RGB_Gray,
// recoloured by FieldColour of the first sample's field strength (flood mode:
// WaterColour of its flood depth), through the shared CurrentColour.
CanvasColour SegmentColour(const Context& ctx, Rgb& CurrentColour, const SectionSample& first,
                           const SectionSample& second);

// The ground between two samples: sea points (x, sea y) and ground points
// (x, ground y). Colour display fills the quadrilateral in the segment colour
// and draws the ground line black; line display draws the ground line grey;
// no display draws nothing.
struct GroundSegment {
  Point sea0, ground0, ground1, sea1;
};
void DrawGroundSegment(Canvas& canvas, const GroundSegment& segment, DisplayMode mode, CanvasColour colour);

// A line in `colour`, its end point excluded.
void DrawLineIn(Canvas& canvas, Point from, Point to, CanvasColour colour);

// Pixels of a picture from the fractions of a point: y = y_span x fraction +
// 10; x = 800 x fraction + 8 on the chart, and on the strip, which spreads
// the samples evenly, sample index x 800 / n + 8 (8 without samples).
struct SectionPixels {
  double y_span = 480.0;
  bool x_from_index = false;
  int32_t n = 0;
  int X(const SectionFractions& f, int32_t index) const;
  int Y(double fraction) const;
};

// A sample with its index in the samples the picture draws.
struct IndexedSample {
  const SectionSample& sample;
  int32_t index;
};

// The upper and lower point of a sample projected with the given kind.
struct ProjectedSample {
  Point upper;
  Point lower;
};
ProjectedSample ProjectSample(const SectionPixels& px, const SectionScale& scale, SectionPointKind kind,
                              double extra_m, IndexedSample at, double height_m);

// The ground between two samples: kind kTerrain, extra 0, their elevations.
GroundSegment GroundBetween(const SectionPixels& px, const SectionScale& scale, IndexedSample first,
                            IndexedSample second);

// The masts at the station and the target. Field-strength mode: the antennas
// (Tx_Altitude, Rx_Altitude) above the ground, magenta and black, and with
// `line_of_sight` the blue line between their tops. Flood mode: the water
// level above the station's ground (magenta) and above sea level at the
// target (black).
void DrawSectionMasts(Canvas& canvas, const SectionPixels& px, const Context& ctx, const SectionScale& scale,
                      IndexedSample station, IndexedSample target, bool line_of_sight);

// The water surface at WaterLevel between two samples, blue, through the
// lower y of their projections of the given kind with extra 0.
void DrawWaterSurface(Canvas& canvas, const SectionPixels& px, const Context& ctx, const SectionScale& scale,
                      SectionPointKind kind, IndexedSample first, IndexedSample second);

}  // namespace dorx
