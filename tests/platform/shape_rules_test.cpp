// Filled rectangles exclude their right and bottom edges; frames and ellipses
// lie inside their box; polygons close and fill by the even-odd rule.
#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>

#include "platform/canvas.h"
#include "platform/ellipse_raster.h"
#include "platform/polygon_raster.h"
#include "picture_art.h"

namespace dorx {
namespace {

using test::Art;
using test::ArtOf;
using test::Crop;
using test::kInk;
using test::kSecond;

// Pen in the ink colour, brush in the second colour.
struct Drawing {
  Drawing(int width, int height, BrushStyle brush) : bitmap(width, height) {
    state.pen_colour = kInk;
    state.brush_colour = kSecond;
    state.brush_style = brush;
  }
  Canvas canvas() { return Canvas(bitmap, state); }
  Bitmap bitmap;
  CanvasState state;
};

TEST(FillRect, ExcludesTheRightAndBottomEdgesAndOrdersTheCorners) {
  struct Case {
    const char* why;
    int left, top, right, bottom;
    Art expected;
  };
  const Case cases[] = {
      {"inside", 1, 1, 4, 3, {"......", ".ooo..", ".ooo..", "......"}},
      {"corners given the other way round", 4, 3, 1, 1, {"......", ".ooo..", ".ooo..", "......"}},
      {"mixed corners", 4, 1, 1, 3, {"......", ".ooo..", ".ooo..", "......"}},
      {"one pixel", 2, 2, 3, 3, {"......", "......", "..o...", "......"}},
      {"no width", 2, 0, 2, 4, {"......", "......", "......", "......"}},
      {"no height", 0, 3, 6, 3, {"......", "......", "......", "......"}},
      {"over the top-left corner", -5, -5, 2, 2, {"oo....", "oo....", "......", "......"}},
      {"over the bottom-right corner", 4, 2, 100, 100, {"......", "......", "....oo", "....oo"}},
      {"the whole coordinate range", INT_MIN, INT_MIN, INT_MAX, INT_MAX, {"oooooo", "oooooo", "oooooo", "oooooo"}},
      {"beside the picture", 6, 0, 9, 4, {"......", "......", "......", "......"}},
  };
  for (const Case& c : cases) {
    Drawing d(6, 4, BrushStyle::kClear);  // FillRect fills whatever the brush style
    d.canvas().FillRect(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(ArtOf(d.bitmap), c.expected) << c.why;
  }
  Drawing d(3, 2, BrushStyle::kSolid);
  d.canvas().FillRect(0, 0, 2, 1, kInk);  // the given colour, not the brush's
  EXPECT_EQ(ArtOf(d.bitmap), (Art{"##.", "..."}));
}

TEST(Rectangle, FramesTheBoxInsideItAndFillsOnlyWithASolidBrush) {
  struct Case {
    const char* why;
    BrushStyle brush;
    int left, top, right, bottom;
    Art expected;
  };
  const Case cases[] = {
      {"clear brush: frame only", BrushStyle::kClear, 1, 1, 6, 5,
       {".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}},
      {"solid brush: frame and inside", BrushStyle::kSolid, 1, 1, 6, 5,
       {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
      {"corners the other way round", BrushStyle::kSolid, 6, 5, 1, 1,
       {".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}},
      {"two pixels wide: no inside", BrushStyle::kSolid, 2, 1, 4, 5,
       {".......", "..##...", "..##...", "..##...", "..##...", "......."}},
      {"one pixel high", BrushStyle::kSolid, 1, 2, 5, 3,
       {".......", ".......", ".####..", ".......", ".......", "......."}},
      {"no width", BrushStyle::kSolid, 3, 0, 3, 6,
       {".......", ".......", ".......", ".......", ".......", "......."}},
      {"over the top-left corner", BrushStyle::kSolid, -2, -2, 3, 3,
       {"oo#....", "oo#....", "###....", ".......", ".......", "......."}},
      {"the picture's own size", BrushStyle::kClear, 0, 0, 7, 6,
       {"#######", "#.....#", "#.....#", "#.....#", "#.....#", "#######"}},
      {"around the picture", BrushStyle::kClear, -1, -1, 8, 7,
       {".......", ".......", ".......", ".......", ".......", "......."}},
  };
  for (const Case& c : cases) {
    Drawing d(7, 6, c.brush);
    d.canvas().Rectangle(c.left, c.top, c.right, c.bottom);
    EXPECT_EQ(ArtOf(d.bitmap), c.expected) << c.why;
  }
}

// Ellipses of small boxes, pixel by pixel: outline '#', inside 'o'. The box
// is drawn at (1, 1) so that the white margin shows that nothing leaves it.
TEST(Ellipse, SmallBoxesGiveTheseExactPixels) {
  struct Case {
    int width, height;
    Art expected;
  };
  const Case cases[] = {
      {1, 1, {"...", ".#.", "..."}},
      {2, 2, {"....", ".##.", ".##.", "...."}},
      {3, 3, {".....", "..#..", ".#o#.", "..#..", "....."}},
      {4, 4, {"......", "..##..", ".#oo#.", ".#oo#.", "..##..", "......"}},
      {5, 5, {".......", "..###..", ".#ooo#.", ".#ooo#.", ".#ooo#.", "..###..", "......."}},
      {6, 6, {"........", "..####..", ".#oooo#.", ".#oooo#.", ".#oooo#.", ".#oooo#.", "..####..", "........"}},
      {7, 7, {".........", "...###...", "..#ooo#..", ".#ooooo#.", ".#ooooo#.", ".#ooooo#.", "..#ooo#..",
              "...###...", "........."}},
      {7, 4, {".........", "..#####..", ".#ooooo#.", ".#ooooo#.", "..#####..", "........."}},
      {10, 3, {"............", "..########..", ".#oooooooo#.", "..########..", "............"}},
      {5, 1, {".......", ".#####.", "......."}},
      {1, 4, {"...", ".#.", ".#.", ".#.", ".#.", "..."}},
      {2, 5, {"....", ".##.", ".##.", ".##.", ".##.", ".##.", "...."}},
  };
  for (const Case& c : cases) {
    Drawing d(c.width + 2, c.height + 2, BrushStyle::kSolid);
    d.canvas().Ellipse(1, 1, 1 + c.width, 1 + c.height);
    EXPECT_EQ(ArtOf(d.bitmap), c.expected) << c.width << " x " << c.height;
  }
}

// The midpoint circle algorithm, written here from its textbook form, as an
// independent account of the outline of a circle in an odd square box.
std::set<std::pair<int, int>> MidpointCircle(int cx, int cy, int r) {
  std::set<std::pair<int, int>> pixels;
  int x = 0, y = r, d = 1 - r;
  while (x <= y) {
    for (const auto& [px, py] : {std::pair{x, y}, {y, x}})
      for (int sx : {-1, 1})
        for (int sy : {-1, 1}) pixels.insert({cx + sx * px, cy + sy * py});
    if (d < 0) {
      d += 2 * x + 3;
    } else {
      d += 2 * (x - y) + 5;
      --y;
    }
    ++x;
  }
  return pixels;
}

TEST(Ellipse, CirclesInOddBoxesAreTheMidpointCircles) {
  for (int r = 0; r <= 30; ++r) {
    Drawing d(2 * r + 3, 2 * r + 3, BrushStyle::kClear);
    d.canvas().Ellipse(1, 1, 2 * r + 2, 2 * r + 2);
    std::set<std::pair<int, int>> drawn;
    for (int y = 0; y < d.bitmap.height(); ++y)
      for (int x = 0; x < d.bitmap.width(); ++x)
        if (d.bitmap.Pixel(x, y) == kInk) drawn.insert({x, y});
    EXPECT_EQ(drawn, MidpointCircle(r + 1, r + 1, r)) << "radius " << r;
  }
}

TEST(Ellipse, EveryBoxGivesAShapeSymmetricAboutBothAxesThatTouchesAllFourEdges) {
  for (int w = 1; w <= 14; ++w) {
    for (int h = 1; h <= 14; ++h) {
      Drawing d(w, h, BrushStyle::kSolid);
      d.canvas().Ellipse(0, 0, w, h);
      const Art art = ArtOf(d.bitmap);
      bool top = false, bottom = false, left = false, right = false, symmetric = true;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const char c = art[y][x];
          symmetric = symmetric && c == art[y][w - 1 - x] && c == art[h - 1 - y][x];
          if (c == '#') {
            top = top || y == 0;
            bottom = bottom || y == h - 1;
            left = left || x == 0;
            right = right || x == w - 1;
          }
        }
      }
      EXPECT_TRUE(symmetric && top && bottom && left && right) << w << " x " << h;
    }
  }
}

TEST(Ellipse, ClearBrushLeavesTheInsideAndEmptyBoxesDrawNothing) {
  Drawing d(7, 7, BrushStyle::kClear);
  d.bitmap.Fill(kBlue);
  d.state.pen_colour = kBlack;
  d.canvas().Ellipse(0, 0, 7, 7);
  EXPECT_EQ(ArtOf(d.bitmap), (Art{"oo###oo", "o#ooo#o", "#ooooo#", "#ooooo#", "#ooooo#", "o#ooo#o", "oo###oo"}));

  Drawing empty(5, 5, BrushStyle::kSolid);
  empty.canvas().Ellipse(2, 2, 2, 2);  // the ring of radius 0 of a diagram
  empty.canvas().Ellipse(1, 1, 4, 1);
  empty.canvas().Ellipse(1, 1, 1, 4);
  EXPECT_EQ(ArtOf(empty.bitmap), (Art{".....", ".....", ".....", ".....", "....."}));

  Drawing reversed(7, 7, BrushStyle::kClear), ordered(7, 7, BrushStyle::kClear);
  reversed.canvas().Ellipse(6, 7, 0, 1);
  ordered.canvas().Ellipse(0, 1, 6, 7);
  EXPECT_EQ(reversed.bitmap, ordered.bitmap);
}

TEST(Ellipse, ClippedEllipsesKeepThePixelsOfTheWholeOne) {
  struct Box {
    int left, top, right, bottom;
  };
  const Box boxes[] = {{-6, -4, 9, 7}, {3, 5, 20, 30}, {-30, 2, 40, 6}, {-15, -15, 25, 25}, {5, -20, 8, 40}};
  constexpr int kOffset = 50;
  for (const Box& b : boxes) {
    for (BrushStyle brush : {BrushStyle::kSolid, BrushStyle::kClear}) {
      Drawing whole(10 + 2 * kOffset, 10 + 2 * kOffset, brush);
      whole.canvas().Ellipse(b.left + kOffset, b.top + kOffset, b.right + kOffset, b.bottom + kOffset);
      Drawing clipped(10, 10, brush);
      clipped.canvas().Ellipse(b.left, b.top, b.right, b.bottom);
      EXPECT_EQ(ArtOf(clipped.bitmap), ArtOf(Crop(whole.bitmap, kOffset, kOffset, 10, 10)))
          << b.left << "," << b.top << "," << b.right << "," << b.bottom;
    }
  }
}

// A box over the whole coordinate range: the picture lies deep inside.
TEST(Ellipse, TheLargestBoxIsSafeAndLeavesThePictureInside) {
  Drawing solid(4, 3, BrushStyle::kSolid);
  solid.canvas().Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(ArtOf(solid.bitmap), (Art{"oooo", "oooo", "oooo"}));
  Drawing clear(4, 3, BrushStyle::kClear);
  clear.canvas().Ellipse(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(ArtOf(clear.bitmap), (Art{"....", "....", "...."}));
  // The same box moved so that its left edge is the picture's first column.
  Drawing edge(4, 3, BrushStyle::kClear);
  edge.canvas().Ellipse(0, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(ArtOf(edge.bitmap), (Art{"#...", "#...", "#..."}));
}

TEST(Polygon, TheOutlineClosesAndEveryCornerIsDrawn) {
  Drawing d(12, 12, BrushStyle::kClear);
  const std::vector<Point> triangle = {{1, 1}, {10, 3}, {4, 10}};
  d.canvas().Polygon(triangle);
  Drawing lines(12, 12, BrushStyle::kClear);
  Canvas c = lines.canvas();
  c.Line(1, 1, 10, 3);
  c.Line(10, 3, 4, 10);
  c.Line(4, 10, 1, 1);
  EXPECT_EQ(ArtOf(d.bitmap), ArtOf(lines.bitmap));
  for (const Point& p : triangle) EXPECT_EQ(d.bitmap.Pixel(p.x, p.y), kInk) << p.x << "," << p.y;
}

TEST(Polygon, ASolidBrushFillsTheInsideUnderTheOutline) {
  Drawing d(7, 6, BrushStyle::kSolid);
  d.canvas().Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
  EXPECT_EQ(ArtOf(d.bitmap), (Art{".......", ".#####.", ".#ooo#.", ".#ooo#.", ".#####.", "......."}));
}

TEST(Polygon, FewPointsDrawOnlyTheirLines) {
  Drawing d(6, 3, BrushStyle::kSolid);
  d.canvas().Polygon({});
  d.canvas().Polygon({{2, 1}});
  EXPECT_EQ(ArtOf(d.bitmap), (Art{"......", "......", "......"}));
  d.canvas().Polygon({{1, 1}, {4, 1}});  // there and back: both ends drawn, nothing filled
  EXPECT_EQ(ArtOf(d.bitmap), (Art{"......", ".####.", "......"}));
}

// The fill alone: pixel centres inside by the even-odd rule, a pixel on a left
// edge inside, one on a right edge outside.
TEST(PolygonFill, FillsPixelCentresByTheEvenOddRule) {
  struct Case {
    const char* why;
    std::vector<Point> points;
    Art expected;  // 7 x 7
  };
  const Case cases[] = {
      {"right triangle", {{0, 0}, {6, 0}, {0, 6}},
       {"######.", "#####..", "####...", "###....", "##.....", "#......", "......."}},
      {"square, bottom row and right column left out", {{1, 1}, {5, 1}, {5, 5}, {1, 5}},
       {".......", ".####..", ".####..", ".####..", ".####..", ".......", "......."}},
      {"the same square backwards", {{1, 5}, {5, 5}, {5, 1}, {1, 1}},
       {".......", ".####..", ".####..", ".####..", ".####..", ".......", "......."}},
      {"crossed edges: the inner square of a bow tie pair is empty", {{0, 0}, {6, 0}, {6, 6}, {0, 6}, {0, 2}, {4, 2}, {4, 4}, {0, 4}, {0, 0}},
       {"######.", "######.", "....##.", "....##.", "######.", "######.", "......."}},
      {"flat: no rows", {{0, 3}, {6, 3}, {3, 3}}, {".......", ".......", ".......", ".......", ".......", ".......", "......."}},
      {"around the picture", {{-100, -100}, {100, -100}, {100, 100}, {-100, 100}},
       {"#######", "#######", "#######", "#######", "#######", "#######", "#######"}},
      {"over the whole coordinate range", {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}},
       {"#######", "#######", "#######", "#######", "#######", "#######", "#######"}},
      {"below the diagonal of the coordinate range", {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX}},
       {".......", "#......", "##.....", "###....", "####...", "#####..", "######."}},
  };
  for (const Case& c : cases) {
    Bitmap b(7, 7);
    FillPolygonPixels(b, c.points, kInk);
    EXPECT_EQ(ArtOf(b), c.expected) << c.why;
  }
}

}  // namespace
}  // namespace dorx
