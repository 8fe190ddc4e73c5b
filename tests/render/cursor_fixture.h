#pragma once
// A drawn result for the mouse operations: a context as a drawing run leaves
// it (parameters, elevation range, map geometry, flags), a result file of
// records that name their cells, and a dispatcher that records what is sent.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/context.h"
#include "files/message_sink.h"
#include "render/render_state.h"
#include "render_fixtures.h"
#include "support/test_support.h"

namespace dorx::test {

// The window's dispatcher as the readout sees it: MessageText lands in the
// context; every code is kept with the text and the CursorTracking flag of
// the moment it was sent.
class ContextSink : public MessageSink {
 public:
  explicit ContextSink(Context& ctx) : ctx_(ctx) {}
  struct Message {
    int code;
    std::string text;
    bool cursor_tracking;
  };
  void SetMessageText(std::string_view cp932) override { ctx_.SetMessageText(cp932); }
  void ShowMessageCode(int code, int, int) override {
    messages.push_back(Message{code, ctx_.MessageText, ctx_.CursorTracking});
  }
  std::vector<Message> messages;

 private:
  Context& ctx_;
};

// A record naming cell (a, b): slot 5 holds b and slot 6 holds a, the field
// strength is 100 a + b, the elevation (a + 10) x 100 + (b + 10) tenths of a
// metre, the distance 100 m per column and per row from the station, the
// flood depth 1 m; latitude 128538.4" (35 42' 18.40") and longitude
// 500000" with no datum shift; antenna distance 1500 m.
CellRecord NamedCellRecord(int32_t a, int32_t b);

struct AreaRanges {
  int32_t west = 3;
  int32_t east = 5;
  int32_t south = 2;
  int32_t north = 4;
};

class DrawnResult {
 public:
  // An area of the ranges with a map of width x height pixels, after a
  // drawing run (ImageReady and CursorTracking set); ComposedBitmap and
  // ImageCSR are white pictures of the map size.
  DrawnResult(AreaRanges ranges, double width_px, double height_px);

  // Writes the result file: a 488-byte header (the mouse operations never
  // read it: the drawing run has loaded it) and the record of every cell.
  void WriteResult(const std::function<CellRecord(int32_t a, int32_t b)>& make = NamedCellRecord);
  // Writes the result file as the given bytes.
  void WriteResultBytes(const std::string& bytes);

  Context ctx;
  RenderState rs;
  ContextSink sink{ctx};
  ScratchFolder dir;
};

// Whether any pixel of [left, right) x [top, bottom) has the colour (0xRRGGBB).
bool AnyPixelIs(const Bitmap& bitmap, int left, int top, int right, int bottom, uint32_t rgb);

}  // namespace dorx::test
