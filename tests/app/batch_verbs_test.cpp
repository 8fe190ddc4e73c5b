// dorx-batch as a user runs it: command lines that do not fit, a project
// that is missing, Japanese names on disk and inside the files, unsafe
// project names, flood mode, the drawing with its clicks and saved files, and
// the pattern diagram.
#include <gdal_priv.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "files/result_header.h"
#include "platform/c_format.h"
#include "shell/tiny_area.h"
#include "support/test_support.h"

namespace dorx {
namespace {

namespace fs = std::filesystem;

struct BatchRun {
  int status = -1;
  std::string out, err;
  std::vector<std::string> out_lines;
};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char ch : text) quoted += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return quoted + "'";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    entries.insert(fs::relative(entry.path(), root).string());
  return entries;
}

// Width and height from the IHDR chunk of a PNG file; 0 x 0 when it is none.
std::pair<uint32_t, uint32_t> PngSize(const std::string& path) {
  const std::string bytes = test::ReadBytes(path);
  if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return {0, 0};
  const auto be32 = [&bytes](size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
  };
  return {be32(16), be32(20)};
}

ResultHeader ReadHeader(const std::string& path) {
  const std::string bytes = test::ReadBytes(path);
  ResultHeader header;
  DecodeResultHeader({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, header);
  return header;
}

// A program folder and a terrain folder with the tiny flat tile, side by
// side in one scratch folder.
class BatchVerbsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(Program());
    test::WriteFlatTile(Mesh(), test::kTinyTileCode, 1000);
  }

  std::string Program() const { return dir_ / "program/"; }
  // Everything in the scratch folder but the captured output of the runs.
  std::set<std::string> Files() const {
    std::set<std::string> files = Tree(dir_.path());
    files.erase("out");
    files.erase("err");
    return files;
  }
  std::string Mesh() const { return dir_ / "mesh/"; }

  // Runs dorx-batch in the folder `cwd` (the test's own folder when empty).
  BatchRun Batch(const std::vector<std::string>& args, const std::string& cwd = "") {
    std::string command = (cwd.empty() ? "" : "cd " + Quoted(cwd) + " && ") + Quoted(DORX_BATCH_PATH);
    for (const std::string& arg : args) command += " " + Quoted(arg);
    command += " >" + Quoted(dir_ / "out") + " 2>" + Quoted(dir_ / "err") + " </dev/null";
    const int raw = std::system(command.c_str());
    BatchRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = test::ReadBytes(dir_ / "out");
    run.err = test::ReadBytes(dir_ / "err");
    run.out_lines = Lines(run.out);
    return run;
  }

  // calc of the project with the overwrite box checked.
  BatchRun Calc(const std::string& project, std::vector<std::string> extra = {}) {
    std::vector<std::string> args = {"calc", project, "--mesh", Mesh(), "--program-folder", Program(), "--overwrite"};
    args.insert(args.end(), extra.begin(), extra.end());
    return Batch(args);
  }

  std::string TinyProject(const std::string& name_cp932 = "station") {
    ProjectParameters p = test::TinyAreaParameters();
    p.Project_Name = name_cp932;
    return test::WriteProject(dir_ / "project.xix", p);
  }

  test::ScratchFolder dir_;
};

TEST_F(BatchVerbsTest, CommandLinesThatDoNotFitNameTheFaultAndShowTheUsage) {
  struct Case {
    std::vector<std::string> args;
    const char* error;
    const char* usage;
  };
  const Case cases[] = {
      {{"calc", "p.xix", "--mesh", "m", "--bogus"}, "dorx-batch calc: unknown option --bogus", "usage: dorx-batch calc"},
      {{"calc", "--mesh", "m"}, "dorx-batch calc: missing PROJECT.xix", "usage: dorx-batch calc"},
      {{"calc", "p.xix"}, "dorx-batch calc: option --mesh is required", "usage: dorx-batch calc"},
      {{"calc", "p.xix", "q.xix", "--mesh", "m"}, "dorx-batch calc: unexpected argument q.xix", "usage: dorx-batch calc"},
      {{"calc", "p.xix", "--mesh"}, "dorx-batch calc: option --mesh needs a value", "usage: dorx-batch calc"},
      {{"calc", "p.xix", "--mesh", "m", "--anomaly=yes"}, "option --anomaly takes no value", "usage: dorx-batch calc"},
      {{"calc", "p.xix", "--mesh", "m", "--water-level", "high"}, "--water-level needs a number", "usage: dorx-batch calc"},
      {{"draw", "r.dorx", "--view", "4"}, "dorx-batch draw: unknown value 4 for --view", "usage: dorx-batch draw"},
      {{"draw", "r.dorx", "--click", "5"}, "--click needs X,Y in pixels, not 5", "usage: dorx-batch draw"},
      {{"draw", "r.dorx", "--magnification", "50%"}, "--magnification needs a number", "usage: dorx-batch draw"},
      {{"pattern", "a.txt"}, "dorx-batch pattern: option --out is required", "usage: dorx-batch pattern"},
      {{"pattern", "a.txt", "--out", "x.png", "--angle", "north"}, "--angle needs a number", "usage: dorx-batch pattern"},
      {{"frobnicate"}, "dorx-batch: unknown command frobnicate", "  dorx-batch pattern"},
      {{}, "usage:\n", "  dorx-batch calc"},
  };
  for (const Case& c : cases) {
    const std::string line = c.args.empty() ? "(nothing)" : c.args[0] + " ...";
    const BatchRun run = Batch(c.args);
    EXPECT_EQ(run.status, 1) << line;
    EXPECT_NE(run.err.find(c.error), std::string::npos) << line << "\n" << run.err;
    EXPECT_NE(run.err.find(c.usage), std::string::npos) << line << "\n" << run.err;
    EXPECT_EQ(run.out, "") << line;
  }
  EXPECT_TRUE(Tree(Program()).empty());  // nothing started up

  const BatchRun help = Batch({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("dorx-batch draw RESULT"), std::string::npos);
}

TEST_F(BatchVerbsTest, AMissingProjectFailsAfterTheStartUpWroteItsDefaults) {
  const std::string missing = dir_ / "nowhere.xix";
  const BatchRun run = Calc(missing);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(" ? File Not Open: Read: " + missing), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(Tree(Program()), (std::set<std::string>{"Dorx.ini", "Dorx.kml", "Dorx.xix"}));
  // Without a datum table one line says what the run does and how to add
  // the table, instead of the question and the boxes of its failure.
  EXPECT_NE(run.err.find("dorx-batch: no datum table " + Program() +
                         "Dorx.par: positions stay in the Tokyo datum (put the published tky2jgd.par into " +
                         Program() + " and it is converted into Dorx.par at the next start)\n"),
            std::string::npos)
      << run.err;
  EXPECT_EQ(run.err.find("Dorx.par が不明です。"), std::string::npos) << run.err;
  EXPECT_EQ(Lines(run.err).size(), 2u) << run.err;
}

TEST_F(BatchVerbsTest, DamagedProjectsEndInTheRangeCheck) {
  const std::string whole = test::ReadBytes(TinyProject());
  std::string garbage;
  for (int i = 0; i < 4000; ++i) garbage += static_cast<char>((i * 7919 + 13) % 256);
  struct Case {
    const char* why;
    std::string bytes;
  };
  const Case cases[] = {
      {"garbage bytes", garbage},
      {"an empty file", ""},
      {"cut after its first eight lines", whole.substr(0, whole.find("Range_North"))},
  };
  for (const Case& c : cases) {
    test::WriteBytes(dir_ / "damaged.xix", c.bytes);
    const BatchRun run = Calc(dir_ / "damaged.xix");
    EXPECT_EQ(run.status, 2) << c.why << "\n" << run.err;
    // The last line is the range check's text: "範囲外：" and labels, or a
    // label that replaced them (the pattern line read as a name is one).
    const std::vector<std::string> err = Lines(run.err);
    ASSERT_FALSE(err.empty()) << c.why;
    EXPECT_TRUE(err.back().rfind("範囲外：", 0) == 0 || err.back().rfind("　", 0) == 0) << c.why << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.why;
  }
}

TEST_F(BatchVerbsTest, ACutResultStillDraws) {
  const BatchRun calc = Calc(TinyProject());
  ASSERT_EQ(calc.status, 0) << calc.err;
  const std::string bytes = test::ReadBytes(calc.out_lines.back());
  test::WriteBytes(Program() + "station/cut.dorx", bytes.substr(0, kResultHeaderBytes + 12345 * kRecordBytes + 77));
  const BatchRun draw = Batch({"draw", Program() + "station/cut.dorx", "--program-folder", Program(), "--click", "5,5"});
  ASSERT_EQ(draw.status, 0) << draw.err;
  EXPECT_EQ(draw.out_lines.size(), 1u + 14u) << draw.out;
}

TEST_F(BatchVerbsTest, JapaneseNamesAreUtf8OnDiskAndCp932InsideTheFiles) {
  // The project file itself lies in a folder with a Japanese name.
  const std::string folder = dir_ / "計算/";
  fs::create_directories(folder);
  ProjectParameters p = test::TinyAreaParameters();
  p.Project_Name = test::Sjis("富士山");
  const std::string project = test::WriteProject(folder + "富士山.xix", p);
  const BatchRun calc = Calc(project);
  ASSERT_EQ(calc.status, 0) << calc.err;
  const std::string result = Program() + "富士山/富士山.dorx";
  ASSERT_FALSE(calc.out_lines.empty());
  EXPECT_EQ(calc.out_lines.back(), result);
  ASSERT_TRUE(fs::is_directory(fs::u8path(Program() + "富士山")));

  const std::string copy = test::ReadBytes(Program() + "富士山/富士山.xix");
  EXPECT_NE(copy.find("    " + test::Sjis("富士山") + "\r\n"), std::string::npos);
  EXPECT_EQ(copy.find("富士山"), std::string::npos);  // no UTF-8 inside
  EXPECT_EQ(ReadHeader(result).Project_Name, test::Sjis("富士山"));

  const BatchRun draw = Batch({"draw", result, "--program-folder", Program()});
  ASSERT_EQ(draw.status, 0) << draw.err;
  ASSERT_FALSE(draw.out_lines.empty());
  for (const std::string& written : draw.out_lines) {
    EXPECT_EQ(written.rfind(Program() + "富士山/富士山", 0), 0u) << written;
    EXPECT_TRUE(fs::exists(fs::u8path(written))) << written;
  }
}

TEST_F(BatchVerbsTest, RelativePathsOnTheCommandLinePrintAsFullPaths) {
  TinyProject();
  // "./" and "x/../" are folded away: the printed path is the plain full path.
  const BatchRun calc = Batch(
      {"calc", "./project.xix", "--mesh", "mesh/", "--program-folder", "./mesh/../program", "--overwrite"},
      dir_.path());
  ASSERT_EQ(calc.status, 0) << calc.err;
  const std::string result = calc.out_lines.back();
  EXPECT_EQ(result, Program() + "station/station.dorx");
  EXPECT_NE(calc.err.find("no datum table " + Program() + "Dorx.par"), std::string::npos) << calc.err;

  const BatchRun draw = Batch({"draw", "program/station/station.dorx", "--program-folder", "program"}, dir_.path());
  ASSERT_EQ(draw.status, 0) << draw.err;
  for (const std::string& written : draw.out_lines) {
    EXPECT_EQ(written.front(), '/') << written;
    EXPECT_EQ(fs::canonical(written).parent_path(), fs::canonical(Program() + "station"));
  }
}

TEST_F(BatchVerbsTest, UnsafeProjectNamesWriteNothingAnywhere) {
  Calc(dir_ / "none.xix");  // the start-up's own files first
  for (const char* name : {"", ".", ".."}) {
    const std::string project = TinyProject(name);
    const std::set<std::string> before = Files();
    for (bool overwrite : {true, false}) {
      std::vector<std::string> args = {"calc", project, "--mesh", Mesh(), "--program-folder", Program()};
      if (overwrite) args.push_back("--overwrite");
      const BatchRun run = Batch(args);
      EXPECT_EQ(run.status, 1) << "\"" << name << "\"\n" << run.err;
      EXPECT_NE(run.err.find(" ? File Not Open: Write: "), std::string::npos) << run.err;
      EXPECT_EQ(run.out, "") << name;
      EXPECT_EQ(Files(), before) << "\"" << name << "\" overwrite " << overwrite;
    }
  }
}

TEST_F(BatchVerbsTest, FloodModeTakesTheWaterLevelAndWritesADorwResult) {
  test::WriteSettings(Program(), true);
  const BatchRun run = Calc(TinyProject(), {"--water-level", "102.5"});
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string result = Program() + "station/station.dorw";
  ASSERT_FALSE(run.out_lines.empty());
  EXPECT_EQ(run.out_lines.back(), result);
  EXPECT_EQ(ReadHeader(result).WaterLevel, 102.5);
  EXPECT_EQ(test::ReadBytes(result).size(), kResultHeaderBytes + 200u * 200u * kRecordBytes);

  const BatchRun pattern = Calc(TinyProject(), {"--pattern", dir_ / "any.txt"});
  EXPECT_EQ(pattern.status, 1);
  EXPECT_NE(pattern.err.find("--pattern applies to field-strength mode only"), std::string::npos) << pattern.err;

  test::WriteSettings(Program(), false);
  const BatchRun level = Calc(TinyProject(), {"--water-level", "3"});
  EXPECT_EQ(level.status, 1);
  EXPECT_NE(level.err.find("--water-level applies to flood mode only"), std::string::npos) << level.err;
}

TEST_F(BatchVerbsTest, DrawPrintsOneStatusLinePerClickAndEveryFileItWrote) {
  const BatchRun calc = Calc(TinyProject());
  ASSERT_EQ(calc.status, 0) << calc.err;
  const std::string result = calc.out_lines.back();
  struct Case {
    const char* why;
    std::vector<std::string> options;
    // panel, map, map with grid, two overlays, the chart when shown, the
    // GeoTIFF, world file, .prj and .aux.xml of both maps, two KMZs
    size_t files;
  };
  const Case cases[] = {
      {"without the line-of-sight chart", {"--fine", "none"}, 14},
      {"with the chart, which each click shows and the next click puts away", {"--fine", "color", "--grid", "3"}, 15},
  };
  std::vector<std::string> first_files;
  for (const Case& c : cases) {
    std::vector<std::string> args = {"draw", result, "--program-folder", Program(), "--click", "60,40",
                                     "--click", "100,100", "--click=9999,9999"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const BatchRun draw = Batch(args);
    ASSERT_EQ(draw.status, 0) << c.why << "\n" << draw.err;
    ASSERT_EQ(draw.out_lines.size(), 3 + c.files) << c.why << "\n" << draw.out;
    for (size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(draw.out_lines[i].rfind("[緯度: ", 0), 0u) << draw.out_lines[i];
      EXPECT_NE(draw.out_lines[i].find("[局名: station]"), std::string::npos) << draw.out_lines[i];
    }
    EXPECT_NE(draw.out_lines[0], draw.out_lines[1]);  // two different cells
    // A click outside the map leaves the status line as it was.
    EXPECT_EQ(draw.out_lines[2], draw.out_lines[1]);
    std::set<std::string> written;
    for (size_t i = 3; i < draw.out_lines.size(); ++i) {
      const std::string& path = draw.out_lines[i];
      written.insert(path);
      EXPECT_EQ(path.rfind(Program() + "station/", 0), 0u) << path;
      EXPECT_FALSE(test::ReadBytes(path).empty()) << path;
      if (path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0) {
        EXPECT_NE(PngSize(path).first, 0u) << path;
      }
    }
    EXPECT_EQ(written.size(), c.files) << c.why;  // no path twice
    if (first_files.empty()) first_files.assign(draw.out_lines.begin() + 3, draw.out_lines.end());
  }

  // A file that cannot be written (a folder has taken its name) is reported
  // and left out of the list with what needs it (the map's world files and
  // KMZ); the others are still written.
  std::string blocked;
  for (const std::string& path : first_files)
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0) blocked = path;
  ASSERT_FALSE(blocked.empty());
  fs::remove(blocked);
  fs::create_directory(blocked);
  const BatchRun draw = Batch({"draw", result, "--program-folder", Program()});
  EXPECT_EQ(draw.status, 1);
  EXPECT_NE(draw.err.find(" ? File Not Open: Write: " + blocked), std::string::npos) << draw.err;
  EXPECT_EQ(draw.out_lines.size(), first_files.size() - 5) << draw.out;
  for (const std::string& path : draw.out_lines) EXPECT_NE(path, blocked);
}

TEST_F(BatchVerbsTest, DrawRefusesAMissingOrDamagedResult) {
  const std::string damaged = dir_ / "damaged.dorx";
  test::WriteBytes(damaged, std::string(600, '\x7f'));
  const BatchRun missing = Batch({"draw", dir_ / "none.dorx", "--program-folder", Program()});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(" ? File Not Open: Read: " + (dir_ / "none.dorx")), std::string::npos) << missing.err;
  const BatchRun bad = Batch({"draw", damaged, "--program-folder", Program()});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find("データが不正です。"), std::string::npos) << bad.err;
  EXPECT_EQ(bad.out, "");
}

TEST_F(BatchVerbsTest, DrawSavesNothingForAResultWhoseNameWouldLeaveItsFolder) {
  const BatchRun calc = Calc(TinyProject());
  ASSERT_EQ(calc.status, 0) << calc.err;
  std::string crafted = test::ReadBytes(calc.out_lines.back());
  const std::string name = "../../escaped";
  crafted.replace(0, 128, name + std::string(128 - name.size(), '\0'));
  fs::create_directories(dir_ / "results/deep");
  test::WriteBytes(dir_ / "results/deep/crafted.dorx", crafted);
  const std::set<std::string> before = Files();
  const BatchRun draw = Batch({"draw", dir_ / "results/deep/crafted.dorx", "--program-folder", Program()});
  EXPECT_EQ(draw.status, 1);
  EXPECT_EQ(draw.out, "");
  EXPECT_NE(draw.err.find(" ? File Not Open: Write: " + (dir_ / "results/deep/") + name + ".sn.png"),
            std::string::npos)
      << draw.err;
  EXPECT_EQ(Files(), before);
}

TEST_F(BatchVerbsTest, PatternWritesThePolarDiagramAs480By504Png) {
  const std::string pattern = dir_ / "pattern.txt";
  test::WriteBytes(pattern,
                   "pattern\r\nname four rows\r\n3\r\n4\r\n5\r\n0 1.0\r\n90 0.5\r\n180 0.25\r\n270 0.5\r\n*END*\r\n");
  const std::string png = dir_ / "diagram.png";
  const BatchRun run = Batch({"pattern", pattern, "--angle", "30", "--out", png});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out_lines, std::vector<std::string>{png});
  EXPECT_EQ(PngSize(png), (std::pair<uint32_t, uint32_t>{480, 504}));
  // A turned pattern draws a different picture.
  const BatchRun unturned = Batch({"pattern", pattern, "--out", dir_ / "unturned.png"});
  ASSERT_EQ(unturned.status, 0) << unturned.err;
  EXPECT_NE(test::ReadBytes(png), test::ReadBytes(dir_ / "unturned.png"));

  const BatchRun missing = Batch({"pattern", dir_ / "none.txt", "--out", dir_ / "none.png"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find(" ? File Not Open: Read: " + (dir_ / "none.txt")), std::string::npos) << missing.err;
  EXPECT_FALSE(fs::exists(dir_ / "none.png"));

  const BatchRun unwritable = Batch({"pattern", pattern, "--out", dir_ / "no folder/x.png"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find(" ? File Not Open: Write: "), std::string::npos) << unwritable.err;
}

// The numbers of a cursor readout line (UTF-8, as draw prints it).
struct Readout {
  double latitude_deg = 0, longitude_deg = 0, elevation_m = 0, value = 0;
  std::string elevation_text, value_text;
};

std::optional<Readout> ParseReadout(const std::string& line) {
  int lat_d = 0, lat_m = 0, lon_d = 0, lon_m = 0;
  double lat_s = 0, lon_s = 0, distance_km = 0;
  Readout r;
  if (std::sscanf(line.c_str(), "[緯度: %d゜%d' %lf\"] [経度: %d゜%d' %lf\"] [標高: %lf m] [送受間: %lf km] [電界: %lf dBu]",
                  &lat_d, &lat_m, &lat_s, &lon_d, &lon_m, &lon_s, &r.elevation_m, &distance_km, &r.value) != 9)
    return std::nullopt;
  r.latitude_deg = lat_d + lat_m / 60.0 + lat_s / 3600;
  r.longitude_deg = lon_d + lon_m / 60.0 + lon_s / 3600;
  const size_t e = line.find("[標高: ") + std::string("[標高: ").size();
  r.elevation_text = line.substr(e, line.find(" m]", e) - e);
  const size_t v = line.find("[電界: ") + std::string("[電界: ").size();
  r.value_text = line.substr(v, line.find(" dBu]", v) - v);
  return r;
}

struct GdalCloser {
  void operator()(GDALDataset* d) const { GDALClose(GDALDataset::ToHandle(d)); }
};

// Band values at a position, as gdallocationinfo -geoloc gives them.
std::vector<float> ValuesAt(const std::string& tif, double longitude_deg, double latitude_deg) {
  GDALAllRegister();
  std::unique_ptr<GDALDataset, GdalCloser> d(GDALDataset::Open(tif.c_str(), GDAL_OF_RASTER | GDAL_OF_READONLY));
  if (!d) return {};
  double gt[6];
  d->GetGeoTransform(gt);
  const int column = static_cast<int>(std::floor((longitude_deg - gt[0]) / gt[1]));
  const int row = static_cast<int>(std::floor((latitude_deg - gt[3]) / gt[5]));
  std::vector<float> values;
  for (int band = 1; band <= d->GetRasterCount(); ++band) {
    float value = 0;
    if (d->GetRasterBand(band)->RasterIO(GF_Read, column, row, 1, 1, &value, 1, 1, GDT_Float32, 0, 0, nullptr) != CE_None)
      return {};
    values.push_back(value);
  }
  return values;
}

TEST_F(BatchVerbsTest, TheGeoTiffGivesWhatTheCursorReadoutShowsAtTheStationAndClickedCells) {
  // Terrain east of the station's tile is missing: cells there have no ground.
  ProjectParameters p = test::TinyAreaReachingEast();
  p.Project_Name = "station";
  const BatchRun calc = Calc(test::WriteProject(dir_ / "project.xix", p));
  ASSERT_EQ(calc.status, 0) << calc.err;
  const std::string result = calc.out_lines.back();
  const ResultHeader h = ReadHeader(result);
  // The station's pixel, and three cells: north-west, south, and east in the missing tile.
  const int station_x = static_cast<int>(h.Range_West * h.ImageWidth / (h.Range_West + h.Range_East));
  const int station_y = static_cast<int>(h.Range_North * h.ImageHeight / (h.Range_South + h.Range_North));
  const std::vector<std::pair<int, int>> clicks = {
      {station_x, station_y}, {20, 15}, {station_x - 40, static_cast<int>(h.ImageHeight) - 20},
      {static_cast<int>(h.ImageWidth) - 20, station_y + 30}};
  std::vector<std::string> args = {"draw", result, "--program-folder", Program()};
  for (const auto& [x, y] : clicks) args.insert(args.end(), {"--click", std::to_string(x) + "," + std::to_string(y)});
  const BatchRun draw = Batch(args);
  ASSERT_EQ(draw.status, 0) << draw.err;
  const std::string tif = Program() + "station/station.tif";
  ASSERT_GE(draw.out_lines.size(), clicks.size());
  for (size_t i = 0; i < clicks.size(); ++i) {
    const std::optional<Readout> readout = ParseReadout(draw.out_lines[i]);
    ASSERT_TRUE(readout) << draw.out_lines[i];
    const std::vector<float> values = ValuesAt(tif, readout->longitude_deg, readout->latitude_deg);
    ASSERT_EQ(values.size(), 4u) << draw.out_lines[i];
    EXPECT_EQ(Format("%4.2f", values[0]), readout->value_text) << draw.out_lines[i];
    if (readout->elevation_text == "-10.0") EXPECT_EQ(values[3], -9999.0f) << "no ground: " << draw.out_lines[i];
    else EXPECT_EQ(Format("%4.1f", values[3]), readout->elevation_text) << draw.out_lines[i];
  }
  EXPECT_NE(draw.out_lines[0].find("[送受間: 0.0"), std::string::npos) << "the first click is the station's cell";
  EXPECT_NE(draw.out_lines[3].find("[標高: -10.0 m]"), std::string::npos) << "the last one has no ground";

  // export writes the same GeoTIFF alone.
  const BatchRun exported = Batch({"export", result, "--out", dir_ / "alone.tif"});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.out_lines, std::vector<std::string>{dir_ / "alone.tif"});
  const std::optional<Readout> station = ParseReadout(draw.out_lines[0]);
  EXPECT_EQ(ValuesAt(dir_ / "alone.tif", station->longitude_deg, station->latitude_deg),
            ValuesAt(tif, station->longitude_deg, station->latitude_deg));
  const BatchRun beside = Batch({"export", result});
  ASSERT_EQ(beside.status, 0) << beside.err;
  EXPECT_EQ(beside.out_lines, std::vector<std::string>{tif}) << "by default beside the result, named after the project";
}

TEST_F(BatchVerbsTest, ExportRefusesWhatIsNoResultAndAnUnwritableOutput) {
  const BatchRun missing = Batch({"export", dir_ / "none.dorx"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "Read: " + (dir_ / "none.dorx") + "\n");
  test::WriteBytes(dir_ / "damaged.dorx", std::string(600, '\x7f'));
  const BatchRun damaged = Batch({"export", dir_ / "damaged.dorx", "--out", dir_ / "d.tif"});
  EXPECT_EQ(damaged.status, 1);
  EXPECT_EQ(damaged.err, "not a result file: " + (dir_ / "damaged.dorx") + "\n");
  EXPECT_FALSE(fs::exists(dir_ / "d.tif"));
  const BatchRun calc = Calc(TinyProject());
  ASSERT_EQ(calc.status, 0) << calc.err;
  const BatchRun unwritable = Batch({"export", calc.out_lines.back(), "--out", dir_ / "no folder/x.tif"});
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_EQ(unwritable.err, "Write: " + (dir_ / "no folder/x.tif") + "\n");
  const BatchRun no_result = Batch({"export"});
  EXPECT_EQ(no_result.status, 1);
  EXPECT_NE(no_result.err.find("usage: dorx-batch export RESULT [--out FILE.tif]"), std::string::npos) << no_result.err;
}

}  // namespace
}  // namespace dorx

namespace dorx {
namespace {

// A 2 x 2 survey DEM in JGD2011 in tile 533805, all points 12.34 m.
std::string TinySurveyXml() {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<Dataset xmlns:gml=\"http://www.opengis.net/gml/3.2\"><DEM><coverage><gml:boundedBy>"
         "<gml:Envelope srsName=\"fguuid:jgd2011.bl\"><gml:lowerCorner>35.3375 138.6375</gml:lowerCorner>"
         "<gml:upperCorner>35.33833333333 138.63875</gml:upperCorner></gml:Envelope></gml:boundedBy>"
         "<gml:gridDomain><gml:Grid><gml:limits><gml:GridEnvelope><gml:low>0 0</gml:low><gml:high>1 1</gml:high>"
         "</gml:GridEnvelope></gml:limits></gml:Grid></gml:gridDomain><gml:rangeSet><gml:DataBlock><gml:tupleList>\n"
         "地表面,12.34\n地表面,12.34\n地表面,12.34\n地表面,12.34\n</gml:tupleList></gml:DataBlock></gml:rangeSet>"
         "<gml:coverageFunction><gml:GridFunction><gml:sequenceRule order=\"+x-y\">Linear</gml:sequenceRule>"
         "<gml:startPoint>0 0</gml:startPoint></gml:GridFunction></gml:coverageFunction></coverage></DEM></Dataset>\n";
}

TEST_F(BatchVerbsTest, ImportDemRefusesWithoutTheDatumTableOrWithABadSourceAndWritesNothing) {
  test::WriteBytes(dir_ / "dem.xml", TinySurveyXml());
  test::WriteBytes(dir_ / "cut.xml", TinySurveyXml().substr(0, 300));
  const std::string mesh = dir_ / "imported/";

  const BatchRun no_table = Batch({"import-dem", dir_ / "dem.xml", "--mesh", mesh, "--program-folder", Program()});
  EXPECT_EQ(no_table.status, 1);
  EXPECT_NE(no_table.err.find("the datum table " + Program() + "Dorx.par is missing"), std::string::npos)
      << no_table.err;
  EXPECT_NE(no_table.err.find("--no-datum-shift"), std::string::npos);

  const BatchRun bad = Batch({"import-dem", dir_ / "dem.xml", dir_ / "cut.xml", "--mesh", mesh, "--no-datum-shift"});
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.err.find(dir_ / "cut.xml" + ": damaged XML"), std::string::npos) << bad.err;
  EXPECT_FALSE(fs::exists(mesh));
  EXPECT_TRUE(Tree(Program()).empty()) << "the import starts nothing up";

  // With the table (one shift for every key: none) the import writes the tile.
  test::WriteBytes(Program() + "Dorx.par", "30000000 0.000000 0.000000\r\n99999999 0.000000 0.000000\r\n");
  const BatchRun good = Batch({"import-dem", dir_ / "dem.xml", "--mesh", mesh, "--program-folder", Program()});
  ASSERT_EQ(good.status, 0) << good.err;
  ASSERT_EQ(good.out_lines.size(), 3u) << good.out;
  EXPECT_EQ(good.out_lines[0], "source: " + dir_ / "dem.xml" + " (JGD2011 (EPSG:6668), taken as JGD2000)");
  EXPECT_EQ(good.out_lines[1], mesh + "5338/533805.mem");
  EXPECT_EQ(good.out_lines[2], "1 tiles written below " + mesh +
                                   " (0 merged with the tiles there): 4 cells with data, 39996 without");
  const std::string tile = test::ReadBytes(mesh + "5338/533805.mem");
  ASSERT_EQ(tile.size(), 201u * 1011u);
  // Record 190 from the north is row 10 from the south; column 20 holds 123 (12.3 m).
  EXPECT_EQ(tile.substr(190 * 1011, 9), "533805190");
  EXPECT_EQ(tile.substr(190 * 1011 + 9 + 5 * 20, 10), "  123  123");
}

}  // namespace
}  // namespace dorx

namespace dorx {
namespace {

// Every option of every verb is described by VERB --help and by the manual
// page installed with the program.
TEST_F(BatchVerbsTest, EveryOptionIsDescribedInTheVerbHelpAndTheManualPage) {
  const std::string manual = test::ReadBytes(std::string(DORX_SOURCE_DIR) + "/docs/man/dorx-batch.1");
  ASSERT_FALSE(manual.empty());
  for (const std::string verb : {"calc", "draw", "pattern", "export", "import-dem"}) {
    const BatchRun help = Batch({verb, "--help"});
    EXPECT_EQ(help.status, 0) << verb;
    ASSERT_FALSE(help.out_lines.empty()) << verb;
    EXPECT_EQ(help.out_lines[0].rfind("usage: dorx-batch " + verb, 0), 0u) << help.out;
    // The options named in the usage lines (up to the first description).
    std::set<std::string> options;
    for (const std::string& line : help.out_lines) {
      if (line.rfind("  ", 0) == 0 && line.find("  --") == 0) break;
      for (size_t at = line.find("--"); at != std::string::npos; at = line.find("--", at + 2)) {
        const size_t end = line.find_first_of(" ]=", at);
        options.insert(line.substr(at, end - at));
      }
    }
    EXPECT_FALSE(options.empty()) << verb;
    for (const std::string& option : options) {
      EXPECT_NE(help.out.find("\n  " + option + " "), std::string::npos) << verb << " --help lacks " << option;
      std::string escaped;
      for (const char c : option) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
      EXPECT_NE(manual.find(escaped), std::string::npos) << "the manual page lacks " << verb << " " << option;
    }
  }
  const BatchRun all = Batch({"--help"});
  EXPECT_EQ(all.status, 0);
  EXPECT_NE(all.out.find("--no-datum-shift"), std::string::npos);
  EXPECT_NE(all.out.find("--magnification P     drawing size in percent of the calculated map, 20 to 200; default: 100"),
            std::string::npos);
}

}  // namespace
}  // namespace dorx
