#include "drawing_fixture.h"

#include "render/layers.h"

namespace dorx::test {

ResultHeader TwentyPixelHeader() {
  ResultHeader h = WideAreaHeader();
  h.ImageHeight = 20.0;
  h.ImageWidth = 20.0;
  h.ElevationMax = 100.0;
  h.ElevationMin = 0.0;
  return h;
}

CellRecord BlockRecord(int cb, int rb, double elevation_m, double value, double line_of_sight) {
  CellRecord r;
  r.Clear();
  r.slot[kElevation] = elevation_m * 10;
  r.slot[kLatitude] = (35.5 + 0.01 * rb) * 3600 - 11.5;
  r.slot[kLatitudeShift] = 11.5;
  r.slot[kLongitude] = (139.6 + 0.01 * cb) * 3600 + 11.5;
  r.slot[kLongitudeShift] = -11.5;
  r.slot[kLineOfSight] = line_of_sight;
  r.slot[kFieldStrength] = value;
  r.slot[kFloodDepth] = value;
  return r;
}

DrawingFixture::DrawingFixture() {
  ctx.ResultFilePath = dir / "wide.dorx";
  ctx.ProgramFolder = dir.path();
  ResetLayer(rs.pictures, kLayerAll, 0, 0);
}

void DrawingFixture::WriteResult(const std::function<CellRecord(int cb, int rb)>& make) {
  WriteResultBytes(ResultFileBytes(header, BlockRecords(header, make)));
}

void DrawingFixture::WriteResultBytes(const std::string& bytes) { WriteBytes(ctx.ResultFilePath, bytes); }

bool AllPixelsWithin(const Bitmap& picture, int left, int top, int right, int bottom, uint32_t rgb) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (RgbAt(picture, x, y) != rgb) return false;
  return true;
}

}  // namespace dorx::test
