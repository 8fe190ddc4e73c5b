#include "render/cursor_fixture.h"

#include <algorithm>
#include <cstring>

#include "engine/cell_store.h"
#include "render/map_geometry.h"

namespace dorx::test {

CellRecord NamedCellRecord(int32_t a, int32_t b) {
  CellRecord r;
  r.Clear();
  r.slot[kElevation] = (a + 10) * 100.0 + (b + 10);
  r.slot[kLatitude] = 128538.4;
  r.slot[kLatitudeShift] = 0.0;
  r.slot[kLongitude] = 500000.0;
  r.slot[kLongitudeShift] = 0.0;
  r.slot[kNorthDistance] = b;
  r.slot[kEastDistance] = a;
  r.slot[kDistance] = 100.0 * (std::abs(a) + std::abs(b));
  r.slot[kAntennaDistance] = 1500.0;
  r.slot[kFieldStrength] = 100.0 * a + b;
  r.slot[kFloodDepth] = 1.0;
  return r;
}

DrawnResult::DrawnResult(AreaRanges ranges, double width_px, double height_px) {
  ctx.params.Range_West = ranges.west;
  ctx.params.Range_East = ranges.east;
  ctx.params.Range_South = ranges.south;
  ctx.params.Range_North = ranges.north;
  ctx.geometry.ImageWidth = width_px;
  ctx.geometry.ImageHeight = height_px;
  DeriveMapGeometry(ctx.geometry, ctx.params);
  ctx.run.ElevationMax = 3000.0;
  ctx.run.ElevationMin = 0.0;
  ctx.ResultFilePath = dir / "area.dorx";
  ctx.ImageReady = true;
  ctx.CursorTracking = true;
  rs.pictures.ComposedBitmap = Bitmap(MapWidthPixels(ctx.geometry), MapHeightPixels(ctx.geometry));
  rs.pictures.ImageCSR.Clear(MapWidthPixels(ctx.geometry), MapHeightPixels(ctx.geometry));
}

void DrawnResult::WriteResult(const std::function<CellRecord(int32_t a, int32_t b)>& make) {
  const ProjectParameters& p = ctx.params;
  std::string bytes(kResultHeaderBytes64, '\0');
  for (int32_t b = -p.Range_South; b < p.Range_North; ++b) {
    for (int32_t a = -p.Range_West; a < p.Range_East; ++a) {
      const size_t offset = static_cast<size_t>(RecordOffset(READ_A_RESULT, RecordNumber(p, a, b)));
      if (bytes.size() < offset + sizeof(CellRecord)) bytes.resize(offset + sizeof(CellRecord), '\0');
      const CellRecord r = make(a, b);
      std::memcpy(bytes.data() + offset, r.slot.data(), sizeof(CellRecord));
    }
  }
  WriteResultBytes(bytes);
}

void DrawnResult::WriteResultBytes(const std::string& bytes) { WriteBytes(ctx.ResultFilePath, bytes); }

bool AnyPixelIs(const Bitmap& bitmap, int left, int top, int right, int bottom, uint32_t rgb) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (RgbAt(bitmap, x, y) == rgb) return true;
  return false;
}

}  // namespace dorx::test
