// The save of a drawn result: file names of both modes, the PNG images (RGB,
// 8 bits, white transparent only on the maps, the pictures as drawn), the KML
// overlays filled from the template, and the failures that skip one file.
#include "render/map_export.h"

#include <gtest/gtest.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <filesystem>
#include <optional>

#include "drawing_fixture.h"
#include "files/kml_template.h"
#include "render/drawing_run.h"

namespace dorx {
namespace {

using test::RgbAt;
using test::Sjis;

// A PNG file as read back with libpng, without any transformation.
struct DecodedPng {
  int colour_type = -1;
  int bit_depth = -1;
  std::optional<uint32_t> transparent_rgb;  // the tRNS colour, 0xRRGGBB (8-bit samples)
  Bitmap picture;
};

struct ReadCursor {
  const std::string* bytes;
  size_t at = 0;
};

void ReadFromString(png_structp png, png_bytep out, size_t length) {
  auto* cursor = static_cast<ReadCursor*>(png_get_io_ptr(png));
  if (cursor->at + length > cursor->bytes->size()) png_error(png, "short");
  std::memcpy(out, cursor->bytes->data() + cursor->at, length);
  cursor->at += length;
}

// No local here may need a destructor: libpng leaves by longjmp.
bool DecodeInto(png_structp png, png_infop info, ReadCursor* cursor, std::vector<uint8_t>& row, DecodedPng& out) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, cursor, ReadFromString);
  png_read_info(png, info);
  out.colour_type = png_get_color_type(png, info);
  out.bit_depth = png_get_bit_depth(png, info);
  png_color_16p trns = nullptr;
  if (png_get_tRNS(png, info, nullptr, nullptr, &trns) != 0 && trns != nullptr)
    out.transparent_rgb = (uint32_t{trns->red} << 16) | (uint32_t{trns->green} << 8) | trns->blue;
  if (out.colour_type != PNG_COLOR_TYPE_RGB || out.bit_depth != 8) return true;
  const int width = static_cast<int>(png_get_image_width(png, info));
  const int height = static_cast<int>(png_get_image_height(png, info));
  out.picture = Bitmap(width, height);
  row.resize(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    png_read_row(png, row.data(), nullptr);
    for (int x = 0; x < width; ++x) out.picture.SetPixel(x, y, MakeColour(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
  }
  return true;
}

std::optional<DecodedPng> ReadPng(const std::string& path) {
  const std::string bytes = test::ReadBytes(path);
  if (bytes.size() < 8 || png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) != 0)
    return std::nullopt;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  ReadCursor cursor{&bytes};
  DecodedPng out;
  std::vector<uint8_t> row;
  const bool ok = DecodeInto(png, info, &cursor, row, out);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) return std::nullopt;
  return out;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

std::string DefaultOverlay(const std::string& name_utf8, const std::string& icon_utf8) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<kml  xmlns=\"http://www.opengis.net/kml/2.2\">\n"
         "<Folder>\n"
         "<name>Ground Overlays</name>\n"
         "<description>*-Dorx-*</description>\n"
         "<GroundOverlay>\n"
         "<name>Large-scale overlay on terrain</name>\n"
         "<description>" + name_utf8 + "</description><color>80ffffff</color>\n"
         "<Icon>" + icon_utf8 + "</Icon><LatLonBox>\n"
         "<north>35.690000</north><south>35.500000</south><east>139.790000</east><west>139.600000</west>"
         "<rotation>-0.123</rotation>\n"
         "</LatLonBox></GroundOverlay></Folder></kml>\n";
}

TEST(BuildExportNames, SixNamesPerMode) {
  const ExportNames field = BuildExportNames("wide", 0);
  const ExportNames flood = BuildExportNames("wide", 1);
  EXPECT_EQ(field.entry, (std::array<std::string, 6>{"wide.sn.png", "wide.sx.png", "wide.sg.png", "wide.sx.kml",
                                                     "wide.sg.kml", "wide.sf.png"}));
  EXPECT_EQ(flood.entry, (std::array<std::string, 6>{"wide.wn.png", "wide.wx.png", "wide.wg.png", "wide.wx.kml",
                                                     "wide.wg.kml", "wide.wf.png"}));
  EXPECT_EQ(BuildExportNames("%s%d", 0).entry[0], "%s%d.sn.png") << "the name is a value, not a format";
}

// A drawn result (the sample of block values of the drawing tests, reduced to
// three blocks) with the default KML template in the program folder.
class SaveMapImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteDefaultKmlTemplate(f.dir / "Dorx.kml", f.sink));
  }
  void Draw() {
    f.WriteResult([](int cb, int rb) {
      if (cb == 2 && rb == 3) return test::BlockRecord(cb, rb, 20, 35, 1);
      return test::BlockRecord(cb, rb, 50, -1);
    });
    DrawResult(f.ctx, f.rs, f.sink);
    f.sink.reports.clear();
  }
  std::string Out(const std::string& name_utf8) { return f.dir / name_utf8; }
  test::DrawingFixture f;
};

TEST_F(SaveMapImagesTest, WritesThePanelTheMapAndTheGridMapAsPngAndTwoOverlays) {
  Draw();
  f.rs.view.terrain = TerrainMode::kMAP1;  // chosen after the drawing run: the save composes anew
  SaveMapImages(f.ctx, f.rs, f.sink);
  EXPECT_TRUE(f.sink.reports.empty());
  const Pictures& p = f.rs.pictures;

  const std::optional<DecodedPng> panel = ReadPng(Out("wide.sn.png"));
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->colour_type, PNG_COLOR_TYPE_RGB);
  EXPECT_EQ(panel->bit_depth, 8);
  EXPECT_FALSE(panel->transparent_rgb) << "the panel has no transparent colour";
  EXPECT_EQ(panel->picture, p.ImageNOT.picture());

  const std::optional<DecodedPng> map = ReadPng(Out("wide.sx.png"));
  ASSERT_TRUE(map);
  EXPECT_EQ(map->colour_type, PNG_COLOR_TYPE_RGB);
  EXPECT_EQ(map->transparent_rgb, 0xFFFFFFu) << "white is transparent on the maps";
  ASSERT_EQ(map->picture.width(), 20);
  ASSERT_EQ(map->picture.height(), 20);
  EXPECT_EQ(RgbAt(map->picture, 2, 16), 0xFF0000u);
  EXPECT_EQ(RgbAt(map->picture, 5, 5), 0x9F9F9Fu) << "the terrain under white: the composition at save time";
  EXPECT_EQ(RgbAt(map->picture, 10, 10), 0x0000FFu) << "the station marker";
  EXPECT_EQ(RgbAt(map->picture, 4, 10), 0x0000FFu);
  EXPECT_EQ(map->picture, p.ImageCSR.picture()) << "the view is restored to the same map with the marker";
  EXPECT_TRUE(p.ImageCSR.visible);

  const std::optional<DecodedPng> grid = ReadPng(Out("wide.sg.png"));
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->transparent_rgb, 0xFFFFFFu);
  EXPECT_TRUE(test::AnyPixelIs(grid->picture, 0, 0, 20, 20, 0xC0C0C0)) << "grid lines";
  EXPECT_EQ(RgbAt(grid->picture, 4, 10), 0x0000FFu) << "the marker over the grid";
  EXPECT_EQ(RgbAt(grid->picture, 10, 4), 0x0000FFu);
  EXPECT_FALSE(test::AnyPixelIs(map->picture, 0, 0, 20, 20, 0xC0C0C0)) << "the first map has no grid";

  EXPECT_FALSE(Exists(Out("wide.sf.png"))) << "no line-of-sight display chosen";
  EXPECT_EQ(test::ReadBytes(Out("wide.sx.kml")), DefaultOverlay("wide", "wide.sx.png"));
  EXPECT_EQ(test::ReadBytes(Out("wide.sg.kml")), DefaultOverlay("wide", "wide.sg.png"));
}

TEST_F(SaveMapImagesTest, TheLineOfSightChartIsSavedWhenItsDisplayIsOn) {
  Draw();
  f.rs.view.fine = DisplayMode::kLine;
  f.rs.pictures.ImageFIN.Clear(30, 12);
  f.rs.pictures.ImageFIN.picture().SetPixel(3, 4, FromRgbHex(0x008000));
  SaveMapImages(f.ctx, f.rs, f.sink);
  const std::optional<DecodedPng> chart = ReadPng(Out("wide.sf.png"));
  ASSERT_TRUE(chart);
  EXPECT_FALSE(chart->transparent_rgb);
  EXPECT_EQ(chart->picture, f.rs.pictures.ImageFIN.picture());
}

TEST_F(SaveMapImagesTest, FloodModeUsesTheWNames) {
  f.ctx.FloodMode = 1;
  f.ctx.drawing = StartUpDrawingSettings(1);
  f.rs.view.fine = DisplayMode::kColour;
  Draw();
  SaveMapImages(f.ctx, f.rs, f.sink);
  for (const char* name : {"wide.wn.png", "wide.wx.png", "wide.wg.png", "wide.wx.kml", "wide.wg.kml", "wide.wf.png"})
    EXPECT_TRUE(Exists(Out(name))) << name;
  for (const char* name : {"wide.sn.png", "wide.sx.png", "wide.sg.png", "wide.sx.kml", "wide.sg.kml", "wide.sf.png"})
    EXPECT_FALSE(Exists(Out(name))) << name;
  EXPECT_EQ(test::ReadBytes(Out("wide.wx.kml")), DefaultOverlay("wide", "wide.wx.png"));
}

TEST_F(SaveMapImagesTest, AJapaneseProjectNameNamesTheFilesAndTheDescriptionInUtf8) {
  f.header.Project_Name = Sjis("富士山");
  Draw();
  SaveMapImages(f.ctx, f.rs, f.sink);
  for (const char* name : {"富士山.sn.png", "富士山.sx.png", "富士山.sg.png"}) EXPECT_TRUE(ReadPng(Out(name))) << name;
  EXPECT_EQ(test::ReadBytes(Out("富士山.sx.kml")), DefaultOverlay("富士山", "富士山.sx.png"));
  EXPECT_EQ(test::ReadBytes(Out("富士山.sg.kml")), DefaultOverlay("富士山", "富士山.sg.png"));
}

TEST_F(SaveMapImagesTest, AMissingTemplateSkipsBothOverlaysButNotTheImages) {
  Draw();
  std::filesystem::remove(f.dir / "Dorx.kml");
  SaveMapImages(f.ctx, f.rs, f.sink);
  EXPECT_EQ(f.sink.ReportCodes(), (std::vector<int>{117, 117}));
  for (const char* name : {"wide.sn.png", "wide.sx.png", "wide.sg.png"}) EXPECT_TRUE(Exists(Out(name))) << name;
  EXPECT_FALSE(Exists(Out("wide.sx.kml")));
  EXPECT_FALSE(Exists(Out("wide.sg.kml")));
}

TEST_F(SaveMapImagesTest, AResultFileGoneBeforeTheSaveSkipsTheOverlays) {
  Draw();
  std::filesystem::remove(f.ctx.ResultFilePath);
  SaveMapImages(f.ctx, f.rs, f.sink);
  ASSERT_EQ(f.sink.ReportCodes(), (std::vector<int>{119, 119, 119})) << "both overlays and the GeoTIFF";
  EXPECT_EQ(f.sink.reports[0].message_text, "Read: " + f.ctx.ResultFilePath);
  EXPECT_EQ(f.sink.reports[2].message_text, "Read: " + f.ctx.ResultFilePath);
  EXPECT_FALSE(Exists(Out("wide.sx.kml")));
  EXPECT_TRUE(Exists(Out("wide.sx.png")));
}

TEST_F(SaveMapImagesTest, AFileThatCannotBeWrittenIsReportedAndTheSaveGoesOn) {
  Draw();
  // Folders in the way of the panel image and of the first overlay.
  std::filesystem::create_directory(Out("wide.sn.png"));
  std::filesystem::create_directory(Out("wide.sx.kml"));
  SaveMapImages(f.ctx, f.rs, f.sink);
  ASSERT_EQ(f.sink.ReportCodes(), (std::vector<int>{119, 119}));
  EXPECT_EQ(f.sink.reports[0].message_text, "Write: " + Out("wide.sn.png"));
  EXPECT_EQ(f.sink.reports[1].message_text, "Write: " + Out("wide.sx.kml"));
  EXPECT_TRUE(ReadPng(Out("wide.sx.png")));
  EXPECT_EQ(test::ReadBytes(Out("wide.sg.kml")), DefaultOverlay("wide", "wide.sg.png"));
  EXPECT_FALSE(f.ctx.store.StoreFileA.IsOpen()) << "the result file is closed after each overlay";
}

}  // namespace
}  // namespace dorx
