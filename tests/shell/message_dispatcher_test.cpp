// ShowMessageCode: the status line and boxes of every code, the datum
// question, the end of the program, the per-row progress texts, the
// forwarding to the cell painter and the event processing by time.
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>

#include "platform/colour.h"
#include "platform/headless_desktop.h"
#include "render/layers.h"
#include "shell/event_throttle.h"
#include "shell/simengine.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::Sjis;

class DispatcherTest : public ::testing::Test {
 protected:
  static constexpr const char* kUnchanged = "(unchanged)";
  void SetUp() override { desktop.SetStatusText(kUnchanged); }
  Context& ctx() { return form.context(); }
  HeadlessDesktop desktop;
  TsimForm form{desktop};
};

TEST_F(DispatcherTest, ReportCodesShowTheirTexts) {
  struct Row {
    int code;
    const char* message_text;  // UTF-8, converted to CP932 for MessageText
    const char* status;
    const char* box;  // nullptr: no box
  };
  const Row rows[] = {
      {0, "x", " ", nullptr},
      {103, "", " ? File Not Open: tky2jgd.par", "tky2jgd.par が不明です。\nDorx.par が作成できませんでした。"},
      {105, "", " ? File Not Open: Dorx.par", "Dorx.par が作成できませんでした。"},
      {109, "", kUnchanged, nullptr},
      {111, "", " ? File Not Open: ant.txt", nullptr},
      {113, "Write: C:\\a\\Dorx.$=$", " ? File Not Open: Write: C:\\a\\Dorx.$=$", nullptr},
      {115, "Read: /r/a.dorx", " ? File Not Open: Read: /r/a.dorx", nullptr},
      {117, "", " ? File Not Open: Dorx.kml", "Dorx.kml が不明です。\nKMLを作成できません。"},
      {119, "Write: /r/a.sx.kml", " ? File Not Open: Write: /r/a.sx.kml", nullptr},
      {121, "", " ? File Not Open: /p/富士山.xix", "ファイルを作成できません。"},
      {1001, "/p/富士山.xix", "/p/富士山.xix", nullptr},
      {1003, "", kUnchanged, "データが不正です。"},
      {1005, "", "　処理中...", nullptr},
      {1011, "[緯度: 35゜42' 18.40\"]", "[緯度: 35゜42' 18.40\"]", nullptr},
      {1013, "", "　処理中...", nullptr},
      {4999, "", kUnchanged, nullptr},
      {5002, "", kUnchanged, nullptr},
  };
  for (const Row& row : rows) {
    SetUp();
    desktop.boxes.clear();
    ctx().params.Antenna_Pattern_File = "ant.txt";
    ctx().ProjectFilePath = "/p/富士山.xix";
    ctx().SetMessageText(Sjis(row.message_text));
    form.ShowMessageCode(row.code);
    EXPECT_EQ(desktop.status_text, row.status) << row.code;
    if (row.box) {
      ASSERT_EQ(desktop.boxes.size(), 1u) << row.code;
      EXPECT_EQ(desktop.boxes[0].text, row.box) << row.code;
      EXPECT_FALSE(desktop.boxes[0].question) << row.code;
    } else {
      EXPECT_TRUE(desktop.boxes.empty()) << row.code;
    }
  }
}

TEST_F(DispatcherTest, CodeZeroClearsMessageTextEvenWhenTheLineIsAlreadyBlank) {
  form.ShowMessageCode(0);
  ctx().SetMessageText("left over");
  form.ShowMessageCode(0);
  EXPECT_EQ(desktop.status_text, " ");
  EXPECT_TRUE(ctx().MessageText.empty());
}

TEST_F(DispatcherTest, DatumQuestionRecordsTheAnswer) {
  const std::string question = "Dorx.par が不明です。\ntky2jgd.par から Dorx.par を作成しますか？";
  desktop.answers = {true};
  form.ShowMessageCode(101);
  EXPECT_EQ(ctx().DatumTableAnswer, 1);
  ASSERT_EQ(desktop.boxes.size(), 1u);  // Yes: no second box
  EXPECT_TRUE(desktop.boxes[0].question);
  EXPECT_EQ(desktop.boxes[0].text, question);
  EXPECT_EQ(desktop.status_text, " ? File Not Open: Dorx.par");

  desktop.boxes.clear();
  desktop.answers = {false};
  form.ShowMessageCode(101);
  EXPECT_EQ(ctx().DatumTableAnswer, -1);
  ASSERT_EQ(desktop.boxes.size(), 2u);
  EXPECT_EQ(desktop.boxes[1].text, "日本測地系で処理を行います。");
  EXPECT_FALSE(desktop.boxes[1].question);
}

TEST_F(DispatcherTest, FailedConversionAndWriteSetTheirAnswers) {
  form.ShowMessageCode(103);
  EXPECT_EQ(ctx().DatumTableAnswer, -3);
  form.ShowMessageCode(105);
  EXPECT_EQ(ctx().DatumTableAnswer, -5);
  form.ShowMessageCode(1005);  // other codes keep the answer
  EXPECT_EQ(ctx().DatumTableAnswer, -5);
}

TEST_F(DispatcherTest, TheQuestionQuotesTheParameterFileOfTheSettings) {
  ctx().settings.TKY2JGD_Parameter = Sjis("変換.par");
  form.ShowMessageCode(101);
  EXPECT_EQ(desktop.boxes.at(0).text, "Dorx.par が不明です。\n変換.par から Dorx.par を作成しますか？");
}

TEST_F(DispatcherTest, MissingSettingsEndTheProgramWithStatusZeroAfterTheBox) {
  form.ShowMessageCode(107);
  EXPECT_EQ(desktop.status_text, " ? File Not Open: Dorx.ini");
  ASSERT_EQ(desktop.boxes.size(), 1u);
  EXPECT_EQ(desktop.boxes[0].text, "Dorx.ini が不明です。　Dorx を終了します。");
  EXPECT_EQ(desktop.end_status, 0);
  EXPECT_TRUE(form.ending());
}

TEST_F(DispatcherTest, ProgressTextsOncePerRowOrColumn) {
  struct Row {
    int code;
    int flood_mode;
    int coarse;
    int a;
    int b;
    const char* status;
    const char* source;
  };
  const Row rows[] = {
      {5001, 0, 1, 1, 7, "[Map] 7  [5339]", "terrain row 7 with the tile text"},
      {5001, 0, 1, 0, 7, kUnchanged, "not at the column of Coarse"},
      {5001, 0, 2, -2, 9, "[Map] 9  [5339]", "|a| is compared with Coarse"},
      {5003, 0, 1, 1, 4, "[Map] 4", "geometry"},
      {5007, 0, 1, 1, 4, "[Map] 4", "anomaly rows"},
      {5009, 0, 1, 6, 1, "[Map] 6", "anomaly columns: the column once per column"},
      {5009, 0, 1, 1, 6, kUnchanged, "anomaly columns look at b"},
      {5005, 0, 1, 1, 3, "[Dorx] 3", "field strength row"},
      {5005, 1, 2, 2, 2, "[Dorw] 2", "flood, both at Coarse: the second text wins"},
      {5005, 0, 2, 5, 2, "[Dorx] 5", "only b at Coarse"},
      {5013, 1, 1, 1, 8, "[Dorw] 8", "drawing ramp in flood mode"},
      {5011, 0, 1, 1, 8, kUnchanged, "the other drawing codes show nothing"},
      {5031, 0, 1, 1, 1, kUnchanged, "preview"},
  };
  for (const Row& row : rows) {
    SetUp();
    ctx().FloodMode = row.flood_mode;
    ctx().params.Coarse = static_cast<int8_t>(row.coarse);
    ctx().SetMessageText("[5339]");
    form.ShowMessageCode(row.code, row.a, row.b);
    EXPECT_EQ(desktop.status_text, row.status) << row.source;
  }
}

TEST_F(DispatcherTest, ExtremeCellNumbersDoNotOverflowTheComparison) {
  ctx().params.Coarse = -128;
  form.ShowMessageCode(5003, INT32_MIN, 1);
  EXPECT_EQ(desktop.status_text, kUnchanged);
}

// A 20 x 20 map of one pixel per cell, ImageMAP reset, a record of 100 m.
class PaintingForwardTest : public DispatcherTest {
 protected:
  void SetUp() override {
    DispatcherTest::SetUp();
    ProjectParameters& p = ctx().params;
    p.Range_North = p.Range_South = p.Range_East = p.Range_West = 10;
    MapGeometry& g = ctx().geometry;
    g.ImageHeight = g.ImageWidth = 20;
    g.CellsPerPixelX = g.CellsPerPixelY = 1;
    ResetLayer(form.render().pictures, kLayerMAP, 20, 20);
    ResetLayer(form.render().pictures, kLayerSIM, 20, 20);
    ctx().store.CurrentRecord.Clear();
    ctx().store.CurrentRecord.slot[0] = 1000;
  }
  CanvasColour MapPixelOfCorner() { return form.render().pictures.ImageMAP.picture().Pixel(0, 19); }
};

TEST_F(PaintingForwardTest, PaintingCodesReachTheCellPainter) {
  form.ShowMessageCode(5011, 0, 0);  // the south-west cell: pixel (0, 19)
  EXPECT_NE(MapPixelOfCorner(), kWhite);
}

TEST_F(PaintingForwardTest, AnomalyCodesAreNotPainted) {
  form.ShowMessageCode(5007, 0, 0);
  form.ShowMessageCode(5009, 0, 0);
  EXPECT_EQ(MapPixelOfCorner(), kWhite);
  EXPECT_FALSE(form.render().pictures.ImageSIM.materialised());
}

TEST_F(DispatcherTest, ReportCodesAlwaysLetTheWindowCatchUpButCellsOnlyByTime) {
  // An interval no test run reaches: only the first cell is due.
  form.SetEventInterval(std::chrono::hours(1));
  form.ShowMessageCode(1005);
  form.ShowMessageCode(1005);
  EXPECT_EQ(desktop.pending_event_calls, 2);
  for (int a = 0; a < 100; ++a) form.ShowMessageCode(5007, a, 0);
  EXPECT_EQ(desktop.pending_event_calls, 3);
  form.ShowMessageCode(0);
  EXPECT_EQ(desktop.pending_event_calls, 4);
  EXPECT_EQ(form.last_progress().code, 5007);
  EXPECT_EQ(form.last_progress().a, 99);

  form.SetEventInterval({});  // every cell
  for (int a = 0; a < 10; ++a) form.ShowMessageCode(5003, a, 0);
  EXPECT_EQ(desktop.pending_event_calls, 14);
}

TEST(EventThrottle, DueAtFirstAndThenOncePerInterval) {
  using namespace std::chrono;
  EventThrottle throttle(milliseconds(40));
  const EventThrottle::Clock::time_point t0{seconds(100)};
  EXPECT_TRUE(throttle.Due(t0));
  EXPECT_FALSE(throttle.Due(t0 + milliseconds(39)));
  EXPECT_TRUE(throttle.Due(t0 + milliseconds(40)));
  EXPECT_FALSE(throttle.Due(t0 + milliseconds(79)));  // measured from the last due time
  EXPECT_TRUE(throttle.Due(t0 + milliseconds(80)));
}

}  // namespace
}  // namespace dorx
