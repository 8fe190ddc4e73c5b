// The calculation run over a 10 x 10 area: the order of what it asks of the
// window, the output folder, the project copy, the result file, the temp
// files, a stop, unsafe project names and files that cannot be opened.
#include "engine/calculation_run.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <set>

#include "engine/cell_store.h"
#include "engine_fixtures.h"
#include "fake_window_link.h"
#include "files/project_file.h"
#include "files/result_header.h"
#include "platform/c_format.h"
#include "platform/file_system.h"
#include "support/test_support.h"

namespace dorx {
namespace {

namespace fs = std::filesystem;
using test::kStationColumn;
using test::kStationRow;

// The example start of a run: 10 March 2013, 14:05:09.
constexpr LocalTime kStart{2013, 3, 10, 14, 5, 9};

// Flat ground at 50 m with a 1,000 m spike one row north and two columns
// east of the station's cell (a = 2, b = 1).
int FlatWithSpike(int row, int column) {
  return row == kStationRow + 1 && column == kStationColumn + 2 ? 10000 : 500;
}

// The events of a run as short texts; consecutive per-cell reports of one
// code are folded into "5001 x100".
std::vector<std::string> Trace(const test::FakeWindowLink& link) {
  std::vector<std::string> out;
  int cell_code = 0;
  int count = 0;
  auto flush = [&] {
    if (count > 0) out.push_back(Format("%d x%d", cell_code, count));
    cell_code = count = 0;
  };
  for (const test::LinkEvent& e : link.events) {
    if (e.kind == "message" && e.code >= 5001 && e.code <= 5031) {
      if (e.code != cell_code) flush();
      cell_code = e.code;
      ++count;
      continue;
    }
    flush();
    if (e.kind == "message") out.push_back(Format("message %d", e.code));
    else if (e.kind == "paint") out.push_back(Format("paint %d", e.code));
    else if (e.kind == "layer") out.push_back(Format("layer %d %dx%d", e.code, e.a, e.b));
    else out.push_back(e.kind);
  }
  flush();
  return out;
}

// Every file and folder below `root`, relative to it.
std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    out.insert(fs::relative(entry.path(), root).string() + (entry.is_directory() ? "/" : ""));
  return out;
}

ResultHeader HeaderOf(const std::string& path) {
  const std::string bytes = test::ReadBytes(path);
  ResultHeader h;
  h.FormatTag = "";
  DecodeResultHeader({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, h);
  return h;
}

// The MessageText of the first message with `code`.
std::string TextAt(const test::FakeWindowLink& link, int code) {
  for (const test::LinkEvent& e : link.events)
    if (e.kind == "message" && e.code == code) return e.text;
  return "(no message " + std::to_string(code) + ")";
}

class CalculationRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program_);
    test::WriteTile(mesh_, "533805", test::TileText("FUJI  5338", FlatWithSpike));
    test::SetUpStation(ctx_, mesh_, 5);
    ctx_.ProgramFolder = program_;
    // Sizes with fractions: the layers take them cut toward zero.
    ctx_.geometry.ImageHeight = 7.9;  // the first estimate, in force for stage 1
    ctx_.geometry.ImageWidth = 12.6;
    link_.size_height = 10.7;  // after the reduction (-5003): later stages and the header
    link_.size_width = 20.2;
  }

  RunOutcome Run(bool anomaly = false, bool overwrite = false, LocalTime start = kStart) {
    return RunCalculation(ctx_, link_, RunOptions{anomaly, overwrite, start});
  }
  // The output folder of a run of "station" started at kStart.
  std::string Folder() const { return program_ + "station.20130310.140509/"; }

  test::ScratchFolder dir_;
  const std::string program_ = dir_ / "root/program/";
  const std::string mesh_ = dir_ / "mesh/";
  Context ctx_;
  test::FakeWindowLink link_{ctx_};
};

// ---------------------------------------------------------------------------
// The order of the window calls and the progress codes.

struct OrderCase {
  const char* name;
  bool anomaly;
  std::vector<std::string> expected;
};
void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

// Stage 1 sizes its layers by the first estimate 12.6 x 7.9, the later stages
// by the size after -5003, 20.2 x 10.7; the pattern picture is always 192 x 570.
// The geometry pass reports every cell and once more at the end (101).
const std::vector<std::string> kBeforeAnomaly = {
    "fields", "params", "path", "message 1001", "paint -5001",
    "layer 3003 12x7", "layer 3005 12x7", "layer 3011 12x7", "layer 3033 192x570", "images", "panel",
    "5001 x100", "paint 5001"};
const std::vector<std::string> kAfterAnomaly = {
    "paint -5003",
    "layer 3003 20x10", "layer 3005 20x10", "layer 3033 192x570", "images", "panel", "5003 x101",
    "layer 3003 20x10", "layer 3011 20x10", "layer 3033 192x570", "images", "panel", "5005 x100",
    "map", "message 0"};

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& middle,
                                const std::vector<std::string>& b) {
  a.insert(a.end(), middle.begin(), middle.end());
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

class RunOrderTest : public CalculationRunTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(RunOrderTest, StagesCallTheWindowInTheWrittenOrder) {
  link_.record_cells = true;
  EXPECT_TRUE(Run(GetParam().anomaly).completed);
  EXPECT_EQ(Trace(link_), GetParam().expected);
  EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{1001, 0}));
  EXPECT_EQ(TextAt(link_, 1001), Folder() + "station.xix") << "the status line shows the project copy";
  EXPECT_EQ(link_.events[2].text, Folder() + "station.xix") << "hint and caption";
  EXPECT_EQ(ctx_.MessageText, "") << "code 0 empties MessageText";
}

INSTANTIATE_TEST_SUITE_P(
    Anomaly, RunOrderTest,
    ::testing::Values(
        OrderCase{"Off", false, Joined(kBeforeAnomaly, {}, kAfterAnomaly)},
        // Stages 2 and 3 reset no layers: only their progress appears.
        OrderCase{"On", true, Joined(kBeforeAnomaly, {"5007 x100", "5009 x100"}, kAfterAnomaly)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The output folder.

struct FolderNameCase {
  const char* why;
  std::string name_utf8;
  bool overwrite;
  LocalTime start;
  std::string expected;  // after ProgramFolder
};

TEST(OutputFolderNameTest, TimestampOrPlainName) {
  const std::vector<FolderNameCase> cases = {
      {"the example run of 10 March 2013 at 14:05:09", "富士山", false, kStart, "富士山.20130310.140509/"},
      {"the overwrite box drops the timestamp", "富士山", true, kStart, "富士山/"},
      {"month, day and time zero-padded to two digits", "x", false, {2000, 1, 2, 0, 0, 7}, "x.20000102.000007/"},
      {"the year takes four places, padded with blanks", "x", false, {999, 12, 31, 23, 59, 59},
       "x. 9991231.235959/"},
  };
  for (const FolderNameCase& c : cases)
    EXPECT_EQ(OutputFolderName("/p/", c.name_utf8, RunOptions{false, c.overwrite, c.start}), "/p/" + c.expected)
        << c.why;
}

TEST(IsSafeFolderNameTest, OnlyNamesOfOneFolderInsideTheProgramFolder) {
  const struct {
    std::string name;
    bool safe;
    const char* why;
  } cases[] = {
      {"", false, "empty: the folder would be ProgramFolder itself"},
      {".", false, "the program folder itself"},
      {"..", false, "the folder above it"},
      {"a/b", false, "a folder below another one"},
      {"/etc", false, "an absolute path"},
      {"a\\b", false, "a folder separator elsewhere"},
      {std::string("a\0b", 3), false, "a zero byte would cut the name"},
      {"...", true, "three dots name an ordinary folder"},
      {".hidden", true, "a leading dot is allowed"},
      {"富士山", true, "Japanese names"},
      {"表", true, "CP932 95 5C: its UTF-8 form holds no backslash"},
  };
  for (const auto& c : cases) EXPECT_EQ(IsSafeFolderName(c.name), c.safe) << c.why;
}

TEST_F(CalculationRunTest, TheFolderIsNamedByTheProjectNameInUtf8) {
  // Project_Name holds CP932 bytes; the folder and the files carry UTF-8.
  const struct {
    std::string utf8;
  } cases[] = {{"富士山"}, {"表"}};
  for (const auto& c : cases) {
    ctx_.params.Project_Name = test::Sjis(c.utf8);
    const RunOutcome outcome = Run();
    const std::string folder = program_ + c.utf8 + ".20130310.140509/";
    EXPECT_TRUE(outcome.completed) << c.utf8;
    EXPECT_EQ(ctx_.OutputFolder, folder);
    EXPECT_EQ(outcome.result_path, folder + c.utf8 + ".dorx");
    EXPECT_EQ(Tree(folder), (std::set<std::string>{c.utf8 + ".xix", c.utf8 + ".dorx"})) << c.utf8;
    EXPECT_EQ(HeaderOf(outcome.result_path).Project_Name, test::Sjis(c.utf8)) << "the header keeps CP932";
  }
}

TEST_F(CalculationRunTest, SecondRunsShareAFolderOnlyWithinOneSecondOrWithOverwrite) {
  const LocalTime later{2013, 3, 10, 14, 5, 10};
  const struct {
    const char* why;
    bool overwrite;
    LocalTime second_start;
    std::set<std::string> folders;
  } cases[] = {
      {"two runs within one second", false, kStart, {"station.20130310.140509/"}},
      {"a run one second later", false, later, {"station.20130310.140509/", "station.20130310.140510/"}},
      {"the overwrite box reuses the plain folder", true, later, {"station/"}},
  };
  for (const auto& c : cases) {
    fs::remove_all(program_);
    fs::create_directories(program_);
    ctx_.params.Tx_Power = 100.0;
    Run(false, c.overwrite, kStart);
    ctx_.params.Tx_Power = 25.0;
    const RunOutcome second = Run(false, c.overwrite, c.second_start);
    std::set<std::string> folders;
    for (const std::string& entry : Tree(program_))
      if (entry.back() == '/') folders.insert(entry);
    EXPECT_EQ(folders, c.folders) << c.why;
    EXPECT_EQ(HeaderOf(second.result_path).Tx_Power, 25.0) << c.why << ": the second run's result";
    EXPECT_EQ(test::ReadBytes(second.result_path).size(), 488u + 100 * 160) << c.why;
  }
}

// ---------------------------------------------------------------------------
// The project copy, the result file and the temp files.

TEST_F(CalculationRunTest, TheProjectCopyHoldsTheValuesAsEntered) {
  // Compensation 2 moves the station onto the spike: the header then holds
  // the moved position while the copy, written before stage 1, keeps the
  // position as entered.
  ctx_.params.Compensation = 2;
  const ProjectParameters entered = ctx_.params;
  const RunOutcome outcome = Run();
  ASSERT_TRUE(outcome.completed);

  test::FakeWindowLink sink(ctx_);
  ASSERT_TRUE(WriteProjectFile(dir_ / "expected.xix", entered, sink));
  EXPECT_EQ(ctx_.ProjectFilePath, Folder() + "station.xix");
  EXPECT_EQ(test::ReadBytes(ctx_.ProjectFilePath), test::ReadBytes(dir_ / "expected.xix"));

  const ResultHeader h = HeaderOf(outcome.result_path);
  EXPECT_NE(h.latitude.seconds, entered.Source_North_latitude.seconds) << "the station was moved";
  EXPECT_EQ(h.SourceElevation, 10000);
}

struct ResultCase {
  const char* name;
  int flood_mode;
  bool anomaly;
  const char* suffix;
  double spike_elevation;  // slot 0 of the spike's record, 0.1 m
  double elevation_max;    // m
  double water_level;      // m, in the header
};
void PrintTo(const ResultCase& c, std::ostream* os) { *os << c.name; }

class ResultFileTest : public CalculationRunTest, public ::testing::WithParamInterface<ResultCase> {};

TEST_P(ResultFileTest, HeaderAndOneRecordPerCellAndNoTempFiles) {
  const ResultCase& c = GetParam();
  ctx_.FloodMode = c.flood_mode;
  ctx_.params.WaterLevel = c.water_level;
  const RunOutcome outcome = Run(c.anomaly);
  ASSERT_TRUE(outcome.completed);
  EXPECT_EQ(outcome.result_path, Folder() + "station" + c.suffix);

  // 488 header bytes and 10 x 10 records of 160 bytes.
  EXPECT_EQ(test::ReadBytes(outcome.result_path).size(), 16488u);
  EXPECT_EQ(Tree(Folder()), (std::set<std::string>{"station.xix", std::string("station") + c.suffix}))
      << "Dorx.$=$ and Dorx.$$$ are deleted";

  const ResultHeader h = HeaderOf(outcome.result_path);
  EXPECT_EQ(h.FormatTag, "S8");
  EXPECT_EQ(h.Project_Name, "station");
  EXPECT_EQ(h.Range_North + h.Range_South + h.Range_East + h.Range_West, 20);
  EXPECT_EQ(h.Range_South, 5) << "the station's own cell is nearest";
  EXPECT_EQ(h.ImageHeight, 10.7) << "the size in force after -5003";
  EXPECT_EQ(h.ImageWidth, 20.2);
  EXPECT_EQ(h.SourceElevation, 500);
  EXPECT_EQ(h.ElevationMax, c.elevation_max);
  EXPECT_EQ(h.ElevationMin, 50.0);
  EXPECT_EQ(h.WaterLevel, c.water_level);
  EXPECT_EQ(h.Tx_Power, 100.0);

  auto records = test::ReadRecords(outcome.result_path, 488);
  ASSERT_EQ(records.size(), 100u);
  const CellRecord& spike = records[static_cast<size_t>(RecordNumber(ctx_.params, 2, 1))];
  const CellRecord& east = records[static_cast<size_t>(RecordNumber(ctx_.params, 1, 0))];
  EXPECT_EQ(spike.slot[kElevation], c.spike_elevation);
  EXPECT_DOUBLE_EQ(east.slot[kDistance], records[static_cast<size_t>(RecordNumber(ctx_.params, -1, 0))].slot[kDistance])
      << "the geometry pass ran on the records";
  if (c.flood_mode == 0) {
    EXPECT_NE(east.slot[kFieldStrength], NO_DATA);
    EXPECT_EQ(east.slot[kFloodDepth], NO_DATA);
  } else {
    EXPECT_EQ(spike.slot[kFloodDepth], c.water_level - c.spike_elevation * 0.1);
    EXPECT_EQ(east.slot[kFieldStrength], NO_DATA);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ResultFileTest,
    ::testing::Values(
        // The spike stays without anomaly removal, and sets ElevationMax.
        ResultCase{"FieldStrength", 0, false, ".dorx", 10000, 1000.0, 0.0},
        // The row pass lowers the spike to the 50 m before it (threshold 300 m),
        // the column pass recomputes the range.
        ResultCase{"FieldStrengthAnomaly", 0, true, ".dorx", 500, 50.0, 0.0},
        ResultCase{"Flood", 1, false, ".dorw", 10000, 1000.0, 10.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculationRunTest, AMissingPatternFileIsReportedAndTheRunGoesOn) {
  ctx_.params.Antenna_Pattern_File = "missing.pat";
  ctx_.params.AntennaPatternPath = dir_ / "missing.pat";
  const RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.completed);
  EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{111, 1001, 0}));
  EXPECT_EQ(HeaderOf(outcome.result_path).Antenna_Pattern_File, "!");
}

TEST_F(CalculationRunTest, AStopDuringTheTerrainPassStillEndsTheRun) {
  link_.stop_code = 5001;
  link_.stop_after = 30;  // rows 0 to 2 of the area
  const RunOutcome outcome = Run();
  EXPECT_TRUE(outcome.completed);
  EXPECT_EQ(link_.cell_reports[5001], 30);
  EXPECT_EQ(link_.cell_reports[5003], 1) << "only the final report of the geometry pass";
  EXPECT_EQ(link_.cell_reports[5005], 0);
  EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{1001, 0}));
  EXPECT_EQ(link_.RunEvents()[link_.RunEvents().size() - 2].kind, "map") << "the map is still shown";

  EXPECT_EQ(test::ReadBytes(outcome.result_path).size(), 488u) << "a header without records";
  EXPECT_EQ(Tree(Folder()), (std::set<std::string>{"station.xix", "station.dorx"}));
  // The area was re-centred on the nearest row the pass saw (row 2).
  const ResultHeader h = HeaderOf(outcome.result_path);
  EXPECT_EQ(h.FormatTag, "S8");
  EXPECT_EQ(h.Range_South, 2);
  EXPECT_EQ(h.Range_North, 8);
}

// ---------------------------------------------------------------------------
// Project names that do not name one folder inside ProgramFolder, and
// folders that cannot be created.

struct UnsafeCase {
  const char* why;
  std::string name;
  bool overwrite;
};
void PrintTo(const UnsafeCase& c, std::ostream* os) { *os << c.why; }

class UnsafeNameTest : public CalculationRunTest, public ::testing::WithParamInterface<UnsafeCase> {};

TEST_P(UnsafeNameTest, NothingIsWrittenAndStageOneFails) {
  const UnsafeCase& c = GetParam();
  ctx_.params.Project_Name = c.name;
  const std::set<std::string> before = Tree(dir_.path());
  const RunOutcome outcome = Run(false, c.overwrite);
  EXPECT_FALSE(outcome.completed);
  EXPECT_EQ(Tree(dir_.path()), before) << "nothing created or written anywhere";

  const std::string folder = c.overwrite ? program_ + c.name + "/" : program_ + c.name + ".20130310.140509/";
  EXPECT_EQ(ctx_.OutputFolder, folder);
  EXPECT_EQ(ctx_.ProjectFilePath, folder + c.name + ".xix");
  EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{121, 1001, 113}));
  EXPECT_EQ(TextAt(link_, 121), folder + c.name + ".xix");
  EXPECT_EQ(TextAt(link_, 113), "Write: " + folder + "Dorx.$=$");
  EXPECT_EQ(link_.events.back().code, 113) << "the run ends at the failure";
  EXPECT_FALSE(ctx_.store.StoreFileA.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Names, UnsafeNameTest,
    ::testing::Values(UnsafeCase{"dot", ".", false}, UnsafeCase{"dot overwrite: ProgramFolder itself", ".", true},
                      UnsafeCase{"dotdot", "..", false},
                      UnsafeCase{"dotdot overwrite: the folder above", "..", true},
                      UnsafeCase{"empty", "", false}, UnsafeCase{"empty overwrite: ProgramFolder itself", "", true},
                      UnsafeCase{"slash", "a/b", false}, UnsafeCase{"slash overwrite", "a/b", true},
                      UnsafeCase{"backslash", "a\\b", false}, UnsafeCase{"backslash overwrite", "a\\b", true},
                      UnsafeCase{"climbing out", "../../escaped", true}),
    [](const auto& info) {
      std::string n;
      for (char ch : std::string(info.param.why))
        if (std::isalnum(static_cast<unsigned char>(ch))) n += ch;
      return n;
    });

TEST_F(CalculationRunTest, AProgramFolderBelowAFileCannotHoldTheOutputFolder) {
  test::WriteBytes(dir_ / "plain", "a file, not a folder");
  ctx_.ProgramFolder = dir_ / "plain/";
  const RunOutcome outcome = Run();
  EXPECT_FALSE(outcome.completed);
  EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{121, 1001, 113}));
  EXPECT_EQ(TextAt(link_, 121), dir_ / "plain/station.20130310.140509/station.xix");
  EXPECT_EQ(TextAt(link_, 113), "Write: " + dir_ / "plain/station.20130310.140509/Dorx.$=$");
}

TEST_F(CalculationRunTest, FullNamesOverTheLimitAreNeverCreated) {
  // A program folder deep enough that the longest full name of the run, the
  // result file OutputFolder + "station.dorx", has exactly 1,023 bytes; with
  // one byte more the result file cannot be opened while every shorter name
  // (the folder, the project copy, the temp files) still fits.
  const struct {
    size_t result_bytes;
    bool completed;
  } cases[] = {{1023, true}, {1024, false}};
  for (const auto& c : cases) {
    const size_t folder_bytes = c.result_bytes - std::string("station.dorx").size() - std::string("station/").size();
    std::string program = dir_.path() + Format("%zu/", c.result_bytes);
    while (program.size() + 100 < folder_bytes) program += std::string(99, 'd') + "/";
    program += std::string(folder_bytes - program.size() - 1, 'e') + "/";
    ASSERT_EQ(program.size(), folder_bytes);
    fs::create_directories(program);
    ctx_.ProgramFolder = program;
    link_.events.clear();

    const RunOutcome outcome = Run(false, true);
    EXPECT_EQ(outcome.result_path.size(), c.result_bytes);
    EXPECT_EQ(outcome.completed, c.completed) << c.result_bytes;
    EXPECT_TRUE(FileExists(program + "station/station.xix"));
    if (c.completed) {
      EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{1001, 0}));
      EXPECT_EQ(test::ReadBytes(outcome.result_path).size(), 16488u);
    } else {
      EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{1001, 113}));
      // MessageText holds at most 1,023 bytes.
      EXPECT_EQ(TextAt(link_, 113), ("Write: " + outcome.result_path).substr(0, 1023));
      EXPECT_TRUE(FileExists(program + "station/Dorx.$$$")) << "the temp files stay";
    }
  }
}

// ---------------------------------------------------------------------------
// Files of the stages that cannot be opened.

struct StageFailureCase {
  const char* name;
  bool anomaly;
  const char* blocking_folder;     // a folder where the stage wants a file
  const char* removed_at_paint;    // deleted when stage 1 ends (PaintCell 5001)
  std::string message;             // "Write: " or "Read: " and the file name in OutputFolder
  std::set<std::string> left;      // files left in the output folder
  int failed_stage_code;           // progress code of the stage that failed
};
void PrintTo(const StageFailureCase& c, std::ostream* os) { *os << c.name; }

class StageFailureTest : public CalculationRunTest, public ::testing::WithParamInterface<StageFailureCase> {};

TEST_P(StageFailureTest, TheRunEndsAtTheFileAndClosesWhatTheStageOpened) {
  const StageFailureCase& c = GetParam();
  const std::string folder = program_ + "station/";
  fs::create_directories(folder);
  if (*c.blocking_folder) fs::create_directories(folder + c.blocking_folder);
  if (*c.removed_at_paint)
    link_.on_paint = [&](int code) {
      if (code == 5001) fs::remove(folder + c.removed_at_paint);
    };

  const RunOutcome outcome = Run(c.anomaly, true);
  EXPECT_FALSE(outcome.completed);
  EXPECT_EQ(link_.MessageCodes(), (std::vector<int>{1001, 113}));
  const std::string verb = c.message.substr(0, c.message.find(' ') + 1);
  EXPECT_EQ(TextAt(link_, 113), verb + folder + c.message.substr(verb.size()));
  EXPECT_EQ(link_.events.back().code, 113) << "nothing after the failure";
  EXPECT_FALSE(ctx_.store.StoreFileA.IsOpen());
  EXPECT_FALSE(ctx_.store.StoreFileB.IsOpen());

  std::set<std::string> files;
  for (const std::string& entry : Tree(folder))
    if (entry.back() != '/') files.insert(entry);
  EXPECT_EQ(files, c.left) << "the temporary files written so far stay";
  EXPECT_EQ(link_.cell_reports[c.failed_stage_code], 0) << "the failed stage did no cell work";
}

INSTANTIATE_TEST_SUITE_P(
    Stages, StageFailureTest,
    ::testing::Values(
        StageFailureCase{"TerrainWrite", false, "Dorx.$=$", "", "Write: Dorx.$=$", {"station.xix"}, 5001},
        StageFailureCase{"FirstAnomalyWrite", true, "Dorx.$$$", "", "Write: Dorx.$$$",
                         {"station.xix", "Dorx.$=$"}, 5007},
        StageFailureCase{"FirstAnomalyRead", true, "", "Dorx.$=$", "Read: Dorx.$=$", {"station.xix"}, 5007},
        StageFailureCase{"GeometryWrite", false, "Dorx.$$$", "", "Write: Dorx.$$$", {"station.xix", "Dorx.$=$"},
                         5003},
        StageFailureCase{"GeometryRead", false, "", "Dorx.$=$", "Read: Dorx.$=$", {"station.xix"}, 5003},
        // Stage 5 has already opened Dorx.$$$ for reading: it is closed again.
        StageFailureCase{"ResultWrite", false, "station.dorx", "", "Write: station.dorx",
                         {"station.xix", "Dorx.$=$", "Dorx.$$$"}, 5005}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dorx
