// The one-pixel line: start included, end excluded, one pixel per step along
// the longer axis, across it the pixel nearest to the exact line with a tie
// going to the smaller coordinate.
#include <gtest/gtest.h>

#include <climits>

#include "platform/canvas.h"
#include "platform/line_raster.h"
#include "picture_art.h"

namespace dorx {
namespace {

using test::Art;
using test::ArtOf;
using test::Crop;
using test::kInk;

struct LineCase {
  const char* why;
  Point from, to;
  Art expected;  // 7 x 5 picture
};

const LineCase kLines[] = {
    {"horizontal to the right", {1, 1}, {5, 1}, {".......", ".####..", ".......", ".......", "......."}},
    {"horizontal to the left", {5, 1}, {1, 1}, {".......", "..####.", ".......", ".......", "......."}},
    {"vertical downwards", {2, 0}, {2, 4}, {"..#....", "..#....", "..#....", "..#....", "......."}},
    {"vertical upwards", {2, 4}, {2, 0}, {".......", "..#....", "..#....", "..#....", "..#...."}},
    {"diagonal down right", {0, 0}, {4, 4}, {"#......", ".#.....", "..#....", "...#...", "......."}},
    {"diagonal down left", {4, 0}, {0, 4}, {"....#..", "...#...", "..#....", ".#.....", "......."}},
    {"diagonal up right", {0, 4}, {4, 0}, {".......", "...#...", "..#....", ".#.....", "#......"}},
    {"shallow, slope 1/3", {0, 0}, {6, 2}, {"##.....", "..###..", ".....#.", ".......", "......."}},
    {"shallow with a tie at the middle", {0, 0}, {4, 1}, {"###....", "...#...", ".......", ".......", "......."}},
    {"the same line backwards", {4, 1}, {0, 0}, {".##....", "...##..", ".......", ".......", "......."}},
    {"shallow upwards to the left", {6, 3}, {0, 1}, {".......", ".#.....", "..###..", ".....##", "......."}},
    {"steep with a tie", {0, 0}, {1, 4}, {"#......", "#......", "#......", ".#.....", "......."}},
    {"steep upwards to the left", {3, 4}, {1, 0}, {".......", ".#.....", "..#....", "..#....", "...#..."}},
    {"steep downwards to the left", {5, 0}, {3, 3}, {".....#.", "....#..", "....#..", ".......", "......."}},
    {"one step", {3, 3}, {4, 3}, {".......", ".......", ".......", "...#...", "......."}},
    {"no length", {3, 3}, {3, 3}, {".......", ".......", ".......", ".......", "......."}},
};

TEST(LineRule, PixelsOfEachOctantWithTheEndPointExcluded) {
  for (const LineCase& c : kLines) {
    Bitmap b(7, 5);
    CanvasState state;
    Canvas(b, state).Line(c.from.x, c.from.y, c.to.x, c.to.y);
    EXPECT_EQ(ArtOf(b), c.expected) << c.why;
  }
}

// Apart from the excluded ends, a line covers the same pixels both ways.
TEST(LineRule, BothDirectionsCoverTheSamePixelsApartFromTheirEnds) {
  const Point ends[][2] = {{{0, 0}, {9, 4}}, {{1, 7}, {8, 0}}, {{2, 0}, {5, 9}}, {{0, 3}, {9, 6}},
                           {{9, 9}, {0, 4}}, {{3, 1}, {7, 8}}};
  for (const auto& e : ends) {
    Bitmap forward(10, 10), backward(10, 10);
    DrawLinePixels(forward, e[0], e[1], kInk);
    forward.SetPixel(e[1].x, e[1].y, kInk);
    DrawLinePixels(backward, e[1], e[0], kInk);
    backward.SetPixel(e[0].x, e[0].y, kInk);
    EXPECT_EQ(ArtOf(forward), ArtOf(backward)) << e[0].x << "," << e[0].y << " " << e[1].x << "," << e[1].y;
  }
}

TEST(LineRule, ThePenMovesToTheEndOfEveryLine) {
  Bitmap b(5, 4);
  CanvasState state;
  Canvas canvas(b, state);
  canvas.MoveTo(0, 0);
  canvas.LineTo(3, 0);
  canvas.LineTo(3, 3);
  EXPECT_EQ(state.pen_position, (Point{3, 3}));
  EXPECT_EQ(ArtOf(b), (Art{"####.", "...#.", "...#.", "....."}));  // the corner comes from the second line
}

TEST(LineRule, DrawsInThePenColour) {
  Bitmap b(3, 1);
  CanvasState state;
  state.pen_colour = kBlue;
  state.font_colour = kBlack;
  Canvas(b, state).Line(0, 0, 3, 0);
  EXPECT_EQ(ArtOf(b), (Art{"ooo"}));
}

// A line whose ends lie outside the picture sets exactly the pixels that the
// same line sets inside a bigger picture that holds it whole.
TEST(LineRule, ClippingKeepsThePixelsOfTheWholeLine) {
  const Point ends[][2] = {{{-37, -11}, {45, 29}}, {{45, 29}, {-37, -11}}, {{4, -60}, {7, 70}},
                           {{-20, 15}, {30, -9}}, {{-5, 3}, {2, 3}},      {{5, -3}, {5, 20}},
                           {{-30, -30}, {-1, 40}}, {{11, 2}, {40, 9}}};
  constexpr int kOffset = 100;
  for (const auto& e : ends) {
    Bitmap whole(10 + 2 * kOffset, 8 + 2 * kOffset);
    DrawLinePixels(whole, {e[0].x + kOffset, e[0].y + kOffset}, {e[1].x + kOffset, e[1].y + kOffset}, kInk);
    Bitmap clipped(10, 8);
    DrawLinePixels(clipped, e[0], e[1], kInk);
    EXPECT_EQ(ArtOf(clipped), ArtOf(Crop(whole, kOffset, kOffset, 10, 8)))
        << e[0].x << "," << e[0].y << " " << e[1].x << "," << e[1].y;
  }
}

TEST(LineRule, ExtremeCoordinatesAreSafeAndExact) {
  Bitmap row(6, 4);
  DrawLinePixels(row, {INT_MIN, 2}, {INT_MAX, 2}, kInk);
  EXPECT_EQ(ArtOf(row), (Art{"......", "......", "######", "......"}));

  Bitmap column(4, 6);
  DrawLinePixels(column, {1, INT_MAX}, {1, INT_MIN}, kInk);
  EXPECT_EQ(ArtOf(column), (Art{".#..", ".#..", ".#..", ".#..", ".#..", ".#.."}));

  // From corner to corner of the coordinate range: slope 1 through (0, 0).
  Bitmap diagonal(4, 4);
  DrawLinePixels(diagonal, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, kInk);
  EXPECT_EQ(ArtOf(diagonal), (Art{"#...", ".#..", "..#.", "...#"}));

  // Lines that pass beside the picture leave it white.
  Bitmap untouched(4, 4);
  DrawLinePixels(untouched, {INT_MIN, -1}, {INT_MAX, -1}, kInk);
  DrawLinePixels(untouched, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, kInk);
  DrawLinePixels(untouched, {4, INT_MIN}, {4, INT_MAX}, kInk);
  EXPECT_EQ(ArtOf(untouched), (Art{"....", "....", "....", "...."}));

  Bitmap empty;
  DrawLinePixels(empty, {0, 0}, {5, 5}, kInk);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace dorx
