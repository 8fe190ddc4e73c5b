// The demo tiles in the tile product's published layout: GDAL's JDEM driver,
// an independent reader of that layout, finds every tile where the loading
// pass puts it and reads every cell as the loading pass reads it.
#include <gdal_priv.h>
#include <ogr_spatialref.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/tile_file.h"
#include "engine/tile_writer.h"
#include "support/test_support.h"
#include "tools/demo_terrain/demo_tiles.h"

namespace dorx {
namespace {

struct DatasetCloser {
  void operator()(GDALDataset* d) const { GDALClose(d); }
};

// 35.26..35.36 N, 138.70..138.90 E: six tiles, the south-eastern ones
// partly sea (no-data cells).
const demo::DegreeArea kArea{35.26, 35.36, 138.70, 138.90};

TEST(DemoTiles, OpenInGdalWithTheirCornersAndTheCellsTheLoadingPassReads) {
  GDALAllRegister();
  test::ScratchFolder dir;
  std::string error;
  const std::vector<std::string> paths = demo::WriteDemoTiles(dir.path(), kArea, error);
  ASSERT_EQ(paths.size(), 6u) << error;
  const std::vector<TileCode> codes = demo::TilesCovering(kArea);
  int no_data_cells = 0;
  for (size_t i = 0; i < paths.size(); ++i) {
    SCOPED_TRACE(paths[i]);
    std::unique_ptr<GDALDataset, DatasetCloser> ds(
        GDALDataset::Open(paths[i].c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
    ASSERT_TRUE(ds);
    EXPECT_STREQ(ds->GetDriver()->GetDescription(), "JDEM");
    ASSERT_EQ(ds->GetRasterXSize(), 200);
    ASSERT_EQ(ds->GetRasterYSize(), 200);
    // Pixel-is-area from the tile's north-west corner, cells 2.25" by 1.5".
    const TileCorners corners = CornersOf(codes[i]);
    double gt[6];
    ASSERT_EQ(ds->GetGeoTransform(gt), CE_None);
    EXPECT_NEAR(gt[0], corners.west_arcsec / 3600.0, 1e-12);
    EXPECT_NEAR(gt[3], corners.north_arcsec / 3600.0, 1e-12);
    EXPECT_NEAR(gt[1], 2.25 / 3600.0, 1e-15);
    EXPECT_NEAR(gt[5], -1.5 / 3600.0, 1e-15);
    EXPECT_EQ(gt[2], 0.0);
    EXPECT_EQ(gt[4], 0.0);
    const OGRSpatialReference* srs = ds->GetSpatialRef();
    ASSERT_TRUE(srs);
    EXPECT_STREQ(srs->GetAuthorityCode(nullptr), "4301") << "Tokyo datum";

    std::vector<float> cells(200 * 200);
    ASSERT_EQ(ds->GetRasterBand(1)->RasterIO(GF_Read, 0, 0, 200, 200, cells.data(), 200, 200, GDT_Float32, 0, 0),
              CE_None);
    TerrainTiles tiles;
    ApplyTileFile(tiles, ReadTileFile(paths[i]), paths[i]);
    for (int y = 0; y < 200; ++y) {
      for (int x = 0; x < 200; ++x) {
        // The driver reads each field as an integer times 0.1f, the north row first.
        const int32_t read = TileElevation(tiles, 199 - y, x);
        if (read == kNoElevation) ++no_data_cells;
        ASSERT_EQ(cells[static_cast<size_t>(y * 200 + x)], static_cast<float>(read) * 0.1f) << x << "," << y;
      }
    }
  }
  EXPECT_GT(no_data_cells, 10000) << "the sea is no data (-999.9 as the driver reads it)";
}

}  // namespace
}  // namespace dorx
