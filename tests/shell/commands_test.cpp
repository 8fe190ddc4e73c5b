// The commands of the window as a user reaches them through its controls:
// calculation Open, terrain folder, Start and Stop, the antenna box, drawing
// Open, Start, Stop and the map clicks, the section and page toggles, the
// wheel. Runs go over the tiny flat area.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "files/message_sink.h"
#include "files/project_file.h"
#include "files/result_header.h"
#include "platform/colour.h"
#include "platform/headless_desktop.h"
#include "shell/simengine.h"
#include "support/test_support.h"
#include "tiny_area.h"

namespace dorx {
namespace {

namespace fs = std::filesystem;

// Every file and folder below `root`, as paths relative to it.
std::set<std::string> Tree(const std::string& root) {
  std::set<std::string> entries;
  for (const auto& entry : fs::recursive_directory_iterator(root))
    entries.insert(fs::relative(entry.path(), root).string());
  return entries;
}

ResultHeader ReadHeader(const std::string& path) {
  const std::string bytes = test::ReadBytes(path);
  ResultHeader header;
  DecodeResultHeader({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, header);
  return header;
}

// A pattern of four rows: full gain ahead, half to the sides, a quarter behind.
std::string PatternText() {
  return "test pattern\r\nname four-rows\r\nline 3\r\nline 4\r\nline 5\r\n"
         "0 1.0\r\n90 0.5\r\n180 0.25\r\n270 0.5\r\n*END*\r\n";
}

// The program folder and the terrain folder side by side in one scratch
// folder, so that anything written beside the program folder shows.
class CommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(program());
    test::WriteFlatTile(mesh() + "/", test::kTinyTileCode, 1000);
    form.StartUp(program());
  }

  std::string program() const { return outer / "program/"; }
  std::string mesh() const { return outer / "mesh"; }  // as the folder dialog gives it
  Controls& c() { return form.controls(); }
  Context& ctx() { return form.context(); }

  std::string Project(const ProjectParameters& p) { return test::WriteProject(program() + "station.xix", p); }
  bool Open(const std::string& project) {
    desktop.chosen_files.push_back(project);
    return c().Click("ButtonSIMOpen");
  }
  bool ChooseMesh(const std::string& folder) {
    desktop.chosen_folders.push_back(folder);
    return c().Click("ButtonMesh");
  }
  // Open, terrain folder and Start with the overwrite box checked: the
  // result is <program>/station/station.dorx.
  const CalculationStart& Run(const ProjectParameters& p) {
    EXPECT_TRUE(Open(Project(p)));
    EXPECT_TRUE(ChooseMesh(mesh()));
    c().SetChecked("CheckBoxTxName", true);
    EXPECT_TRUE(c().Click("ButtonSIMExec"));
    return form.last_calculation();
  }
  std::string ResultPath() const { return program() + "station/station.dorx"; }
  bool OpenDrawing(const std::string& result) {
    desktop.chosen_files.push_back(result);
    return c().Click("ButtonIMGOpen");
  }

  test::ScratchFolder outer;
  HeadlessDesktop desktop;
  TsimForm form{desktop};
};

TEST_F(CommandsTest, TheButtonsLeadFromOpenThroughTheTerrainFolderToStart) {
  EXPECT_FALSE(c().Click("ButtonMesh"));  // no project opened yet
  const std::string project = Project(test::TinyAreaParameters());
  ASSERT_TRUE(Open(project));
  EXPECT_EQ(desktop.file_requests.back().filter, "xix|*.xix");
  EXPECT_EQ(desktop.file_requests.back().initial_folder, program());
  EXPECT_EQ(desktop.caption, project);
  EXPECT_EQ(c().Hint("ButtonSIMOpen"), project);
  EXPECT_EQ(ctx().OutputFolder, program());
  EXPECT_EQ(c().Text("EditTxName"), "station");
  EXPECT_TRUE(c().Enabled("EditTxName"));
  EXPECT_TRUE(c().Enabled("ButtonMesh"));
  EXPECT_FALSE(c().Enabled("ButtonSIMExec"));
  EXPECT_FALSE(c().Enabled("ButtonSIMStop"));

  desktop.chosen_folders.push_back(std::nullopt);  // the dialog cancelled
  ASSERT_TRUE(c().Click("ButtonMesh"));
  EXPECT_EQ(desktop.folder_requests.back(), "メッシュフォルダ群の親フォルダを指定して下さい。");
  EXPECT_FALSE(ctx().MeshFolderChosen);
  EXPECT_FALSE(c().Enabled("ButtonSIMExec"));

  ASSERT_TRUE(ChooseMesh(mesh()));
  EXPECT_EQ(ctx().MeshFolder, mesh() + "/");
  EXPECT_EQ(desktop.status_text, mesh() + "/");
  EXPECT_EQ(c().Hint("ButtonMesh"), mesh() + "/");
  EXPECT_TRUE(c().Enabled("ButtonSIMExec"));

  c().SetChecked("CheckBoxTxName", true);
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  ASSERT_TRUE(form.last_calculation().run.completed);
  EXPECT_EQ(form.last_calculation().run.result_path, ResultPath());
  EXPECT_FALSE(fs::exists(program() + "station/Dorx.$=$"));
  EXPECT_FALSE(fs::exists(program() + "station/Dorx.$$$"));
  EXPECT_EQ(desktop.caption, program() + "station/station.xix");
  EXPECT_EQ(desktop.status_text, " ");
  for (const char* enabled : {"ButtonSIMOpen", "ButtonSIMExec", "ButtonIMGOpen", "ButtonMesh", "EditTxName"})
    EXPECT_TRUE(c().Enabled(enabled)) << enabled;
  EXPECT_FALSE(c().Enabled("ButtonSIMStop"));
  EXPECT_TRUE(form.render().pictures.ImageCSR.visible);  // the finished map
  EXPECT_TRUE(c().Checked("RadioButtonDORX"));
  EXPECT_TRUE(c().Checked("RadioButtonMAPX"));

  // A later Open needs no folder choice; the folder stays.
  desktop.chosen_folders.clear();
  ASSERT_TRUE(Open(project));
  EXPECT_TRUE(c().Enabled("ButtonSIMExec"));
  EXPECT_EQ(ctx().MeshFolder, mesh() + "/");
}

TEST_F(CommandsTest, ARunComputesWithExactlyTheValuesTheFieldsHold) {
  ProjectParameters p = test::TinyAreaParameters();
  p.Tx_Frequency = 500.1235;  // the file keeps six decimals, the field shows three
  ASSERT_TRUE(Open(Project(p)));
  EXPECT_EQ(c().Text("EditTxFrequency"), "500.124");
  c().SetText("EditTxPower", "50.5W");  // typed: the leading number counts
  c().SetText("EditTxLoss", " 3");
  c().SetText("EditRxAlt", "2.25");
  ASSERT_TRUE(ChooseMesh(mesh()));
  c().SetChecked("CheckBoxTxName", true);
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  ASSERT_TRUE(form.last_calculation().run.completed);

  const ResultHeader header = ReadHeader(ResultPath());
  EXPECT_EQ(header.Tx_Frequency, 500.124);
  EXPECT_EQ(header.Tx_Power, 50.5);
  EXPECT_EQ(header.Tx_Loss, 3.0);
  EXPECT_EQ(header.Rx_Altitude, 2.25);

  struct Quiet : MessageSink {
    void SetMessageText(std::string_view) override {}
    void ShowMessageCode(int, int, int) override {}
  } quiet;
  ProjectParameters copy;
  ReadProjectFile(program() + "station/station.xix", copy, quiet);
  EXPECT_EQ(copy.Tx_Frequency, 500.124);
  EXPECT_EQ(copy.Tx_Power, 50.5);
  EXPECT_EQ(copy.Tx_Loss, 3.0);

  // The run put the values back into the fields in their formats.
  EXPECT_EQ(c().Text("EditTxPower"), "50.50");
  EXPECT_EQ(c().Text("EditTxLoss"), "3.00");
  EXPECT_EQ(c().Text("EditTxNS3"), "30.7500");
}

TEST_F(CommandsTest, ANameWithBlanksIsKeptWholeInTheFolderAndFileNames) {
  ASSERT_TRUE(Open(Project(test::TinyAreaParameters())));
  ASSERT_TRUE(ChooseMesh(mesh()));
  c().SetText("EditTxName", "富士 山");
  c().SetChecked("CheckBoxTxName", true);
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  EXPECT_EQ(ctx().params.Project_Name, test::Sjis("富士 山"));
  EXPECT_EQ(form.last_calculation().run.result_path, program() + "富士 山/富士 山.dorx");
  EXPECT_TRUE(fs::exists(fs::u8path(program() + "富士 山/富士 山.xix")));

  // Without the overwrite box the folder carries the local time of the start.
  c().SetChecked("CheckBoxTxName", false);
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  const std::string folder = ctx().OutputFolder.substr(program().size());
  EXPECT_TRUE(std::regex_match(folder, std::regex("富士 山\\.[0-9]{8}\\.[0-9]{6}/"))) << folder;
  EXPECT_TRUE(fs::exists(fs::u8path(ctx().OutputFolder + "富士 山.dorx")));
}

TEST_F(CommandsTest, AStartOutOfRangeShowsWhyAndStartsNoRun) {
  struct Case {
    const char* why;
    const char* power;
    std::string folder;
    const char* status;
  };
  const Case cases[] = {
      {"no power", "0", mesh(), "範囲外：　送信電力"},
      {"a terrain folder that is gone (the text holds only this)", "100", outer / "gone", "　メッシュデータフォルダが不明"},
  };
  for (const Case& k : cases) {
    ASSERT_TRUE(Open(Project(test::TinyAreaParameters()))) << k.why;
    ASSERT_TRUE(ChooseMesh(k.folder)) << k.why;
    const std::set<std::string> before = Tree(outer.path());
    c().SetText("EditTxPower", k.power);
    ASSERT_TRUE(c().Click("ButtonSIMExec")) << k.why;
    EXPECT_TRUE(form.last_calculation().started) << k.why;
    EXPECT_FALSE(form.last_calculation().validated) << k.why;
    EXPECT_EQ(desktop.status_text, k.status) << k.why;
    EXPECT_EQ(Tree(outer.path()), before) << k.why;
    EXPECT_TRUE(c().Enabled("ButtonSIMExec")) << k.why;
    EXPECT_FALSE(c().Enabled("ButtonSIMStop")) << k.why;
  }
}

TEST_F(CommandsTest, DuringARunOnlyStopIsUsableAndAStoppedRunLeavesAHeaderOnly) {
  ASSERT_TRUE(Open(Project(test::TinyAreaParameters())));
  ASSERT_TRUE(ChooseMesh(mesh()));
  c().SetChecked("CheckBoxTxName", true);
  std::vector<std::string> usable_during_run;
  bool stopped = false;
  desktop.on_pending_events = [&] {
    if (!form.run_active() || stopped) return;
    for (const char* name : {"ButtonSIMOpen", "ButtonSIMExec", "ButtonSIMStop", "ButtonMesh", "ButtonIMGOpen",
                             "ButtonIMGExec", "ButtonIMGSave", "EditTxName", "EditMpNSN", "RadioButtonSIM1"})
      if (c().Usable(name)) usable_during_run.push_back(name);
    stopped = c().Click("ButtonSIMStop");
  };
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  desktop.on_pending_events = nullptr;
  ASSERT_TRUE(stopped);
  EXPECT_EQ(usable_during_run, std::vector<std::string>{"ButtonSIMStop"});
  // The run still went through all its steps: the header of the result,
  // no record, no temporary file, the buttons idle again.
  EXPECT_TRUE(form.last_calculation().run.completed);
  EXPECT_EQ(test::ReadBytes(ResultPath()).size(), kResultHeaderBytes);
  EXPECT_FALSE(fs::exists(program() + "station/Dorx.$=$"));
  EXPECT_FALSE(fs::exists(program() + "station/Dorx.$$$"));
  EXPECT_TRUE(c().Enabled("ButtonSIMExec"));
  EXPECT_FALSE(c().Enabled("ButtonSIMStop"));
  EXPECT_EQ(desktop.status_text, " ");

  // The next Start clears the request and runs in full.
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  EXPECT_EQ(test::ReadBytes(ResultPath()).size(), kResultHeaderBytes + 200u * 200u * kRecordBytes);
}

TEST_F(CommandsTest, UnsafeProjectNamesNeverWriteOutsideTheProgramFolder) {
  ASSERT_TRUE(Open(Project(test::TinyAreaParameters())));
  ASSERT_TRUE(ChooseMesh(mesh()));
  const std::set<std::string> before = Tree(outer.path());
  for (const char* name : {"", ".", "..", "a/b", "../escape", "/tmp", "..\\up"}) {
    for (bool overwrite : {true, false}) {
      c().SetChecked("CheckBoxTxName", overwrite);
      c().SetText("EditTxName", name);
      desktop.boxes.clear();
      ASSERT_TRUE(c().Click("ButtonSIMExec")) << name;
      ASSERT_TRUE(form.last_calculation().validated) << name;
      EXPECT_FALSE(form.last_calculation().run.completed) << name;
      EXPECT_EQ(Tree(outer.path()), before) << "name \"" << name << "\" overwrite " << overwrite;
      EXPECT_EQ(desktop.status_text.rfind(" ? File Not Open: Write: ", 0), 0u) << desktop.status_text;
      ASSERT_EQ(desktop.boxes.size(), 1u) << name;
      EXPECT_EQ(desktop.boxes[0].text, "ファイルを作成できません。");
      EXPECT_TRUE(c().Enabled("ButtonSIMExec")) << name;  // idle again
    }
  }
}

TEST_F(CommandsTest, TheAntennaBoxLoadsTurnsAndDrawsThePatternAndClearingResetsIt) {
  ASSERT_TRUE(Open(Project(test::TinyAreaParameters())));
  const std::string pattern = outer / "four rows.txt";
  test::WriteBytes(pattern, PatternText());
  c().SetText("EditTxAtDeg", "45");
  desktop.chosen_files.push_back(pattern);
  ASSERT_TRUE(c().Click("CheckBoxAntenna"));
  const ProjectParameters& p = ctx().params;
  EXPECT_EQ(desktop.file_requests.back().filter, "xix|*.xix");
  EXPECT_EQ(p.Antenna_Pattern_File, "four rows.txt");
  EXPECT_EQ(p.AntennaPatternPath, pattern);
  EXPECT_EQ(p.Antenna_Angle, 45.0);
  EXPECT_EQ(c().Caption("LabelTxAtName"), "four rows.txt");
  EXPECT_EQ(c().Hint("CheckBoxAntenna"), pattern);
  EXPECT_EQ(desktop.status_text, pattern);
  EXPECT_TRUE(c().Enabled("EditTxAtDeg"));
  ASSERT_EQ(ctx().pattern.count, 4);
  EXPECT_EQ(ctx().pattern.angle[0], 0.0);  // the added row at 0 comes first
  EXPECT_EQ(ctx().pattern.angle[1], 45.0);

  FormImage& diagram = form.render().pictures.ImageCSR;
  EXPECT_TRUE(diagram.visible);
  EXPECT_EQ(diagram.width(), 480);
  EXPECT_EQ(diagram.height(), 504);
  const auto non_white = [&diagram] {
    int count = 0;
    for (int y = 0; y < diagram.height(); ++y)
      for (int x = 0; x < diagram.width(); ++x) count += diagram.picture().Pixel(x, y) != kWhite;
    return count;
  };
  EXPECT_GT(non_white(), 1000);  // axes, rings and the outline are drawn

  // A new azimuth turns the table again.
  c().SetText("EditTxAtDeg", "30");
  EXPECT_EQ(p.Antenna_Angle, 30.0);
  EXPECT_EQ(ctx().pattern.angle[1], 30.0);

  // Clearing the box forgets the pattern and hides the diagram.
  ASSERT_TRUE(c().Click("CheckBoxAntenna"));
  EXPECT_FALSE(c().Checked("CheckBoxAntenna"));
  EXPECT_EQ(p.Antenna_Pattern_File, "!");
  EXPECT_EQ(p.AntennaPatternPath, "!");
  EXPECT_EQ(p.Antenna_Angle, 0.0);
  EXPECT_EQ(c().Text("EditTxAtDeg"), "0.00");
  EXPECT_EQ(c().Caption("LabelTxAtName"), "!");
  EXPECT_EQ(c().Hint("CheckBoxAntenna"), "!");
  EXPECT_FALSE(c().Enabled("EditTxAtDeg"));
  EXPECT_FALSE(diagram.visible);
  EXPECT_EQ(desktop.status_text, " ");

  // A cancelled dialog leaves the box clear as well.
  desktop.chosen_files.push_back(std::nullopt);
  ASSERT_TRUE(c().Click("CheckBoxAntenna"));
  EXPECT_FALSE(c().Checked("CheckBoxAntenna"));
  EXPECT_EQ(p.Antenna_Pattern_File, "!");
}

TEST_F(CommandsTest, APatternNamedOnlyByTheProjectFileIsRefusedAtStart) {
  ProjectParameters p = test::TinyAreaParameters();
  p.Antenna_Pattern_File = "elsewhere.txt";
  ASSERT_TRUE(Open(Project(p)));
  ASSERT_TRUE(ChooseMesh(mesh()));
  EXPECT_EQ(c().Caption("LabelTxAtName"), "elsewhere.txt");
  ASSERT_TRUE(c().Click("ButtonSIMExec"));
  EXPECT_FALSE(form.last_calculation().validated);
  EXPECT_EQ(desktop.status_text, "　アンテナファイルが未指定");  // it replaces the whole text
}

TEST_F(CommandsTest, DrawingOpenStartAndTheMapClicks) {
  ASSERT_TRUE(Run(test::TinyAreaParameters()).run.completed);
  EXPECT_FALSE(c().Click("ButtonIMGExec"));  // only a drawing Open enables it
  ASSERT_TRUE(OpenDrawing(ResultPath()));
  EXPECT_EQ(desktop.file_requests.back().filter, "dorx|*.dorx");
  EXPECT_EQ(desktop.file_requests.back().initial_folder, program());
  ASSERT_TRUE(form.drawing_opened());
  EXPECT_EQ(desktop.caption, ResultPath());
  EXPECT_EQ(ctx().OutputFolder, program() + "station/");
  EXPECT_TRUE(c().Enabled("ButtonIMGExec"));
  EXPECT_FALSE(c().Enabled("ButtonIMGSave"));
  EXPECT_TRUE(c().Enabled("EditRxMin"));     // drawing inputs
  EXPECT_FALSE(c().Enabled("EditTxName"));   // the calculation inputs stay locked

  // The section toggle waits for a drawing run.
  ASSERT_TRUE(c().Click("simButtonSection"));
  EXPECT_FALSE(c().Visible("simScrollBoxSEC"));
  EXPECT_EQ(c().Caption("simButtonSection"), "^");

  ASSERT_TRUE(c().Click("ButtonIMGExec"));
  ASSERT_TRUE(form.drawing_validated());
  EXPECT_TRUE(ctx().ImageReady);
  EXPECT_TRUE(c().Enabled("ButtonIMGSave"));
  EXPECT_FALSE(c().Enabled("ButtonIMGStop"));

  // With " 描画なし" a click keeps the map in view.
  FormImage& map = form.render().pictures.ImageCSR;
  FormImage& chart = form.render().pictures.ImageFIN;
  form.ImageCSRMouseMove(50, 50);
  EXPECT_EQ(desktop.status_text.rfind("[緯度: ", 0), 0u) << desktop.status_text;
  EXPECT_NE(desktop.status_text.find("[局名: station]"), std::string::npos) << desktop.status_text;
  form.ImageCSRClick();
  EXPECT_TRUE(map.visible);
  EXPECT_FALSE(chart.visible);

  // With the line-of-sight display the chart covers the map until it is
  // clicked; the map's scroll position comes back.
  c().SetScroll("simScrollBox", 32, 8);
  ASSERT_TRUE(c().Click("RadioButtonFineColor"));
  form.ImageCSRClick();
  EXPECT_FALSE(map.visible);
  EXPECT_TRUE(chart.visible);
  c().SetScroll("simScrollBox", 0, 0);
  form.ImageFINClick();
  EXPECT_TRUE(map.visible);
  EXPECT_FALSE(chart.visible);
  EXPECT_EQ(c().State("simScrollBox").scroll_vertical, 32);
  EXPECT_EQ(c().State("simScrollBox").scroll_horizontal, 8);

  ASSERT_TRUE(c().Click("simButtonSection"));
  EXPECT_TRUE(c().Visible("simScrollBoxSEC"));
  EXPECT_EQ(c().Caption("simButtonSection"), "v");
  EXPECT_TRUE(c().Checked("RadioButtonSecColor"));
  ASSERT_TRUE(c().Click("simButtonSection"));
  EXPECT_FALSE(c().Visible("simScrollBoxSEC"));
  EXPECT_EQ(c().Caption("simButtonSection"), "^");
}

TEST_F(CommandsTest, ADrawingRunEndedWithStopLeavesSaveDisabled) {
  ASSERT_TRUE(Run(test::TinyAreaParameters()).run.completed);
  ASSERT_TRUE(OpenDrawing(ResultPath()));
  form.SetEventInterval({});  // every cell lets the window handle the Stop click
  bool stopped = false;
  desktop.on_pending_events = [&] {
    if (!stopped && c().Usable("ButtonIMGStop")) stopped = c().Click("ButtonIMGStop");
  };
  ASSERT_TRUE(c().Click("ButtonIMGExec"));
  desktop.on_pending_events = nullptr;
  ASSERT_TRUE(stopped);
  EXPECT_TRUE(ctx().ImageReady);
  EXPECT_FALSE(c().Enabled("ButtonIMGSave"));
  EXPECT_TRUE(c().Enabled("ButtonIMGExec"));

  ASSERT_TRUE(c().Click("ButtonIMGExec"));  // a full run enables Save again
  EXPECT_TRUE(c().Enabled("ButtonIMGSave"));
}

TEST_F(CommandsTest, SaveRefusesAResultWhoseProjectNameWouldLeaveItsFolder) {
  ASSERT_TRUE(Run(test::TinyAreaParameters()).run.completed);
  const std::string result = test::ReadBytes(ResultPath());
  fs::create_directories(outer / "results/deep");
  for (const char* name : {"../../escaped", "../up", "a/b", "..", "/tmp/abs"}) {
    // The result of the run with another name in its header (128 bytes).
    std::string crafted = result;
    crafted.replace(0, 128, std::string(name) + std::string(128 - std::string(name).size(), '\0'));
    const std::string path = outer / "results/deep/crafted.dorx";
    test::WriteBytes(path, crafted);
    ASSERT_TRUE(OpenDrawing(path)) << name;
    ASSERT_TRUE(form.drawing_opened()) << name;
    ASSERT_TRUE(c().Click("ButtonIMGExec")) << name;
    const std::set<std::string> before = Tree(outer.path());
    desktop.record_status = true;
    desktop.status_history.clear();
    ASSERT_TRUE(c().Click("ButtonIMGSave")) << name;
    EXPECT_EQ(Tree(outer.path()), before) << name;
    ASSERT_GE(desktop.status_history.size(), 2u) << name;
    EXPECT_EQ(desktop.status_history[desktop.status_history.size() - 2],
              " ? File Not Open: Write: " + outer / "results/deep/" + name + ".sn.png");
  }
  // The run's own result saves beside itself.
  ASSERT_TRUE(OpenDrawing(ResultPath()));
  ASSERT_TRUE(c().Click("ButtonIMGExec"));
  ASSERT_TRUE(c().Click("ButtonIMGSave"));
  EXPECT_TRUE(fs::exists(program() + "station/station.sx.png"));
  EXPECT_TRUE(fs::exists(program() + "station/station.sg.kml"));
}

TEST_F(CommandsTest, ADamagedResultIsRefusedByTheDrawingOpen) {
  test::WriteBytes(program() + "bad.dorx", "not a result file");
  ASSERT_TRUE(OpenDrawing(program() + "bad.dorx"));
  EXPECT_FALSE(form.drawing_opened());
  EXPECT_FALSE(c().Enabled("ButtonIMGExec"));
  EXPECT_FALSE(c().Click("ButtonIMGExec"));
}

TEST_F(CommandsTest, PageToggleAndWheelSteps) {
  ASSERT_TRUE(c().Click("simButtonPageControl"));
  EXPECT_FALSE(c().Visible("simPageControl"));
  EXPECT_EQ(c().Caption("simButtonPageControl"), ">");
  ASSERT_TRUE(c().Click("simButtonPageControl"));
  EXPECT_TRUE(c().Visible("simPageControl"));
  EXPECT_EQ(c().Caption("simButtonPageControl"), "<");

  c().SetScroll("simScrollBox", 100, 0);
  const int expected_after[] = {84, 68, 84, 100};
  const int deltas[] = {120, 1, -120, -1};
  for (int i = 0; i < 4; ++i) {
    form.FormMouseWheel(deltas[i]);
    EXPECT_EQ(c().State("simScrollBox").scroll_vertical, expected_after[i]) << "delta " << deltas[i];
  }
}

}  // namespace
}  // namespace dorx
