// The files of a save that GIS tools and globe viewers open, read back with
// their own libraries: the GeoTIFF with GDAL (CRS from what the run did,
// transform on the overlay box, NoData, band values, descriptions, units),
// the world files of the pictures with GDAL, and the KMZs with libzip.
#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <ogr_spatialref.h>
#include <zip.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <optional>

#include "drawing_fixture.h"
#include "files/kml_template.h"
#include "render/budget_quantities.h"
#include "render/drawing_run.h"
#include "render/map_export.h"
#include "render/result_raster.h"
#include "render/world_files.h"

namespace dorx {
namespace {

struct GdalCloser {
  void operator()(GDALDataset* d) const { GDALClose(GDALDataset::ToHandle(d)); }
};
using Dataset = std::unique_ptr<GDALDataset, GdalCloser>;

Dataset OpenWithGdal(const std::string& path) {
  GDALAllRegister();
  return Dataset(GDALDataset::Open(path.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
}

int EpsgOf(GDALDataset& d) {
  const OGRSpatialReference* srs = d.GetSpatialRef();
  if (srs == nullptr) return 0;
  const char* code = srs->GetAuthorityCode(nullptr);
  return code == nullptr ? 0 : std::atoi(code);
}

std::array<double, 6> TransformOf(GDALDataset& d) {
  std::array<double, 6> gt{};
  d.GetGeoTransform(gt.data());
  return gt;
}

float ValueAt(GDALDataset& d, int band, int column, int row) {
  float value = 0;
  EXPECT_EQ(d.GetRasterBand(band)->RasterIO(GF_Read, column, row, 1, 1, &value, 1, 1, GDT_Float32, 0, 0, nullptr),
            CE_None);
  return value;
}

// The sample result: block (cb, rb) at 35.5 + 0.01 rb N, 139.6 + 0.01 cb E
// (JGD2000, shifted 11.5" from Tokyo), elevation 10 cb + rb m, value
// 100 - 3 cb - rb; no data in block (4, 7).
class GisExportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(WriteDefaultKmlTemplate(f.dir / "Dorx.kml", f.sink)); }
  static CellRecord Sample(int cb, int rb) {
    CellRecord r = test::BlockRecord(cb, rb, 10.0 * cb + rb, 100.0 - 3 * cb - rb, 1);
    if (cb == 4 && rb == 7) r.slot[kFieldStrength] = r.slot[kFloodDepth] = r.slot[kElevation] = NO_DATA;
    return r;
  }
  void DrawAndSave(const std::function<CellRecord(int, int)>& make = Sample) {
    f.WriteResult(make);
    DrawResult(f.ctx, f.rs, f.sink);
    f.sink.reports.clear();
    SaveMapImages(f.ctx, f.rs, f.sink);
  }
  std::string Out(const std::string& name_utf8) { return f.dir / name_utf8; }
  test::DrawingFixture f;
};

TEST_F(GisExportTest, TheGeoTiffHoldsTheBandsOnTheOverlayBoxInJgd2000) {
  DrawAndSave();
  EXPECT_TRUE(f.sink.reports.empty());
  const Dataset tif = OpenWithGdal(Out("wide.tif"));
  ASSERT_TRUE(tif);
  EXPECT_EQ(EpsgOf(*tif), kEpsgJgd2000) << "the cells carry datum shifts";
  ASSERT_EQ(tif->GetRasterXSize(), 20) << "one pixel per block of the reduced store";
  ASSERT_EQ(tif->GetRasterYSize(), 20);
  // The overlay box runs from block (0, 19) at 35.69 N 139.60 E to block
  // (19, 0) at 35.50 N 139.79 E; 200 cells of it make 20 pixels.
  const auto gt = TransformOf(*tif);
  EXPECT_NEAR(gt[0], 139.60, 1e-9);
  EXPECT_NEAR(gt[3], 35.69, 1e-9);
  EXPECT_NEAR(gt[1], 0.19 / 20, 1e-12);
  EXPECT_NEAR(gt[5], -0.19 / 20, 1e-12);
  EXPECT_EQ(gt[2], 0.0);
  EXPECT_EQ(gt[4], 0.0);
  EXPECT_STREQ(tif->GetMetadataItem("AREA_OR_POINT"), "Area");

  ASSERT_EQ(tif->GetRasterCount(), 4);
  const char* units[] = {"dB", "dBuV/m", "dBm", "m"};
  for (int band = 1; band <= 4; ++band) {
    GDALRasterBand* b = tif->GetRasterBand(band);
    EXPECT_EQ(b->GetRasterDataType(), GDT_Float32);
    EXPECT_STREQ(b->GetUnitType(), units[band - 1]);
    EXPECT_STRNE(b->GetDescription(), "");
    int has_nodata = 0;
    EXPECT_EQ(b->GetNoDataValue(&has_nodata), -9999.0);
    EXPECT_TRUE(has_nodata);
  }
  const ResultHeader& h = f.header;
  struct Cell {
    int cb, rb;
  };
  for (const Cell c : {Cell{0, 19}, Cell{19, 0}, Cell{10, 10}, Cell{2, 3}}) {
    const int column = c.cb, row = 19 - c.rb;  // rows from the north
    const double stored = 100.0 - 3 * c.cb - c.rb;
    EXPECT_EQ(ValueAt(*tif, 1, column, row), static_cast<float>(stored)) << c.cb << "," << c.rb;
    EXPECT_EQ(ValueAt(*tif, 2, column, row),
              static_cast<float>(FieldStrength_dBuVm(stored, h.Rx_Impedance, h.Rx_Loss, h.Tx_Frequency)));
    EXPECT_EQ(ValueAt(*tif, 3, column, row), static_cast<float>(ReceivedPower_dBm(stored, h.Rx_Impedance)));
    EXPECT_EQ(ValueAt(*tif, 4, column, row), static_cast<float>((10.0 * c.cb + c.rb) * 10 * 0.1));
  }
  for (int band = 1; band <= 4; ++band) EXPECT_EQ(ValueAt(*tif, band, 4, 12), -9999.0f) << "block (4, 7)";
}

TEST_F(GisExportTest, ARunWithoutTheDatumTableIsInTheTokyoDatum) {
  DrawAndSave([](int cb, int rb) {
    CellRecord r = Sample(cb, rb);
    r.slot[kLatitude] += r.slot[kLatitudeShift];
    r.slot[kLongitude] += r.slot[kLongitudeShift];
    r.slot[kLatitudeShift] = r.slot[kLongitudeShift] = 0;  // what the loading pass writes without a table
    return r;
  });
  const Dataset tif = OpenWithGdal(Out("wide.tif"));
  ASSERT_TRUE(tif);
  EXPECT_EQ(EpsgOf(*tif), kEpsgTokyo);
  EXPECT_NE(std::string(tif->GetMetadataItem("DORX_DATUM")).find("Tokyo"), std::string::npos);
  const Dataset png = OpenWithGdal(Out("wide.sx.png"));
  ASSERT_TRUE(png);
  EXPECT_EQ(EpsgOf(*png), kEpsgTokyo) << "the picture's CRS says the same";
}

TEST_F(GisExportTest, FloodModeGivesTheDepthAndTheGround) {
  f.ctx.FloodMode = 1;
  f.ctx.drawing = StartUpDrawingSettings(1);
  DrawAndSave([](int cb, int rb) {
    CellRecord r = Sample(cb, rb);
    if (cb == 1 && rb == 1) r.slot[kFloodDepth] = NO_DATA;  // ground below -10 m: no depth
    return r;
  });
  const Dataset tif = OpenWithGdal(Out("wide.tif"));
  ASSERT_TRUE(tif);
  ASSERT_EQ(tif->GetRasterCount(), 2);
  EXPECT_STREQ(tif->GetRasterBand(1)->GetDescription(), "water depth");
  EXPECT_STREQ(tif->GetRasterBand(1)->GetUnitType(), "m");
  EXPECT_STREQ(tif->GetRasterBand(2)->GetDescription(), "ground elevation");
  EXPECT_EQ(ValueAt(*tif, 1, 2, 19 - 3), 100.0f - 6 - 3);
  EXPECT_EQ(ValueAt(*tif, 2, 2, 19 - 3), 23.0f);
  EXPECT_EQ(ValueAt(*tif, 1, 1, 18), -9999.0f);
  EXPECT_EQ(ValueAt(*tif, 2, 1, 18), 11.0f) << "the ground is still known";
}

TEST_F(GisExportTest, ACutResultFileHasNoDataWhereItsRecordsEnd) {
  f.WriteResult(Sample);
  const std::string whole = test::ReadBytes(f.ctx.ResultFilePath);
  // Five rows of blocks and half a record.
  test::WriteBytes(f.ctx.ResultFilePath, whole.substr(0, kResultHeaderBytes + (5 * 20) * kRecordBytes + 80));
  const RasterReading reading = ReadResultRaster(f.ctx.ResultFilePath, 0);
  ASSERT_TRUE(reading.raster) << reading.error;
  const ResultRaster& r = *reading.raster;
  EXPECT_EQ(r.bands[0].values[19 * 20 + 3], 100.0f - 9) << "block (3, 0)";
  EXPECT_EQ(r.bands[0].values[15 * 20 + 0], 100.0f - 4) << "block (0, 4), the last row";
  EXPECT_EQ(r.bands[0].values[14 * 20 + 0], kRasterNoData) << "block (0, 5) is cut off";
  EXPECT_EQ(r.bands[3].values[0], kRasterNoData);
  // The north-west corner block is missing: its position comes from the
  // station on the cell grid (99 rows north, 100 columns west).
  EXPECT_NEAR(r.box.north, (f.header.SourceLatSeconds + 99 * 1.5) / 3600, 1e-12);
  EXPECT_NEAR(r.box.west, (f.header.SourceLonSeconds - 100 * 2.25) / 3600, 1e-12);
  EXPECT_NEAR(r.box.south, 35.5, 1e-12);
}

TEST_F(GisExportTest, FilesThatAreNoResultAreRefused) {
  EXPECT_FALSE(ReadResultRaster((f.dir / "missing.dorx"), 0).raster);
  test::WriteBytes(f.dir / "short.dorx", std::string(100, 'S'));
  const RasterReading reading = ReadResultRaster(f.dir / "short.dorx", 0);
  EXPECT_FALSE(reading.raster);
  EXPECT_EQ(reading.error, "not a result file: " + std::string(f.dir / "short.dorx"));
}

TEST_F(GisExportTest, EachMapPictureHasAWorldFileAndItsCrs) {
  DrawAndSave();
  for (const char* name : {"wide.sx", "wide.sg"}) {
    const std::string png = Out(std::string(name) + ".png");
    EXPECT_EQ(test::ReadBytes(Out(std::string(name) + ".pgw")),
              "0.009500000000\r\n0.0\r\n0.0\r\n-0.009500000000\r\n139.604750000000\r\n35.685250000000\r\n")
        << "20 pixels over the 0.19 degree box; the centre of the top-left pixel";
    EXPECT_NE(test::ReadBytes(Out(std::string(name) + ".prj")).find("GEOGCS[\"GCS_JGD_2000\""), std::string::npos);
    const Dataset d = OpenWithGdal(png);
    ASSERT_TRUE(d);
    EXPECT_EQ(EpsgOf(*d), kEpsgJgd2000) << name;
    const auto gt = TransformOf(*d);
    EXPECT_NEAR(gt[0], 139.60, 1e-9) << "the west edge of the overlay";
    EXPECT_NEAR(gt[3], 35.69, 1e-9) << "its north edge";
    EXPECT_NEAR(gt[0] + 20 * gt[1], 139.79, 1e-9);
    EXPECT_NEAR(gt[3] + 20 * gt[5], 35.50, 1e-9);
  }
}

std::optional<std::string> ZipEntry(zip_t* archive, const char* name) {
  zip_stat_t stat;
  if (zip_stat(archive, name, 0, &stat) != 0) return std::nullopt;
  zip_file_t* file = zip_fopen(archive, name, 0);
  if (file == nullptr) return std::nullopt;
  std::string bytes(stat.size, '\0');
  const zip_int64_t got = zip_fread(file, bytes.data(), bytes.size());
  zip_fclose(file);
  if (got != static_cast<zip_int64_t>(bytes.size())) return std::nullopt;
  return bytes;
}

TEST_F(GisExportTest, EachOverlayHasAKmzWithItsKmlAndPicture) {
  f.header.Project_Name = test::Sjis("富士山");
  DrawAndSave();
  for (const char* name : {"富士山.sx", "富士山.sg"}) {
    int error = 0;
    zip_t* archive = zip_open(Out(std::string(name) + ".kmz").c_str(), ZIP_RDONLY, &error);
    ASSERT_NE(archive, nullptr) << name;
    EXPECT_EQ(zip_get_num_entries(archive, 0), 2);
    EXPECT_STREQ(zip_get_name(archive, 0, 0), "doc.kml") << "the first entry is the one a viewer opens";
    EXPECT_EQ(ZipEntry(archive, "doc.kml"), test::ReadBytes(Out(std::string(name) + ".kml")));
    EXPECT_EQ(ZipEntry(archive, (std::string(name) + ".png").c_str()), test::ReadBytes(Out(std::string(name) + ".png")))
        << "under the name the KML's Icon gives it";
    zip_close(archive);
  }
}

TEST_F(GisExportTest, NoKmzWithoutItsOverlayAndAFailedGisFileIsReported) {
  f.WriteResult(Sample);
  DrawResult(f.ctx, f.rs, f.sink);
  f.sink.reports.clear();
  std::filesystem::remove(f.dir / "Dorx.kml");
  std::filesystem::create_directory(Out("wide.tif"));  // a folder in the way
  SaveMapImages(f.ctx, f.rs, f.sink);
  ASSERT_EQ(f.sink.ReportCodes(), (std::vector<int>{117, 117, 119}));
  EXPECT_EQ(f.sink.reports[2].message_text, "Write: " + Out("wide.tif"));
  EXPECT_FALSE(std::filesystem::exists(Out("wide.sx.kmz")));
  EXPECT_TRUE(std::filesystem::exists(Out("wide.sx.pgw"))) << "the world files do not need the overlay";
}

TEST(SavedFilePaths, TheDrawVerbListsWhatTheSaveWrites) {
  Context ctx;
  ctx.ResultFilePath = "/r/wide.dorx";
  ctx.params.Project_Name = "wide";
  EXPECT_EQ(SavedFilePaths(ctx, false),
            (std::vector<std::string>{"/r/wide.sn.png", "/r/wide.sx.png", "/r/wide.sg.png", "/r/wide.sx.kml",
                                      "/r/wide.sg.kml", "/r/wide.tif", "/r/wide.sx.pgw", "/r/wide.sx.prj",
                                      "/r/wide.sx.png.aux.xml", "/r/wide.sg.pgw", "/r/wide.sg.prj",
                                      "/r/wide.sg.png.aux.xml", "/r/wide.sx.kmz", "/r/wide.sg.kmz"}));
}

}  // namespace
}  // namespace dorx
