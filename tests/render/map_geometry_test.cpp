// Map size and cell-to-pixel mapping: the sizing codes of a run and of a
// drawing, and the documented sizes.
#include "render/map_geometry.h"

#include <gtest/gtest.h>

#include "render/cell_painter.h"
#include "render/layers.h"
#include "render/render_state.h"

namespace dorx {
namespace {

constexpr double kDy = 1.288420032497788;   // documented sin(alpha) x k
constexpr double kDx0 = 1.9326300487466819;  // documented sin(beta) x k

CellRecord AtLatitude(double degrees, double shift_arcsec = 0) {
  CellRecord r;
  r.Clear();
  r.slot[kLatitude] = degrees * 3600 - shift_arcsec;
  r.slot[kLatitudeShift] = shift_arcsec;
  return r;
}

TEST(PixelsPerCell, DocumentedScaleAtTheEquatorAndAt35Degrees) {
  EXPECT_NEAR(PixelsPerCellY(), kDy, 1e-12);
  EXPECT_NEAR(PixelsPerCellX(AtLatitude(0)), kDx0, 1e-12);
  // About 1.58 x 1.29 pixels at 35 degrees; slot 1 + slot 3 is the latitude.
  EXPECT_NEAR(PixelsPerCellX(AtLatitude(35, 12.5)), 1.58, 0.005);
}

struct Area {
  int32_t north, south, east, west;
};

ProjectParameters AreaParameters(Area a, int8_t reduction = 0, int8_t coarse = 1) {
  ProjectParameters p;
  p.Range_North = a.north;
  p.Range_South = a.south;
  p.Range_East = a.east;
  p.Range_West = a.west;
  p.Flag_Reduction = reduction;
  p.Coarse = coarse;
  return p;
}

void ExpectDistancesAddUp(const MapGeometry& g) {
  EXPECT_NEAR(g.NorthPixels + g.SouthPixels, g.ImageHeight, 1e-9);
  EXPECT_NEAR(g.EastPixels + g.WestPixels, g.ImageWidth, 1e-9);
}

TEST(SizeFromTerrainCell, FullSizeAtTheCellsLatitudeWithoutMarginOrReduction) {
  // The documented area of 320 rows and 640 columns at 35 degrees.
  MapGeometry g;
  g.CellsPerPixelY = 123;  // not derived by this step
  SizeFromTerrainCell(g, AreaParameters({160, 160, 320, 320}, 1, 2), AtLatitude(35));
  EXPECT_NEAR(g.ImageHeight, 412.3, 0.05);
  EXPECT_NEAR(g.ImageWidth, 1013.2, 0.05);
  EXPECT_EQ(g.CellsPerPixelY, 123);
}

TEST(SizingCodes, RunSizesEstimateThenTerrainThenReduction) {
  Context ctx;
  RenderState rs;
  ctx.params = AreaParameters({160, 160, 320, 320}, 1, 2);
  PaintCell(ctx, rs, kSizeRunEstimate, 0, 0);
  // Estimate: 8 cells of margin each way, no latitude factor, halved by Coarse.
  EXPECT_DOUBLE_EQ(ctx.geometry.ImageHeight, kDy * 328 / 2);
  EXPECT_DOUBLE_EQ(ctx.geometry.ImageWidth, kDx0 * 648 / 2);
  ExpectDistancesAddUp(ctx.geometry);

  SizeFromTerrainCell(ctx.geometry, ctx.params, AtLatitude(35));
  const double full_height = ctx.geometry.ImageHeight;
  const double full_width = ctx.geometry.ImageWidth;
  PaintCell(ctx, rs, kSizeRunReduction, 0, 0);
  EXPECT_DOUBLE_EQ(ctx.geometry.ImageHeight, full_height / 2);
  EXPECT_DOUBLE_EQ(ctx.geometry.ImageWidth, full_width / 2);
  EXPECT_DOUBLE_EQ(ctx.geometry.CellsPerPixelY, 320 / (full_height / 2));
  EXPECT_DOUBLE_EQ(ctx.geometry.WestPixels, 320 / (640 / (full_width / 2)));
  ExpectDistancesAddUp(ctx.geometry);
}

TEST(SizingCodes, ReductionOnlyUnderFlagReduction) {
  Context ctx;
  RenderState rs;
  ctx.params = AreaParameters({160, 160, 320, 320}, 0, 2);
  ctx.geometry.ImageHeight = 400;
  ctx.geometry.ImageWidth = 1000;
  PaintCell(ctx, rs, kSizeRunReduction, 0, 0);
  EXPECT_EQ(ctx.geometry.ImageHeight, 400);
  EXPECT_EQ(ctx.geometry.ImageWidth, 1000);
  EXPECT_EQ(ctx.geometry.NorthPixels, 200);
}

TEST(SizingCodes, DrawMagnificationScalesTheStoredSize) {
  Context ctx;
  RenderState rs;
  ctx.params = AreaParameters({100, 300, 150, 250});
  ctx.geometry.ImageHeight = 500;
  ctx.geometry.ImageWidth = 600;
  DeriveMapGeometry(ctx.geometry, ctx.params);
  const MapGeometry before = ctx.geometry;
  ctx.drawing.DrawMagnification = 50;
  PaintCell(ctx, rs, kSizeDrawing, 0, 0);
  EXPECT_EQ(ctx.geometry.ImageHeight, 250);
  EXPECT_EQ(ctx.geometry.ImageWidth, 300);
  EXPECT_DOUBLE_EQ(ctx.geometry.CellsPerPixelY, 2 * before.CellsPerPixelY);
  EXPECT_DOUBLE_EQ(ctx.geometry.CellsPerPixelX, 2 * before.CellsPerPixelX);
  // The station: 100 rows from the top of 400, 250 columns from the left of 400.
  EXPECT_DOUBLE_EQ(ctx.geometry.NorthPixels, 62.5);
  EXPECT_DOUBLE_EQ(ctx.geometry.WestPixels, 187.5);
  ExpectDistancesAddUp(ctx.geometry);
}

TEST(SizingCodes, PreviewCodeDerivesOnlyAndOtherCodesChangeNothing) {
  Context ctx;
  RenderState rs;
  ResetLayer(rs.pictures, kLayerAll, 0, 0);
  ctx.params = AreaParameters({100, 100, 100, 100});
  ctx.geometry.ImageHeight = 80;
  ctx.geometry.ImageWidth = 40;
  PaintCell(ctx, rs, kSizePreview, 0, 0);
  EXPECT_EQ(ctx.geometry.ImageHeight, 80);
  EXPECT_EQ(ctx.geometry.CellsPerPixelY, 2.5);
  EXPECT_EQ(ctx.geometry.CellsPerPixelX, 5);
  const MapGeometry derived = ctx.geometry;
  for (int code : {-5005, -5013, -1, 0}) {
    EXPECT_FALSE(ApplySizingCode(ctx, code));
    PaintCell(ctx, rs, code, 0, 0);
  }
  EXPECT_EQ(ctx.geometry.ImageWidth, derived.ImageWidth);
  EXPECT_EQ(ctx.geometry.WestPixels, derived.WestPixels);
  for (ImageId id : {ImageId::ImageCSR, ImageId::ImageMAP, ImageId::ImageSIM})
    EXPECT_FALSE(rs.pictures.Get(id).materialised());  // nothing painted
}

}  // namespace
}  // namespace dorx
