#include "render/terrain_run_painting.h"

#include "engine/cell_store.h"
#include "platform/cut.h"
#include "render/map_geometry.h"

namespace dorx {
namespace {

double NotBelowZero(double edge) { return edge < 0 ? 0.0 : edge; }

}  // namespace

PixelBlock TerrainRunBlock(const ProjectParameters& p, const CellRecord& record, int32_t column, int32_t row) {
  const double dy = PixelsPerCellY();
  const double dx = PixelsPerCellX(record);
  const double rows = RowCount(p);
  double top = NotBelowZero((rows - row - 1) * dy);
  double bottom = NotBelowZero((rows - row) * dy);
  double left = NotBelowZero(static_cast<double>(column) * dx);
  double right = NotBelowZero((static_cast<double>(column) + 1) * dx);
  if (p.Flag_Reduction > 0) {
    const double coarse = CoarseStep(p);
    top /= coarse;
    bottom /= coarse;
    left /= coarse;
    right /= coarse;
  }
  return PixelBlock{CutToInt(left), CutToInt(right), CutToInt(top), CutToInt(bottom)};
}

uint8_t TerrainRunGrey(double slot0) {
  const int64_t shade = CutToInt64(slot0 * 0.1 * (1.0 / 3800) * 191);
  return static_cast<uint8_t>((static_cast<uint64_t>(shade) + 64u) & 0xFFu);
}

}  // namespace dorx
