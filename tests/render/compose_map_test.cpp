// ComposeMap on a map of 4 x 2 pixels: the terrain row 0 is grey 128, the
// sea colour and two darker greys, row 1 white terrain; the result layers
// hold a red pixel, a white one (no value), a green one and a mark.
#include "render/compose_map.h"

#include <gtest/gtest.h>

#include "render/layers.h"
#include "render_fixtures.h"

namespace dorx {
namespace {

using test::RgbAt;

constexpr uint32_t kWhiteHex = 0xFFFFFF;
constexpr uint32_t kSeaHex = 0x202080;

class ComposeMapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::SetUpArea(ctx, 100, 100, 100, 100, 2, 4);
    ResetLayer(rs.pictures, kLayerAll, 0, 0);  // every layer 3030 x 3030, as the Start command leaves them
    Paint(rs.pictures.ImageMAP, {0x808080, kSeaHex, 0x202020, 0x606060});
    Paint(rs.pictures.ImageSIM, {0xFF0000, kWhiteHex, 0x00FF00, 0xFFFFFE});
    Paint(rs.pictures.ImageSIM1, {0x0000FF, kWhiteHex, kWhiteHex, kWhiteHex});
    Paint(rs.pictures.ImageSIM2, {0xF49800, 0xF49800, kWhiteHex, kWhiteHex});
    Paint(rs.pictures.ImageSIM3, {kWhiteHex, kWhiteHex, kWhiteHex, 0x000000});
  }
  static void Paint(FormImage& layer, std::initializer_list<uint32_t> row0) {
    int x = 0;
    for (uint32_t rgb : row0) layer.picture().SetPixel(x++, 0, FromRgbHex(rgb));
  }
  std::vector<uint32_t> ComposedRow(int y) {
    std::vector<uint32_t> row;
    for (int x = 0; x < 4; ++x) row.push_back(RgbAt(rs.pictures.ComposedBitmap, x, y));
    return row;
  }
  Context ctx;
  RenderState rs;
};

TEST_F(ComposeMapTest, TheThreeTerrainModes) {
  const struct Row {
    TerrainMode mode;
    std::vector<uint32_t> composed;
    const char* source;
  } rows[] = {
      {TerrainMode::kMAPX, {0xFF0000, kWhiteHex, 0x00FF00, 0xFFFFFE}, "the result layer alone, white included"},
      {TerrainMode::kMAP1, {0xFF0000, kSeaHex, 0x00FF00, 0xFFFFFE}, "the terrain, sea colour included, where white"},
      // Two thirds terrain, one third result, each part cut: (255, 0, 0) over
      // 128 grey gives (170, 85, 85); green over 0x20 gives (21, 85+21, 21);
      // almost-white is not white: 0x60 x 4 / 6 + 255 x 2 / 6 = 64 + 85, 254 x 2 / 6 = 84.
      {TerrainMode::kMAP2, {0xAA5555, kSeaHex, 0x156A15, 0x959594}, "blended where the result is not white"},
  };
  for (const Row& row : rows) {
    rs.view.terrain = row.mode;
    ComposeMap(ctx, rs);
    EXPECT_EQ(ComposedRow(0), row.composed) << row.source;
    EXPECT_EQ(ComposedRow(1), std::vector<uint32_t>(4, kWhiteHex)) << row.source;
  }
}

TEST_F(ComposeMapTest, TheCheckedResultLayerIsTheOneComposed) {
  const struct Row {
    ResultLayer layer;
    std::vector<uint32_t> composed;
  } rows[] = {
      {ResultLayer::kDORX, {0xFF0000, kSeaHex, 0x00FF00, 0xFFFFFE}},
      {ResultLayer::kSIM1, {0x0000FF, kSeaHex, 0x202020, 0x606060}},
      {ResultLayer::kSIM2, {0xF49800, 0xF49800, 0x202020, 0x606060}},
      {ResultLayer::kSIM3, {0x808080, kSeaHex, 0x202020, 0x000000}},
  };
  rs.view.terrain = TerrainMode::kMAP1;
  for (const Row& row : rows) {
    rs.view.result_layer = row.layer;
    ComposeMap(ctx, rs);
    EXPECT_EQ(ComposedRow(0), row.composed) << static_cast<int>(row.layer);
  }
}

TEST_F(ComposeMapTest, WorkBitmapsTakeTheMapSizeAndTheLayersStayUnchanged) {
  Pictures& p = rs.pictures;
  p.ImageMIX.picture().SetPixel(0, 0, kBlack);
  const Bitmap terrain_before = p.ImageMAP.picture();
  const Bitmap result_before = p.ImageSIM.picture();
  rs.view.terrain = TerrainMode::kMAP2;
  ComposeMap(ctx, rs);
  const Bitmap first = p.ComposedBitmap;
  ComposeMap(ctx, rs);
  EXPECT_EQ(p.ComposedBitmap, first) << "composing again starts from the unchanged layers";
  EXPECT_EQ(p.ImageMAP.picture(), terrain_before);
  EXPECT_EQ(p.ImageSIM.picture(), result_before);
  for (const Bitmap* b : {&p.ComposedBitmap, &p.LayerBitmap}) {
    EXPECT_EQ(b->width(), 4) << "cut(ImageWidth), not the layer's 3030";
    EXPECT_EQ(b->height(), 2);
  }
  EXPECT_EQ(p.ImageMIX.width(), 4);
  EXPECT_EQ(p.ImageMIX.height(), 2);
  EXPECT_EQ(p.ImageMIX.picture(), Bitmap(4, 2)) << "ImageMIX is cleared at the map size";
  EXPECT_EQ(RgbAt(p.LayerBitmap, 0, 0), 0xFF0000u) << "LayerBitmap holds the result layer";
}

TEST_F(ComposeMapTest, AFractionalMapSizeIsCutAndLayersSmallerThanTheMapAreWhiteBeyond) {
  test::SetUpArea(ctx, 100, 100, 100, 100, 2.9, 5.99);
  ResetLayer(rs.pictures, kLayerMAP, 3, 3);
  ResetLayer(rs.pictures, kLayerSIM, 3, 3);
  Paint(rs.pictures.ImageMAP, {0x808080, 0x808080, 0x808080});
  rs.view.terrain = TerrainMode::kMAP1;
  ComposeMap(ctx, rs);
  EXPECT_EQ(rs.pictures.ComposedBitmap.width(), 5);
  EXPECT_EQ(rs.pictures.ComposedBitmap.height(), 2);
  EXPECT_EQ(RgbAt(rs.pictures.ComposedBitmap, 2, 0), 0x808080u);
  EXPECT_EQ(RgbAt(rs.pictures.ComposedBitmap, 3, 0), kWhiteHex);
}

}  // namespace
}  // namespace dorx
