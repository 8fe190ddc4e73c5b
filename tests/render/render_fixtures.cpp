#include "render_fixtures.h"

#include <cstring>

#include "render/cell_painter.h"
#include "render/layers.h"
#include "render/map_geometry.h"

namespace dorx::test {

void SetUpArea(Context& ctx, int32_t north, int32_t south, int32_t east, int32_t west, double height_px,
               double width_px) {
  ctx.params.Range_North = north;
  ctx.params.Range_South = south;
  ctx.params.Range_East = east;
  ctx.params.Range_West = west;
  ctx.geometry.ImageHeight = height_px;
  ctx.geometry.ImageWidth = width_px;
  DeriveMapGeometry(ctx.geometry, ctx.params);
}

void ResetMapLayers(Context& ctx, RenderState& rs) {
  const int width = MapWidthPixels(ctx.geometry);
  const int height = MapHeightPixels(ctx.geometry);
  for (int code : {kLayerCSR, kLayerMAP, kLayerMIX, kLayerSIM, kLayerSIM1, kLayerSIM2, kLayerSIM3})
    ResetLayer(rs.pictures, code, width, height);
}

CellRecord ValueRecord(double elevation_0_1m, double value, double line_of_sight, bool flood) {
  CellRecord r;
  r.Clear();
  r.slot[kElevation] = elevation_0_1m;
  r.slot[kLineOfSight] = line_of_sight;
  r.slot[flood ? kFloodDepth : kFieldStrength] = value;
  return r;
}

void PaintingSink::ShowMessageCode(int code, int a, int b) {
  const Message m{code, a, b, ctx_.MessageText};
  if (code < 5000) {
    reports.push_back(m);
    return;
  }
  paintings.push_back(m);
  if (code == kPaintTerrain && stop_after_cells >= 0 && ++cells_ >= stop_after_cells) ctx_.StopRequested = true;
  PaintCell(ctx_, rs_, code, a, b);
}

std::vector<int> PaintingSink::ReportCodes() const {
  std::vector<int> codes;
  for (const Message& m : reports) codes.push_back(m.code);
  return codes;
}

ResultHeader WideAreaHeader() {
  ResultHeader h;
  h.Project_Name = "wide";
  h.Antenna_Pattern_File = "!";
  h.Flag_Reduction = 1;
  h.Coarse = 10;
  h.latitude = Dms{35, 21, 38.4};
  h.longitude = Dms{138, 43, 38.4};
  h.SourceLatSeconds = 127298.4;
  h.SourceLonSeconds = 499418.4;
  h.SourceElevation = 1234;
  h.Range_North = h.Range_South = h.Range_East = h.Range_West = 100;
  h.Rx_Altitude = 1.5;
  h.Rx_Impedance = 75;
  h.Tx_Altitude = 40;
  h.Tx_Power = 10;
  h.Tx_Frequency = 80;
  h.ImageHeight = 25.0;
  h.ImageWidth = 30.0;
  h.ElevationMax = 100.0;
  h.ElevationMin = 0.0;
  return h;
}

std::string ResultFileBytes(const ResultHeader& header, const std::vector<CellRecord>& records) {
  const auto head = EncodeResultHeader(header);
  std::string bytes(reinterpret_cast<const char*>(head.data()), head.size());
  for (const CellRecord& r : records) {
    char raw[sizeof(CellRecord)];
    std::memcpy(raw, r.slot.data(), sizeof raw);
    bytes.append(raw, sizeof raw);
  }
  return bytes;
}

std::vector<CellRecord> BlockRecords(const ResultHeader& h,
                                     const std::function<CellRecord(int column_block, int row_block)>& make) {
  const int columns = (h.Range_West + h.Range_East) / h.Coarse;
  const int rows = (h.Range_South + h.Range_North) / h.Coarse;
  std::vector<CellRecord> records;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) records.push_back(make(c, r));
  return records;
}

uint32_t RgbAt(const Bitmap& picture, int x, int y) {
  const CanvasColour c = picture.Pixel(x, y);
  return (uint32_t{RedOf(c)} << 16) | (uint32_t{GreenOf(c)} << 8) | BlueOf(c);
}

uint32_t RgbAt(FormImage& image, int x, int y) { return RgbAt(image.picture(), x, y); }

}  // namespace dorx::test
