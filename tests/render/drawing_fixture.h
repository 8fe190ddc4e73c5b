#pragma once
// A result file ready to be drawn: the wide-area header's area of 200 x 200
// cells in blocks of 10 x 10 (one record per block) on a map of 20 x 20
// pixels, so that block (cb, rb), counted from the west and south edges, is
// exactly pixel (cb, 19 - rb). The station's cell lies in block (10, 10), its
// pixel is (10, 10). All layers start as after a reset of all layers.
#include <functional>
#include <string>

#include "engine/context.h"
#include "files/result_header.h"
#include "render/render_state.h"
#include "cursor_fixture.h"
#include "render_fixtures.h"
#include "support/test_support.h"

namespace dorx::test {

// WideAreaHeader with a map of 20 x 20 pixels and elevations 0 to 100 m.
ResultHeader TwentyPixelHeader();

// A block record: elevation in metres, field strength in slot 12 (and 13 in
// flood mode), line of sight, and a JGD2000 position of 35.5 + 0.01 rb N,
// 139.6 + 0.01 cb E split between the Tokyo position and its shift.
CellRecord BlockRecord(int cb, int rb, double elevation_m, double value, double line_of_sight = -1);

class DrawingFixture {
 public:
  DrawingFixture();
  // The header followed by the record of every block.
  void WriteResult(const std::function<CellRecord(int cb, int rb)>& make);
  void WriteResultBytes(const std::string& bytes);

  ResultHeader header = TwentyPixelHeader();
  Context ctx;
  RenderState rs;
  PaintingSink sink{ctx, rs};
  ScratchFolder dir;
};

// Whether every pixel of [left, right) x [top, bottom) has the colour.
bool AllPixelsWithin(const Bitmap& picture, int left, int top, int right, int bottom, uint32_t rgb);

}  // namespace dorx::test
