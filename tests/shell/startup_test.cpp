// The start-up sequence: default files, settings, title screen, control
// states, start-up values and the datum table, fields, working window.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/kml_template.h"
#include "files/project_file.h"
#include "files/settings_file.h"
#include "form_bench.h"

namespace dorx {
namespace {

using test::FormBench;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

// The bytes each default writer produces, for comparison.
std::string DefaultBytes(bool (*write)(const std::string&, MessageSink&)) {
  struct Quiet : MessageSink {
    void SetMessageText(std::string_view) override {}
    void ShowMessageCode(int, int, int) override {}
  } quiet;
  ScratchFolder folder;
  write(folder / "file", quiet);
  return ReadBytes(folder / "file");
}

TEST(StartUp, AnEmptyProgramFolderGetsTheThreeDefaultFiles) {
  FormBench b;
  b.Start();
  EXPECT_EQ(ReadBytes(b.program / "Dorx.xix"), DefaultBytes(WriteDefaultProjectFile));
  EXPECT_EQ(ReadBytes(b.program / "Dorx.kml"), DefaultBytes(WriteDefaultKmlTemplate));
  EXPECT_EQ(ReadBytes(b.program / "Dorx.ini"), DefaultBytes(WriteDefaultSettingsFile));
  EXPECT_EQ(b.ctx().FloodMode, 0);
  EXPECT_EQ(b.ctx().ProgramFolder, b.program.path());
  EXPECT_EQ(b.ctx().OutputFolder, b.program.path());
  EXPECT_EQ(b.ctx().ProjectFilePath, b.program / "Dorx.ini");
  EXPECT_EQ(b.ctx().settings.DatumParameterPath, b.program / "tky2jgd.par");
}

TEST(StartUp, ExistingFilesAreKeptAndTheSettingsRead) {
  FormBench b;
  WriteBytes(b.program / "Dorx.xix", "my project");
  test::WriteSettings(b.program.path(), true);
  b.Start();
  EXPECT_EQ(ReadBytes(b.program / "Dorx.xix"), "my project");
  EXPECT_EQ(b.ctx().FloodMode, 1);
}

TEST(StartUp, ProgramFolderGetsItsSeparator) {
  FormBench b;
  std::string without = b.program.path();
  without.pop_back();
  b.form.StartUp(without);
  EXPECT_EQ(b.ctx().ProgramFolder, b.program.path());
}

TEST(StartUp, TheWindowStartsLockedWithTheStartUpValues) {
  FormBench b;
  b.Start();
  Controls& c = b.controls();
  EXPECT_EQ(b.desktop.title_mode, "Dorx");
  EXPECT_TRUE(b.desktop.working_window);
  EXPECT_EQ(b.desktop.caption, "Dorx");
  EXPECT_EQ(c.Text("simPageControl"), "TabSheetSIM");
  EXPECT_TRUE(c.Visible("simPageControl"));
  EXPECT_FALSE(c.Visible("simScrollBoxSEC"));
  for (const char* button : {"ButtonSIMExec", "ButtonSIMStop", "ButtonMesh", "ButtonIMGExec", "ButtonIMGStop",
                             "ButtonIMGSave"})
    EXPECT_FALSE(c.Enabled(button)) << button;
  EXPECT_TRUE(c.Enabled("ButtonSIMOpen"));
  EXPECT_TRUE(c.Enabled("ButtonIMGOpen"));
  EXPECT_FALSE(c.Enabled("EditTxName"));
  EXPECT_FALSE(c.Enabled("EditRxMin"));
  // ResetParameters and the fields.
  EXPECT_EQ(c.Text("EditTxName"), "*");
  EXPECT_EQ(c.Text("EditMpNSN"), "0");
  EXPECT_EQ(c.Text("EditAnomaly"), "300");
  EXPECT_EQ(c.Caption("LabelTxAtName"), "!");
  EXPECT_EQ(c.Text("EditAmpG"), "100.0");
  EXPECT_EQ(c.Text("EditRxStep"), "5.00");
  EXPECT_TRUE(c.Checked("CheckBoxSea"));
  EXPECT_TRUE(c.Checked("CheckBoxFineBig"));
  EXPECT_TRUE(b.form.render().view.sea);
  EXPECT_FALSE(b.ctx().MeshFolderChosen);
}

TEST(StartUp, AfterStartUpEveryImageIsHiddenAndSized) {
  FormBench b;
  b.Start();
  Pictures& p = b.form.render().pictures;
  for (FormImage* image : {&p.ImageCSR, &p.ImageSIM, &p.ImageSIM1, &p.ImageSIM2, &p.ImageSIM3, &p.ImageMAP,
                           &p.ImageMIX, &p.ImageFIN}) {
    EXPECT_FALSE(image->visible);
    EXPECT_EQ(image->width(), 3030);
    EXPECT_EQ(image->height(), 3030);
  }
  EXPECT_FALSE(p.ImageNOT.visible);
  EXPECT_EQ(p.ImageNOT.width(), 192);
  EXPECT_EQ(p.ImageNOT.height(), 570);
}

TEST(StartUp, FloodModeShowsTheFloodGroupAndTheDorwCaption) {
  FormBench b;
  test::WriteSettings(b.program.path(), true);
  b.Start();
  Controls& c = b.controls();
  EXPECT_EQ(b.desktop.title_mode, "Dorw");
  EXPECT_EQ(b.desktop.caption, "Dorw");
  EXPECT_FALSE(c.Visible("GroupBoxTx"));
  EXPECT_TRUE(c.Visible("GroupBoxWater"));
  EXPECT_FALSE(c.Visible("EditMpCoa"));
  EXPECT_EQ(c.Text("EditWxAlt"), "10.00");  // WaterLevel starts at 10 in flood mode
  EXPECT_EQ(c.Text("EditRxStep"), "2.00");
}

TEST(StartUp, TheDatumTableIsOfferedAndItsSourceReported) {
  FormBench b;
  b.desktop.answers = {true};
  b.Start();
  ASSERT_EQ(b.desktop.boxes.size(), 2u);
  EXPECT_TRUE(b.desktop.boxes[0].question);
  EXPECT_EQ(b.desktop.boxes[1].text, "tky2jgd.par が不明です。\nDorx.par が作成できませんでした。");
  EXPECT_EQ(b.ctx().DatumTableAnswer, -3);
  EXPECT_EQ(b.desktop.status_text, " ");  // the check ends with code 0
}

TEST(StartUp, AnExistingDatumTableIsLoadedWithoutQuestionAndCountedOnTheTitle) {
  FormBench b;
  std::string table;
  for (int i = 0; i < 2500; ++i) table += std::to_string(53380000 + i) + " 1.000000 2.000000\r\n";
  WriteBytes(b.program / "Dorx.par", table);
  b.Start();
  EXPECT_TRUE(b.desktop.boxes.empty());
  EXPECT_EQ(b.ctx().datum.count(), 2500);
  EXPECT_EQ(b.desktop.title_counts, (std::vector<int>{0, 1000, 2000}));  // ShowSplash(3, n) shows multiples of 1000
}

TEST(StartUp, SettingsThatCanBeNeitherWrittenNorReadEndTheProgram) {
  FormBench b;
  std::filesystem::create_directory(b.program / "Dorx.ini");  // a folder takes the name
  b.Start();
  ASSERT_EQ(b.desktop.boxes.size(), 2u);
  EXPECT_EQ(b.desktop.boxes[0].text, "ファイルを作成できません。");
  EXPECT_EQ(b.desktop.boxes[1].text, "Dorx.ini が不明です。　Dorx を終了します。");
  EXPECT_EQ(b.desktop.end_status, 0);
  EXPECT_TRUE(b.form.ending());
  EXPECT_EQ(b.desktop.title_mode, "");  // start-up went no further
}

TEST(ShowSplash, CountsOnlyMultiplesOfAThousand) {
  FormBench b;
  b.form.ShowSplash(3, 2500);
  b.form.ShowSplash(3, 3000);
  EXPECT_EQ(b.desktop.title_counts, (std::vector<int>{3000}));
}

}  // namespace
}  // namespace dorx
