// The terrain import end to end: demo tiles through a GeoTIFF back into the
// same tiles, the survey's XML onto known cells with the datum shift,
// merging with existing tiles, and the sources that must be refused before
// anything is written.
#include "terrain_import/dem_import.h"

#include <gdal_priv.h>
#include <gdal_utils.h>
#include <ogr_spatialref.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/tile_file.h"
#include "engine/tile_writer.h"
#include "support/test_support.h"
#include "tools/demo_terrain/demo_tiles.h"

namespace dorx {
namespace {

namespace fs = std::filesystem;

TileGrid ReadTile(const std::string& path) {
  TerrainTiles tiles;
  ApplyTileFile(tiles, ReadTileFile(path), path);
  TileGrid values;
  for (int r = 0; r < kTileCells; ++r)
    for (int c = 0; c < kTileCells; ++c) values[r][c] = TileElevation(tiles, r, c);
  return values;
}

std::vector<std::unique_ptr<ElevationSource>> OpenAll(const std::vector<std::string>& paths) {
  std::vector<std::unique_ptr<ElevationSource>> sources;
  for (const std::string& path : paths) {
    std::string error;
    sources.push_back(ElevationSource::Open(path, error));
    EXPECT_TRUE(sources.back()) << path << ": " << error;
  }
  return sources;
}

size_t FileCount(const std::string& folder) {
  if (!fs::exists(folder)) return 0;
  size_t n = 0;
  for (const auto& e : fs::recursive_directory_iterator(folder)) n += e.is_regular_file();
  return n;
}

// A GeoTIFF of `width` x `height` pixels with the geotransform, the CRS
// (EPSG code, 0 for none) and every pixel at `value_m`.
std::string WriteGeoTiff(const std::string& path, int width, int height, const double (&gt)[6], int epsg,
                         float value_m) {
  GDALAllRegister();
  GDALDataset* ds = GetGDALDriverManager()->GetDriverByName("GTiff")->Create(path.c_str(), width, height, 1,
                                                                              GDT_Float32, nullptr);
  ds->SetGeoTransform(const_cast<double*>(gt));
  if (epsg) {
    OGRSpatialReference srs;
    srs.importFromEPSG(epsg);
    ds->SetSpatialRef(&srs);
  }
  std::vector<float> values(static_cast<size_t>(width) * height, value_m);
  EXPECT_EQ(ds->GetRasterBand(1)->RasterIO(GF_Write, 0, 0, width, height, values.data(), width, height, GDT_Float32,
                                           0, 0),
            CE_None);
  GDALClose(ds);
  return path;
}

// Demo tiles -> one GeoTIFF (a mosaic through a VRT, as gdalbuildvrt and
// gdal_translate make it) -> import -> the same tiles.
TEST(ImportDem, DemoTilesThroughAGeoTiffComeBackWithinATenthOfAMetre) {
  test::ScratchFolder dir;
  const DegreeArea area{35.26, 35.36, 138.70, 138.90};
  std::string error;
  const std::vector<std::string> tiles = demo::WriteDemoTiles(dir / "demo/", area, error);
  ASSERT_EQ(tiles.size(), 6u) << error;
  GDALAllRegister();
  std::vector<const char*> names;
  for (const std::string& t : tiles) names.push_back(t.c_str());
  int failed = 0;
  GDALDatasetH vrt = GDALBuildVRT((dir / "all.vrt").c_str(), static_cast<int>(names.size()), nullptr, names.data(),
                                  nullptr, &failed);
  ASSERT_TRUE(vrt);
  GDALDatasetH tif = GDALTranslate((dir / "all.tif").c_str(), vrt, nullptr, &failed);
  ASSERT_TRUE(tif);
  GDALClose(tif);
  GDALClose(vrt);

  ImportOptions options;
  options.mesh_folder = dir / "mesh/";
  const ImportResult result = ImportDem(OpenAll({dir / "all.tif"}), options);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.summary.tiles_written.size(), 6u);
  int64_t no_data = 0;
  for (const std::string& original : tiles) {
    const std::string imported = options.mesh_folder + original.substr((dir / "demo/").size());
    SCOPED_TRACE(imported);
    const TileGrid want = ReadTile(original), got = ReadTile(imported);
    for (int r = 0; r < kTileCells; ++r) {
      for (int c = 0; c < kTileCells; ++c) {
        no_data += want[r][c] == kNoElevation;
        if (want[r][c] == kNoElevation) ASSERT_EQ(got[r][c], kNoElevation) << r << "," << c;
        else ASSERT_LE(std::abs(got[r][c] - want[r][c]), 1) << r << "," << c;
      }
    }
    // The header and record numbers are the published layout's.
    EXPECT_EQ(test::ReadBytes(imported).size(), 201u * 1011u);
  }
  EXPECT_GT(no_data, 10000) << "the sea stays no data";
  EXPECT_EQ(result.summary.cells_without_data, no_data);
}

// The survey's layout: 4 x 3 points of 2.25" x 1.5" in JGD2011, the list
// starting at (1, 0) so that (0, 0) has no data, one value -9999.
std::string SurveyXml() {
  std::string tuples;
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      if (y == 0 && x == 0) continue;
      if (y == 2 && x == 3) tuples += "データなし,-9999.\n";
      else tuples += "地表面," + std::to_string(100 + 10 * y + x) + ".26\n";
    }
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<Dataset xmlns=\"http://fgd.gsi.go.jp/spec/2008/FGD_GMLSchema\" xmlns:gml=\"http://www.opengis.net/gml/3.2\">\n"
         "<DEM gml:id=\"DEM001\"><type>5mメッシュ（標高）</type><coverage gml:id=\"c\">\n"
         "<gml:boundedBy><gml:Envelope srsName=\"fguuid:jgd2011.bl\">\n"
         "<gml:lowerCorner>35.3375 138.6375</gml:lowerCorner><gml:upperCorner>35.33875 138.64</gml:upperCorner>\n"
         "</gml:Envelope></gml:boundedBy>\n"
         "<gml:gridDomain><gml:Grid dimension=\"2\"><gml:limits><gml:GridEnvelope><gml:low>0 0</gml:low>"
         "<gml:high>3 2</gml:high></gml:GridEnvelope></gml:limits><gml:axisLabels>x y</gml:axisLabels></gml:Grid>"
         "</gml:gridDomain>\n"
         "<gml:rangeSet><gml:DataBlock><gml:rangeParameters><gml:QuantityList uom=\"DEM構成点\"/></gml:rangeParameters>"
         "<gml:tupleList>\n" +
         tuples +
         "</gml:tupleList></gml:DataBlock></gml:rangeSet>\n"
         "<gml:coverageFunction><gml:GridFunction><gml:sequenceRule order=\"+x-y\">Linear</gml:sequenceRule>"
         "<gml:startPoint>1 0</gml:startPoint></gml:GridFunction></gml:coverageFunction>\n"
         "</coverage></DEM></Dataset>\n";
}

TEST(ImportDem, SurveyXmlLandsOnKnownCellsThroughTheDatumShift) {
  test::ScratchFolder dir;
  test::WriteBytes(dir / "dem.xml", SurveyXml());
  // One entry for every key: JGD2000 = Tokyo + 3.0" north, 4.5" west, that
  // is two cells each way.
  DatumShiftTable table;
  table.Assign({{30000000, DatumShift{3.0, -4.5}}});
  ImportOptions options;
  options.mesh_folder = dir / "mesh/";
  options.datum = &table;
  const ImportResult result = ImportDem(OpenAll({dir / "dem.xml"}), options);
  ASSERT_EQ(result.error, "");
  ASSERT_EQ(result.summary.tiles_written.size(), 1u);
  EXPECT_EQ(result.summary.tiles_written[0], dir / "mesh/5338/533805.mem");
  // The grid's south-west corner is the JGD2000 corner of cell (10, 20) of
  // tile 533805 (35 20'15" N, 138 38'15" E); point (x, y), y from the north,
  // is JGD2000 cell (12 - y, 20 + x), which the Tokyo cell (10 - y, 22 + x)
  // moves onto.
  const TileGrid got = ReadTile(result.summary.tiles_written[0]);
  struct Row {
    int row, column, tenths;
    const char* why;
  };
  const Row rows[] = {
      {10, 22, kNoElevation, "point (0, 0) lies before the start point"},
      {10, 23, 1013, "point (1, 0): 101.26 m rounds to 101.3"},
      {10, 25, 1033, "point (3, 0)"},
      {9, 22, 1103, "point (0, 1): 110.26 m"},
      {8, 24, 1223, "point (2, 2)"},
      {8, 25, kNoElevation, "point (3, 2) is -9999"},
      {11, 23, kNoElevation, "north of the grid"},
      {10, 21, kNoElevation, "west of the grid"},
      {7, 23, kNoElevation, "south of the grid"},
      {9, 26, kNoElevation, "east of the grid"},
  };
  for (const Row& r : rows) EXPECT_EQ(got[r.row][r.column], r.tenths) << r.why;
  EXPECT_EQ(result.summary.cells_with_data, 10);
}

TEST(ImportDem, AnExistingTileKeepsItsCellsWithDataUnlessReplace) {
  test::ScratchFolder dir;
  // Pixel-is-area: 35 20' .. 35 25' N, 138 37'30" .. 138 45' E, one pixel per cell, all 50 m, Tokyo datum.
  const double gt[6] = {138.625, 2.25 / 3600, 0, 35 + 25 / 60.0, 0, -1.5 / 3600};
  const std::string tif = WriteGeoTiff(dir / "flat.tif", 200, 200, gt, 4301, 50.0f);
  TileGrid existing = EmptyTileGrid();
  existing[0][0] = 7;
  const std::string path = dir / "mesh/5338/533805.mem";
  fs::create_directories(dir / "mesh/5338");
  test::WriteBytes(path, TileFileText(TileCode{53, 38, 0, 5}, "OLD", 2020, existing));
  for (const bool replace : {false, true}) {
    ImportOptions options;
    options.mesh_folder = dir / "mesh/";
    options.replace = replace;
    const ImportResult result = ImportDem(OpenAll({tif}), options);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.summary.tiles_merged, 1);
    const TileGrid got = ReadTile(path);
    EXPECT_EQ(got[0][0], replace ? 500 : 7);
    EXPECT_EQ(got[199][199], 500);
    test::WriteBytes(path, TileFileText(TileCode{53, 38, 0, 5}, "OLD", 2020, existing));
  }
  // A file there that is not a whole tile is not overwritten without --replace.
  test::WriteBytes(path, "not a tile\n");
  ImportOptions options;
  options.mesh_folder = dir / "mesh/";
  EXPECT_NE(ImportDem(OpenAll({tif}), options).error.find("not a whole tile"), std::string::npos);
  EXPECT_EQ(test::ReadBytes(path), "not a tile\n");
}

TEST(ImportDem, BadSourcesAreRefusedWithAReason) {
  test::ScratchFolder dir;
  const double japan[6] = {138.625, 2.25 / 3600, 0, 35.4, 0, -1.5 / 3600};
  const double europe[6] = {10.0, 0.001, 0, 50.0, 0, -0.001};
  const std::string xml = SurveyXml();
  struct Case {
    std::string name, bytes_or_tif;
    bool tif;
    int epsg;
    const double* gt;
    const char* reason;
  };
  test::WriteBytes(dir / "cut.xml", xml.substr(0, xml.size() / 2));
  test::WriteBytes(dir / "zipped.xml", std::string("PK\x03\x04", 4) + "rest of an archive");
  test::WriteBytes(dir / "dem.zip", std::string("PK\x03\x04", 4) + "rest of an archive");
  std::string unknown = xml;
  unknown.replace(unknown.find("fguuid:jgd2011.bl"), 17, "fguuid:itrf94.bl");
  test::WriteBytes(dir / "unknown.xml", unknown);
  WriteGeoTiff(dir / "etrs89.tif", 10, 10, japan, 4258, 5.0f);
  WriteGeoTiff(dir / "nocrs.tif", 10, 10, japan, 0, 5.0f);
  test::WriteBytes(dir / "text.tif", "just text\n");
  const std::pair<std::string, std::string> refused[] = {
      {"cut.xml", "damaged XML"},
      {"zipped.xml", "zip archive"},
      {"dem.zip", "zip archive"},
      {"unknown.xml", "unknown coordinate system \"fguuid:itrf94.bl\""},
      {"etrs89.tif", "unknown coordinate system"},
      {"nocrs.tif", "has no coordinate system"},
      {"text.tif", "not a raster GDAL can read"},
      {"missing.tif", "cannot be opened"},
  };
  for (const auto& [name, reason] : refused) {
    std::string error;
    EXPECT_FALSE(ElevationSource::Open(dir / name, error)) << name;
    EXPECT_NE(error.find(reason), std::string::npos) << name << ": " << error;
  }
  // A DEM outside Japan opens but imports nothing, not even with a good one.
  WriteGeoTiff(dir / "good.tif", 10, 10, japan, 4301, 5.0f);
  WriteGeoTiff(dir / "europe.tif", 10, 10, europe, 4326, 5.0f);
  ImportOptions options;
  options.mesh_folder = dir / "mesh/";
  const ImportResult result = ImportDem(OpenAll({dir / "good.tif", dir / "europe.tif"}), options);
  EXPECT_NE(result.error.find("lies outside Japan"), std::string::npos) << result.error;
  EXPECT_EQ(FileCount(dir / "mesh/"), 0u);
}

}  // namespace
}  // namespace dorx
