#pragma once
// The drawing of a result file: the preview shown when a file is opened and
// the full drawing run of five layers per cell. Per-cell painting goes through
// the message dispatcher (sink.ShowMessageCode), which processes pending
// window events and forwards the painting codes to PaintCell.
#include "engine/context.h"
#include "files/message_sink.h"
#include "render/render_state.h"

namespace dorx {

// The preview scale e = cut(M x 0.0125 + 0.5), M the longer side of the
// stored map: M / 80 rounded half up. A map whose longer side is under 40
// pixels gives 1 (the preview is then the map at its stored size).
int PreviewScale(const MapGeometry& g);

// Checks the result file ctx.ResultFilePath and paints a preview of about
// 80 pixels on its longer side on ImageCSR. 0 when the file can be drawn;
// -1 after code 115 ("Read: <path>") or 1003 (a header that could not come
// from a run; the parameters then stay as they were).
int OpenResultForDrawing(Context& ctx, RenderState& rs, MessageSink& sink);

// Reads the header back into ctx, scales the map by DrawMagnification, paints
// every cell on the five layers, composes the map and shows it with the
// station marker. Code 115 when the file cannot be opened, 1003 when its
// header could not come from a run (then nothing is sized or painted). A
// file cut short draws the records it holds; a cell beyond its end reads as
// whatever the record buffer held before (the last record read, partly
// overwritten by a half record), as every reader of the store does.
void DrawResult(Context& ctx, RenderState& rs, MessageSink& sink);

}  // namespace dorx
