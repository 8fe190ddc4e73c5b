#pragma once
// The cursor readout: the status text of the cell under the cursor (position,
// elevation, value, distance, station name) and the lines, circles and marker
// drawn over the map on ImageCSR.
#include "engine/context.h"
#include "files/message_sink.h"
#include "render/render_state.h"

namespace dorx {

// Reads the cell under rs.cursor (X, Y) from the result file, draws the
// station-to-cursor line (blue), its mirror (green), the circle through the
// cursor (light blue), the click line (black) and circle (grey) and the
// station marker on ImageCSR, sends the status text with message code 1011
// and keeps the cell's record and the chart captions in rs.cursor.
// A cursor outside the map (a point on the bottom or right edge line is
// inside) does nothing. A result file that cannot be opened sends
// "Read: <path>" with code 115 and draws nothing.
void UpdateCursorReadout(Context& ctx, RenderState& rs, MessageSink& sink);

}  // namespace dorx
