#pragma once
// Small maps, result files and a message dispatcher for the render tests.
#include <functional>
#include <string>
#include <vector>

#include "engine/context.h"
#include "files/message_sink.h"
#include "files/result_header.h"
#include "render/render_state.h"

namespace dorx::test {

// An area of north + south rows and east + west columns whose map is
// height x width pixels, with the geometry derived from it.
void SetUpArea(Context& ctx, int32_t north, int32_t south, int32_t east, int32_t west, double height_px,
               double width_px);

// All layers reset to the map size, as the drawing run leaves them.
void ResetMapLayers(Context& ctx, RenderState& rs);

// A record with every slot NO_DATA but the elevation (0.1 m), the line-of-
// sight flag (slot 11) and the value (slot 12, or slot 13 when `flood`).
CellRecord ValueRecord(double elevation_0_1m, double value, double line_of_sight = -1, bool flood = false);

// The message dispatcher as the window wires it: records every code with
// MessageText, forwards the painting codes to PaintCell, and can press Stop
// after a number of cells (counted by code 5011).
class PaintingSink : public MessageSink {
 public:
  struct Message {
    int code;
    int a;
    int b;
    std::string message_text;
  };
  PaintingSink(Context& ctx, RenderState& rs) : ctx_(ctx), rs_(rs) {}

  void SetMessageText(std::string_view cp932) override { ctx_.SetMessageText(cp932); }
  void ShowMessageCode(int code, int a, int b) override;

  // The messages below 5000 (reports), and the painting codes sent.
  std::vector<Message> reports;
  std::vector<Message> paintings;
  std::vector<int> ReportCodes() const;
  int64_t stop_after_cells = -1;

 private:
  Context& ctx_;
  RenderState& rs_;
  int64_t cells_ = 0;
};

// A header a run could write for an area of 100 cells each way in wide-area
// mode with Coarse 10 (20 x 20 records), with a map of 25 x 30 pixels.
ResultHeader WideAreaHeader();

// The header bytes followed by the records (record n at 488 + n x 160).
std::string ResultFileBytes(const ResultHeader& header, const std::vector<CellRecord>& records);

// The records of the header's area in record-number order, made by
// make(column block, row block) counted from the west and south edges.
std::vector<CellRecord> BlockRecords(const ResultHeader& header,
                                     const std::function<CellRecord(int column_block, int row_block)>& make);

// The pixel of a picture as RGB hex, red first (0xRRGGBB); white outside.
uint32_t RgbAt(const Bitmap& picture, int x, int y);
uint32_t RgbAt(FormImage& image, int x, int y);

}  // namespace dorx::test
