#pragma once
// The terrain section between the station and the cell under the cursor: the
// line-of-sight chart on ImageFIN (station to target on a curved earth, with
// ground, height lines, masts, line of sight and three caption lines) and the
// section strip on ImageSEC (the whole line across the area, 816 x 160).
#include <string>

#include "engine/context.h"
#include "files/message_sink.h"
#include "render/render_state.h"

namespace dorx {

// Walks the line through rs.cursor (X, Y) and draws both pictures. A result
// file that cannot be opened sends "Read: <path>" with code 115 and leaves
// both pictures as they were.
void DrawTerrainSection(Context& ctx, RenderState& rs, MessageSink& sink);

// Width of the chart: max(908, 6 x the byte length of the CP932 cell line).
int SectionChartWidth(const std::string& cell_line_cp932);

// The two pictures from the samples and scale in rs.section (the walk done).
void DrawSectionChart(const Context& ctx, RenderState& rs);
void DrawSectionStrip(const Context& ctx, RenderState& rs);

}  // namespace dorx
