#pragma once
// The information panel on ImageNOT: station, position, area, transmitter,
// antenna and receiver data, and the colour legend of the maps.
#include <string>
#include <vector>

#include "engine/context.h"
#include "render/render_state.h"

namespace dorx {

// One text of the panel with the top-left corner of its cell.
struct PanelText {
  int x = 0;
  int y = 0;
  std::string utf8;
  bool operator==(const PanelText&) const = default;
};

// Every text the panel writes, lines and legend, in the order they are drawn,
// for the drawing settings as they stand (DrawInfoPanel first sets
// DrawUpperLimit in field-strength mode).
std::vector<PanelText> InfoPanelTexts(const Context& ctx);

// Overwrites the whole panel. In field-strength mode it first sets
// DrawUpperLimit = DrawLowerLimit + 7 x DrawStep, which the painters rely on.
void DrawInfoPanel(Context& ctx, RenderState& rs);

}  // namespace dorx
