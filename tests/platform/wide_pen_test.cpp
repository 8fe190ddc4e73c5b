// Pens wider than one pixel: lines cover the pixel centres within half the
// width of the segment (round ends, both ends covered); frames and ellipse
// outlines are bands of that width inside their box. Widths below 1 draw as 1.
#include <gtest/gtest.h>

#include <climits>

#include "platform/canvas.h"
#include "platform/wide_line_raster.h"
#include "picture_art.h"

namespace dorx {
namespace {

using test::Art;
using test::ArtOf;
using test::Crop;
using test::kInk;
using test::kSecond;

Bitmap Drawn(int width, int height, int pen_width, BrushStyle brush, void (*draw)(Canvas&)) {
  Bitmap b(width, height);
  CanvasState state;
  state.pen_colour = kInk;
  state.pen_width = pen_width;
  state.brush_colour = kSecond;
  state.brush_style = brush;
  Canvas canvas(b, state);
  draw(canvas);
  return b;
}

void AllShapes(Canvas& c) {
  c.Line(0, 0, 7, 3);
  c.Rectangle(1, 4, 6, 8);
  c.Ellipse(6, 1, 11, 8);
  c.Polygon({{2, 9}, {9, 9}, {5, 11}});
}

TEST(WidePen, WidthsBelowOneDrawAsOne) {
  for (BrushStyle brush : {BrushStyle::kSolid, BrushStyle::kClear}) {
    const Bitmap one = Drawn(12, 12, 1, brush, AllShapes);
    EXPECT_EQ(ArtOf(Drawn(12, 12, 0, brush, AllShapes)), ArtOf(one));
    EXPECT_EQ(ArtOf(Drawn(12, 12, -7, brush, AllShapes)), ArtOf(one));
    EXPECT_EQ(ArtOf(Drawn(12, 12, INT_MIN, brush, AllShapes)), ArtOf(one));
  }
}

TEST(WidePen, LinesOfEvenAndOddWidths) {
  struct Case {
    const char* why;
    int width;
    Point from, to;
    Art expected;  // 10 x 7
  };
  const Case cases[] = {
      // Even widths centre on the pixel corner above and left of each end point.
      {"width 2, horizontal", 2, {2, 3}, {6, 3},
       {"..........", "..........", ".######...", ".######...", "..........", "..........", ".........."}},
      {"width 2, vertical", 2, {4, 1}, {4, 4},
       {"...##.....", "...##.....", "...##.....", "...##.....", "...##.....", "..........", ".........."}},
      {"width 3, horizontal, both ends covered", 3, {2, 3}, {7, 3},
       {"..........", "..........", ".########.", ".########.", ".########.", "..........", ".........."}},
      {"width 4, round ends", 4, {3, 3}, {6, 3},
       {"..........", "..#####...", ".#######..", ".#######..", "..#####...", "..........", ".........."}},
      // Across a diagonal 3 pixels span 3 x sqrt(2) columns of a row.
      {"width 3, diagonal", 3, {1, 1}, {5, 5},
       {"###.......", "####......", "#####.....", ".#####....", "..#####...", "...####...", "....###..."}},
      {"width 5, no length", 5, {4, 3}, {4, 3},
       {"..........", "..........", "..........", "..........", "..........", "..........", ".........."}},
  };
  for (const Case& c : cases) {
    Bitmap b(10, 7);
    CanvasState state;
    state.pen_width = c.width;
    Canvas(b, state).Line(c.from.x, c.from.y, c.to.x, c.to.y);
    EXPECT_EQ(ArtOf(b), c.expected) << c.why;
  }
}

TEST(WidePen, LinesCoverTheSamePixelsBothWays) {
  const Point ends[][2] = {{{0, 0}, {9, 4}}, {{1, 7}, {8, 0}}, {{2, 0}, {5, 9}}, {{9, 9}, {0, 4}}, {{3, 1}, {7, 8}}};
  for (int width = 2; width <= 6; ++width) {
    for (const auto& e : ends) {
      Bitmap forward(12, 12), backward(12, 12);
      DrawWideLinePixels(forward, e[0], e[1], width, kInk);
      DrawWideLinePixels(backward, e[1], e[0], width, kInk);
      EXPECT_EQ(ArtOf(forward), ArtOf(backward)) << "width " << width;
    }
  }
}

TEST(WidePen, ClippingKeepsThePixelsOfTheWholeLine) {
  const Point ends[][2] = {{{-37, -11}, {45, 29}}, {{4, -60}, {7, 70}}, {{-20, 15}, {30, -9}},
                           {{-5, 3}, {2, 3}},      {{-30, -30}, {-1, 40}}, {{12, 2}, {40, 9}}};
  constexpr int kOffset = 100;
  for (int width : {2, 3, 6}) {
    for (const auto& e : ends) {
      Bitmap whole(10 + 2 * kOffset, 8 + 2 * kOffset);
      DrawWideLinePixels(whole, {e[0].x + kOffset, e[0].y + kOffset}, {e[1].x + kOffset, e[1].y + kOffset},
                         width, kInk);
      Bitmap clipped(10, 8);
      DrawWideLinePixels(clipped, e[0], e[1], width, kInk);
      EXPECT_EQ(ArtOf(clipped), ArtOf(Crop(whole, kOffset, kOffset, 10, 8)))
          << "width " << width << ": " << e[0].x << "," << e[0].y << " " << e[1].x << "," << e[1].y;
    }
  }
}

TEST(WidePen, ExtremeCoordinatesAndWidthsAreSafeAndExact) {
  Bitmap band(6, 7);
  DrawWideLinePixels(band, {INT_MIN, 3}, {INT_MAX, 3}, 3, kInk);
  EXPECT_EQ(ArtOf(band), (Art{"......", "......", "######", "######", "######", "......", "......"}));

  Bitmap diagonal(5, 5);
  DrawWideLinePixels(diagonal, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 3, kInk);
  EXPECT_EQ(ArtOf(diagonal), (Art{"###..", "####.", "#####", ".####", "..###"}));  // |x - y| <= 2

  // A pen wider than the picture: everything within reach is covered.
  Bitmap covered(5, 4);
  DrawWideLinePixels(covered, {-1000, -1000}, {1000, 1000}, INT_MAX, kInk);
  EXPECT_EQ(ArtOf(covered), (Art{"#####", "#####", "#####", "#####"}));

  Bitmap beside(5, 4);
  DrawWideLinePixels(beside, {INT_MIN, -3}, {INT_MAX, -3}, 4, kInk);  // reaches rows -5 to -2
  DrawWideLinePixels(beside, {INT_MIN, INT_MAX - 10}, {INT_MAX - 10, INT_MIN}, 6, kInk);  // x + y = -12
  EXPECT_EQ(ArtOf(beside), (Art{".....", ".....", ".....", "....."}));
}

TEST(WidePen, FramesAreBandsOfThePenWidthInsideTheBox) {
  struct Case {
    const char* why;
    int width;
    BrushStyle brush;
    int left, top, right, bottom;
    Art expected;  // 9 x 8
  };
  const Case cases[] = {
      {"width 2, solid brush", 2, BrushStyle::kSolid, 1, 1, 8, 7,
       {".........", ".#######.", ".#######.", ".##ooo##.", ".##ooo##.", ".#######.", ".#######.", "........."}},
      {"width 2, clear brush", 2, BrushStyle::kClear, 1, 1, 8, 7,
       {".........", ".#######.", ".#######.", ".##...##.", ".##...##.", ".#######.", ".#######.", "........."}},
      {"a box narrower than two pen widths is all pen", 3, BrushStyle::kSolid, 1, 1, 6, 8,
       {".........", ".#####...", ".#####...", ".#####...", ".#####...", ".#####...", ".#####...", ".#####..."}},
      {"corners the other way round", 2, BrushStyle::kClear, 8, 7, 1, 1,
       {".........", ".#######.", ".#######.", ".##...##.", ".##...##.", ".#######.", ".#######.", "........."}},
  };
  for (const Case& c : cases) {
    Bitmap b(9, 8);
    CanvasState state;
    state.pen_width = c.width;
    state.brush_colour = kSecond;
    state.brush_style = c.brush;
    Canvas(b, state).Rectangle(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(ArtOf(b), c.expected) << c.why;
  }
}

// Whatever the width, outline and inside together cover the shape of the box,
// and the inside of a pen w wide is the inside of the box shrunk by w - 1.
TEST(WidePen, EllipseOutlinesGrowInwards) {
  for (int size : {5, 8, 13, 16}) {
    const auto draw = [&](int pen_width, int inset) {
      Bitmap b(size, size);
      CanvasState state;
      state.pen_width = pen_width;
      state.brush_colour = kSecond;
      Canvas(b, state).Ellipse(inset, inset, size - inset, size - inset);
      return b;
    };
    const Bitmap thin = draw(1, 0);
    for (int width = 2; 2 * (width - 1) < size; ++width) {
      const Bitmap wide = draw(width, 0);
      const Bitmap shrunk = draw(1, width - 1);
      for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
          EXPECT_EQ(wide.Pixel(x, y) == kWhite, thin.Pixel(x, y) == kWhite) << size << " w" << width;
          EXPECT_EQ(wide.Pixel(x, y) == kSecond, shrunk.Pixel(x, y) == kSecond) << size << " w" << width;
        }
      }
    }
  }
  Bitmap b(9, 9);
  CanvasState state;
  state.pen_width = 2;
  state.brush_colour = kSecond;
  Canvas(b, state).Ellipse(0, 0, 9, 9);
  EXPECT_EQ(ArtOf(b), (Art{"...###...", ".#######.", ".##ooo##.", "##ooooo##", "##ooooo##", "##ooooo##",
                           ".##ooo##.", ".#######.", "...###..."}));
}

TEST(WidePen, PolygonOutlinesUseTheWidePen) {
  Bitmap polygon(10, 9), lines(10, 9);
  CanvasState a, b;
  a.pen_width = b.pen_width = 3;
  a.brush_style = b.brush_style = BrushStyle::kClear;
  Canvas(polygon, a).Polygon({{2, 2}, {7, 2}, {4, 6}});
  Canvas c(lines, b);
  c.Line(2, 2, 7, 2);
  c.Line(7, 2, 4, 6);
  c.Line(4, 6, 2, 2);
  EXPECT_EQ(ArtOf(polygon), ArtOf(lines));
  EXPECT_EQ(polygon.Pixel(8, 2), kInk);  // the round end reaches past the corner
}

}  // namespace
}  // namespace dorx
