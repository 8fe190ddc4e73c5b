#include "render/cursor_cell.h"

#include "platform/c_format.h"
#include "platform/cut.h"
#include "platform/sjis.h"
#include "render/cell_block.h"
#include "render/map_geometry.h"

namespace dorx {

namespace {
constexpr int kResultNotReadable = 115;
}  // namespace

AreaCell CellUnderCursor(const Context& ctx, int32_t X, int32_t Y) {
  const int32_t rows = CutToInt(RowCount(ctx.params));
  const int32_t columns = CutToInt(ColumnCount(ctx.params));
  const CellIndex cell = CellUnderPixel(ctx.geometry, rows, columns, X, Y);
  return AreaCell{cell.column - ctx.params.Range_West, cell.row - ctx.params.Range_South};
}

bool OpenResultFileForMouse(Context& ctx, MessageSink& sink) {
  if (ctx.store.StoreFileA.Open(ctx.ResultFilePath, "rb")) return true;
  sink.SetMessageText(Format("Read: %s", Utf8ToCp932(ctx.ResultFilePath).c_str()));
  sink.ShowMessageCode(kResultNotReadable);
  return false;
}

}  // namespace dorx
