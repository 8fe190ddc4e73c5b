#include "render/compose_map.h"

#include <cstring>

#include "render/layers.h"
#include "render/map_geometry.h"
#include "render/pixel_fill.h"

namespace dorx {
namespace {

const FormImage& CheckedResultLayer(const Pictures& p, ResultLayer layer) {
  switch (layer) {
    case ResultLayer::kSIM1: return p.ImageSIM1;
    case ResultLayer::kSIM2: return p.ImageSIM2;
    case ResultLayer::kSIM3: return p.ImageSIM3;
    case ResultLayer::kDORX: break;
  }
  return p.ImageSIM;
}

bool IsWhite(const uint8_t* pixel) { return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255; }

// One row of three bytes per pixel: result over terrain.
void ComposeRow(const uint8_t* result, uint8_t* composed, int width, TerrainMode mode) {
  const size_t bytes = static_cast<size_t>(width) * 3;
  if (mode == TerrainMode::kMAPX) {
    std::memcpy(composed, result, bytes);
    return;
  }
  for (size_t i = 0; i < bytes; i += 3) {
    const uint8_t* r = result + i;
    if (IsWhite(r)) continue;  // white is a cell without a value: the terrain shows
    uint8_t* c = composed + i;
    if (mode == TerrainMode::kMAP1) {
      c[0] = r[0];
      c[1] = r[1];
      c[2] = r[2];
      continue;
    }
    // Two thirds terrain, one third result, each part cut in integers.
    for (int k = 0; k < 3; ++k) c[k] = static_cast<uint8_t>(c[k] * 4 / 6 + r[k] * 2 / 6);
  }
}

}  // namespace

void ComposeMap(const Context& ctx, RenderState& rs) {
  Pictures& p = rs.pictures;
  CopyAtMapSize(CheckedResultLayer(p, rs.view.result_layer).picture(), ctx.geometry, p.LayerBitmap);
  ResetLayer(p, kLayerMIX, MapWidthPixels(ctx.geometry), MapHeightPixels(ctx.geometry));
  CopyAtMapSize(p.ImageMAP.picture(), ctx.geometry, p.ComposedBitmap);
  const int width = p.LayerBitmap.width();
  for (int y = 0; y < p.LayerBitmap.height(); ++y)
    ComposeRow(p.LayerBitmap.Row(y), p.ComposedBitmap.Row(y), width, rs.view.terrain);
}

}  // namespace dorx
