#pragma once
// The one interface through which the calculation run reaches the window: the
// message dispatcher (status line, message boxes, pending events, forwarding of
// the per-cell codes to the cell painter) and the few picture operations the
// run orders. Every run works headless against it: in the tests, in dorx-batch
// and in the window alike.
#include <string>

#include "files/message_sink.h"

namespace dorx {

class WindowLink : public MessageSink {
 public:
  // The cell painter, called directly for the sizing codes (-5001, -5003) and
  // for the final refresh of the terrain stage (5001, 0, 0).
  virtual void PaintCell(int code, int a, int b) = 0;
  virtual void ResetLayer(int code, int width, int height) = 0;
  // Makes ImageCSR and ImageNOT visible.
  virtual void ShowRunImages() = 0;
  virtual void DrawInfoPanel() = 0;
  virtual void FieldsToParameters() = 0;
  virtual void ParametersToFields() = 0;
  // The path becomes the hint of ButtonSIMOpen and the window caption.
  virtual void ShowProjectPath(const std::string& path) = 0;
  // The end of a run: the result view and terrain radio buttons, ComposeMap,
  // ComposedBitmap on ImageCSR with the station marker.
  virtual void ShowFinishedMap() = 0;
};

}  // namespace dorx
