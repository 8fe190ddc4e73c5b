// The map's mouse operations: when they act, what they draw and which
// pictures they show.
#include <gtest/gtest.h>

#include "render/cursor_fixture.h"
#include "render/cursor_mouse.h"

namespace dorx {
namespace {

using test::DrawnResult;
using test::RgbAt;

constexpr int kReadoutText = 1011;
constexpr CanvasColour kMapColour = 0x563412;  // RGB 123456 on the canvas

// 160 x 120 pixels for 8 x 6 cells: the station at pixel (60, 80); the
// composed map is one colour.
struct MouseMap : DrawnResult {
  MouseMap() : DrawnResult({3, 5, 2, 4}, 160.0, 120.0) {
    WriteResult();
    rs.pictures.ComposedBitmap.Fill(kMapColour);
  }
};

TEST(CursorMouseMove, ActsOnlyOnADrawnMapOutsideARun) {
  struct Row {
    bool image_ready, cursor_tracking, run_active, acts;
  };
  const Row rows[] = {
      {true, true, false, true},
      {false, true, false, false},
      {true, false, false, false},  // inside a click
      {true, true, true, false},    // a calculation run holds the cell store
  };
  for (const Row& row : rows) {
    MouseMap r;
    r.ctx.ImageReady = row.image_ready;
    r.ctx.CursorTracking = row.cursor_tracking;
    MouseMoveOverMap(r.ctx, r.rs, r.sink, row.run_active, 70, 70);
    EXPECT_EQ(!r.sink.messages.empty(), row.acts);
    EXPECT_EQ(r.rs.cursor.X == 70 && r.rs.cursor.Y == 70, row.acts);
    EXPECT_EQ(r.rs.pictures.ImageCSR.materialised(), row.acts);
  }
}

TEST(CursorMouseMove, RedrawsTheMapUnderTheReadout) {
  MouseMap r;
  r.rs.pictures.ImageCSR.picture().SetPixel(150, 10, kBlack);  // a line of the last readout
  MouseMoveOverMap(r.ctx, r.rs, r.sink, false, 70, 70);
  const Bitmap& csr = r.rs.pictures.ImageCSR.picture();
  EXPECT_EQ(RgbAt(csr, 150, 10), 0x123456u);
  EXPECT_EQ(RgbAt(csr, 65, 75), 0x0000FFu);  // the blue line to the cursor, half way
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0].code, kReadoutText);
  EXPECT_EQ(r.rs.pictures.ImageSEC.width(), 0);  // no section without "連続"
}

TEST(CursorMouseMove, DrawsTheGridWhenChosen) {
  MouseMap r;
  r.rs.view.grid = true;
  MouseMoveOverMap(r.ctx, r.rs, r.sink, false, 70, 70);
  // The grid lines numbered 0 run through the station's row and column.
  EXPECT_EQ(RgbAt(r.rs.pictures.ImageCSR.picture(), 150, 80), 0xC0C0C0u);
  EXPECT_EQ(RgbAt(r.rs.pictures.ImageCSR.picture(), 60, 50), 0xC0C0C0u);
}

TEST(CursorMouseMove, ContinuousModeDrawsTheSectionOnEveryMove) {
  MouseMap r;
  r.rs.view.move = true;
  MouseMoveOverMap(r.ctx, r.rs, r.sink, false, 70, 70);
  EXPECT_EQ(r.rs.pictures.ImageSEC.width(), 816);
  EXPECT_EQ(r.rs.pictures.ImageFIN.height(), 570);
  EXPECT_GT(r.rs.section.n, 0);
}

TEST(CursorMapClick, WithoutLineOfSightDisplayKeepsTheMapInView) {
  MouseMap r;
  r.rs.pictures.ImageCSR.visible = true;
  MouseMoveOverMap(r.ctx, r.rs, r.sink, false, 100, 40);
  r.sink.messages.clear();
  EXPECT_FALSE(ClickOnMap(r.ctx, r.rs, r.sink, false, MapScroll{30, 40}));
  EXPECT_TRUE(r.rs.pictures.ImageCSR.visible);
  EXPECT_FALSE(r.rs.pictures.ImageFIN.visible);
  EXPECT_TRUE(r.rs.pictures.ImageSEC.visible);
  EXPECT_EQ(r.rs.cursor.click_x, 100);
  EXPECT_EQ(r.rs.cursor.click_y, 40);
  EXPECT_EQ(r.rs.cursor.saved_scroll, MapScroll{});  // only kept when the chart is shown
  // The readout runs inside the click with CursorTracking clear; the flag is
  // set again at the end.
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0].code, kReadoutText);
  EXPECT_FALSE(r.sink.messages[0].cursor_tracking);
  EXPECT_TRUE(r.ctx.CursorTracking);
  EXPECT_EQ(r.rs.pictures.ImageSEC.width(), 816);
  // The click line now runs to the cursor in black (it covers the blue line).
  EXPECT_EQ(RgbAt(r.rs.pictures.ImageCSR.picture(), 80, 60), 0x000000u);
}

TEST(CursorMapClick, WithLineOfSightDisplayShowsTheChart) {
  MouseMap r;
  r.rs.view.fine = DisplayMode::kLine;
  r.rs.pictures.ImageCSR.visible = true;
  EXPECT_TRUE(ClickOnMap(r.ctx, r.rs, r.sink, false, MapScroll{30, 40}));
  EXPECT_FALSE(r.rs.pictures.ImageCSR.visible);
  EXPECT_TRUE(r.rs.pictures.ImageFIN.visible);
  EXPECT_EQ(r.rs.cursor.saved_scroll, (MapScroll{30, 40}));

  const std::optional<MapScroll> back = ClickOnChart(r.ctx, r.rs);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, (MapScroll{30, 40}));
  EXPECT_TRUE(r.rs.pictures.ImageCSR.visible);
  EXPECT_FALSE(r.rs.pictures.ImageFIN.visible);
  EXPECT_TRUE(r.ctx.CursorTracking);
}

TEST(CursorMapClick, ContinuousModeLeavesReadoutAndSectionToTheMoves) {
  MouseMap r;
  r.rs.view.move = true;
  r.rs.cursor.X = 90;
  r.rs.cursor.Y = 50;
  ClickOnMap(r.ctx, r.rs, r.sink, false, MapScroll{});
  EXPECT_TRUE(r.sink.messages.empty());
  EXPECT_EQ(r.rs.cursor.click_x, 90);
  EXPECT_EQ(r.rs.cursor.click_y, 50);
  EXPECT_EQ(r.rs.pictures.ImageSEC.width(), 0);
}

TEST(CursorMapClick, ActsOnlyOnADrawnMapOutsideARun) {
  for (const bool run_active : {false, true}) {
    MouseMap r;
    r.ctx.ImageReady = run_active;  // ready only while a run is active: never acts
    r.rs.cursor.X = 90;
    EXPECT_FALSE(ClickOnMap(r.ctx, r.rs, r.sink, run_active, MapScroll{}));
    EXPECT_TRUE(r.sink.messages.empty());
    EXPECT_EQ(r.rs.cursor.click_x, 0);
    EXPECT_FALSE(r.rs.pictures.ImageSEC.visible);
  }
  MouseMap r;
  r.ctx.ImageReady = false;
  r.ctx.CursorTracking = false;
  EXPECT_FALSE(ClickOnChart(r.ctx, r.rs).has_value());
  EXPECT_FALSE(r.ctx.CursorTracking);
}

}  // namespace
}  // namespace dorx
