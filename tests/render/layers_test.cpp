// ResetLayer by layer code: which image, which size, visibility, and the
// white picture with a solid white brush.
#include "render/layers.h"

#include <gtest/gtest.h>

#include "render_fixtures.h"

namespace dorx {
namespace {

TEST(ResetLayer, EachCodeSizesAndClearsItsOwnImage) {
  const struct Row {
    int code;
    ImageId image;
  } rows[] = {
      {3003, ImageId::ImageCSR}, {3005, ImageId::ImageMAP},  {3007, ImageId::ImageMIX},
      {3011, ImageId::ImageSIM}, {3013, ImageId::ImageSIM1}, {3015, ImageId::ImageSIM2},
      {3017, ImageId::ImageSIM3}, {3031, ImageId::ImageFIN}, {3035, ImageId::ImageSEC},
  };
  for (const Row& row : rows) {
    Pictures p;
    ResetLayer(p, kLayerAll, 0, 0);
    FormImage& image = p.Get(row.image);
    image.visible = true;
    image.canvas_state.brush_colour = kBlack;
    image.canvas_state.brush_style = BrushStyle::kClear;
    ResetLayer(p, row.code, 7, 5);
    EXPECT_EQ(image.width(), 7) << row.code;
    EXPECT_EQ(image.height(), 5) << row.code;
    EXPECT_EQ(image.picture(), Bitmap(7, 5)) << row.code << ": a white picture";
    EXPECT_TRUE(image.visible) << row.code << ": visibility does not change";
    EXPECT_EQ(image.canvas_state.brush_colour, kWhite) << row.code;
    EXPECT_EQ(image.canvas_state.brush_style, BrushStyle::kSolid) << row.code;
    // No other image was touched.
    for (ImageId other : {ImageId::ImageCSR, ImageId::ImageMAP, ImageId::ImageSIM, ImageId::ImageFIN,
                          ImageId::ImageSEC, ImageId::ImageNOT})
      if (other != row.image) {
        EXPECT_NE(p.Get(other).width(), 7) << row.code;
      }
  }
}

TEST(ResetLayer, PanelIsAlways192By570) {
  Pictures p;
  ResetLayer(p, kLayerNOT, 500, 500);
  EXPECT_EQ(p.ImageNOT.width(), 192);
  EXPECT_EQ(p.ImageNOT.height(), 570);
}

TEST(ResetLayer, AllCodeHidesEveryImageAtItsStartSize) {
  Pictures p;
  for (ImageId id : {ImageId::ImageCSR, ImageId::ImageNOT, ImageId::ImageSEC}) {
    p.Get(id).visible = true;
    p.Get(id).transparent = true;
  }
  ResetLayer(p, kLayerAll, 1, 1);
  for (ImageId id : {ImageId::ImageCSR, ImageId::ImageSIM, ImageId::ImageSIM1, ImageId::ImageSIM2, ImageId::ImageSIM3,
                     ImageId::ImageMAP, ImageId::ImageMIX, ImageId::ImageFIN}) {
    EXPECT_EQ(p.Get(id).width(), 3030);
    EXPECT_EQ(p.Get(id).height(), 3030);
  }
  EXPECT_EQ(p.ImageNOT.width(), 192);
  EXPECT_EQ(p.ImageNOT.height(), 570);
  EXPECT_EQ(p.ImageSEC.width(), 800);
  EXPECT_EQ(p.ImageSEC.height(), 160);
  for (ImageId id : {ImageId::ImageCSR, ImageId::ImageNOT, ImageId::ImageSEC}) {
    EXPECT_FALSE(p.Get(id).visible);
    EXPECT_FALSE(p.Get(id).transparent);
  }
}

TEST(ResetLayer, LargePicturesBecomeWhitePixelsOnlyWhenUsed) {
  Pictures p;
  ResetLayer(p, kLayerAll, 0, 0);
  EXPECT_FALSE(p.ImageMAP.materialised());
  EXPECT_EQ(test::RgbAt(p.ImageMAP, 3029, 3029), 0xFFFFFFu);
  EXPECT_TRUE(p.ImageMAP.materialised());
  EXPECT_EQ(p.ImageMAP.picture().width(), 3030);
  EXPECT_FALSE(p.ImageSIM.materialised());
}

TEST(ResetLayer, UnknownCodesAndNegativeSizes) {
  Pictures p;
  ResetLayer(p, kLayerAll, 0, 0);
  for (int code : {0, 3000, 3002, 3009, 3019, 3036, -3003}) ResetLayer(p, code, 9, 9);
  EXPECT_EQ(p.ImageCSR.width(), 3030);
  EXPECT_EQ(p.ImageSEC.width(), 800);
  ResetLayer(p, kLayerCSR, -4, -1);
  EXPECT_EQ(p.ImageCSR.width(), 0);
  EXPECT_TRUE(p.ImageCSR.picture().empty());
}

}  // namespace
}  // namespace dorx
