#pragma once
// The cell under the cursor and the result file the mouse operations read.
#include <cstdint>

#include "engine/context.h"
#include "files/message_sink.h"

namespace dorx {

// Area coordinates: column east of the station's cell, row north of it.
struct AreaCell {
  int32_t column = 0;
  int32_t row = 0;
  bool operator==(const AreaCell&) const = default;
};

// The cell whose pixel block, by the painter's own block edges, holds pixel
// (X, Y) of the map. A pixel on the bottom or right edge line (or beyond)
// names the last row or column, never a cell outside the area.
AreaCell CellUnderCursor(const Context& ctx, int32_t X, int32_t Y);

// Opens ctx.ResultFilePath for reading as StoreFileA. When it cannot be
// opened: MessageText "Read: <path>", message code 115, false.
bool OpenResultFileForMouse(Context& ctx, MessageSink& sink);

}  // namespace dorx
