#pragma once
// The map's three mouse operations, headless: the window calls them from its
// handlers of ImageCSR (mouse move, click) and ImageFIN (click) and then shows
// the pictures as their visible flags say. They do nothing while a
// calculation run holds the cell store (run_active).
#include <cstdint>
#include <optional>

#include "engine/context.h"
#include "files/message_sink.h"
#include "render/render_state.h"

namespace dorx {

// Mouse move to (X, Y) over ImageCSR. Only with ImageReady and CursorTracking:
// keeps the cursor point, draws ComposedBitmap on ImageCSR, the grid when
// view.grid, the readout, and the terrain section when view.move.
void MouseMoveOverMap(Context& ctx, RenderState& rs, MessageSink& sink, bool run_active, int32_t X,
                      int32_t Y);

// Click on ImageCSR, with the map's scroll positions at the moment of the
// click. Only with ImageReady: makes ImageSEC visible and takes the cursor
// point as the click point; with the line-of-sight display on (view.fine not
// kNone) keeps the scroll positions, hides ImageCSR and shows ImageFIN;
// unless view.move, the readout and the terrain section. CursorTracking is
// clear during the click and set at its end. True when ImageFIN replaced the
// map.
bool ClickOnMap(Context& ctx, RenderState& rs, MessageSink& sink, bool run_active, MapScroll scroll);

// Click on ImageFIN: sets CursorTracking, shows ImageCSR, hides ImageFIN and
// gives the scroll positions the window restores. Nothing (no value) unless
// ImageReady.
std::optional<MapScroll> ClickOnChart(Context& ctx, RenderState& rs);

}  // namespace dorx
