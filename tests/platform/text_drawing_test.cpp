// Text is checked by position and colour, not by the shapes of the glyphs.
#include <gtest/gtest.h>

#include <climits>

#include "platform/canvas.h"
#include "platform/font_lookup.h"
#include "platform/text_renderer.h"
#include "picture_art.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::ArtOf;
using test::Crop;

constexpr CanvasColour kFont = FromRgbHex(0x123456);
constexpr CanvasColour kBrush = FromRgbHex(0xABCDEF);
constexpr CanvasColour kPen = FromRgbHex(0x00FF00);

struct InkBox {
  int count = 0;
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;  // inclusive
};

InkBox InkOf(const Bitmap& b, CanvasColour ink) {
  InkBox box;
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x)
      if (b.Pixel(x, y) == ink) {
        ++box.count;
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
  return box;
}

// Every pixel is white or one of the two colours.
bool OnlyColours(const Bitmap& b, CanvasColour a, CanvasColour c) {
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) {
      const CanvasColour p = b.Pixel(x, y);
      if (p != kWhite && p != a && p != c) return false;
    }
  return true;
}

class TextDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(TextRenderer::Shared().has_face()) << "fontconfig knows no scalable face";
  }
  Bitmap Draw(int width, int height, int x, int y, std::string_view text, BrushStyle brush) {
    Bitmap b(width, height);
    CanvasState state;
    state.font_colour = kFont;
    state.pen_colour = kPen;
    state.brush_colour = kBrush;
    state.brush_style = brush;
    Canvas(b, state).TextOut(x, y, text);
    return b;
  }
  Point Extent(std::string_view text, int size_pt = 9) {
    Bitmap b(1, 1);
    CanvasState state;
    state.font_size_pt = size_pt;
    return Canvas(b, state).TextExtent(text);
  }
};

TEST(FontPixelsForPoints, PointsAt96DotsPerInchRounded) {
  const std::pair<int, int> cases[] = {{9, 12}, {8, 11}, {10, 13}, {12, 16}, {1, 1},
                                       {0, 0},  {-4, 0}, {750, 1000}, {INT_MAX, 1000}};
  for (const auto& [points, pixels] : cases) EXPECT_EQ(FontPixelsForPoints(points), pixels) << points;
}

TEST_F(TextDrawing, JapaneseTextIsDrawnInFullWidthCharacters) {
  const Point extent = Extent("送信局名");
  EXPECT_EQ(extent.x, 4 * FontPixelsForPoints(9));  // a full-width character advances one em
  EXPECT_GE(extent.y, FontPixelsForPoints(9));
  EXPECT_LE(extent.y, 13);  // the panel writes a line every 13 pixels
  const Bitmap b = Draw(60, 20, 2, 2, "送信局名", BrushStyle::kClear);
  EXPECT_GT(InkOf(b, kFont).count, 40);
}

TEST_F(TextDrawing, ClearBrushDrawsOnlyInkInTheFontColourInsideTheCell) {
  const Point extent = Extent("HH 42");
  const Bitmap b = Draw(60, 30, 7, 5, "HH 42", BrushStyle::kClear);
  const InkBox ink = InkOf(b, kFont);
  EXPECT_GT(ink.count, 20);
  EXPECT_TRUE(OnlyColours(b, kFont, kFont));  // one-bit glyphs: no grey edges, no background
  EXPECT_GE(ink.left, 7);
  EXPECT_GE(ink.top, 5);
  EXPECT_LT(ink.right, 7 + extent.x);
  EXPECT_LT(ink.bottom, 5 + extent.y);
}

TEST_F(TextDrawing, SolidBrushFillsTheCellFirst) {
  const Point extent = Extent("HH 42");
  const Bitmap b = Draw(60, 30, 7, 5, "HH 42", BrushStyle::kSolid);
  const InkBox background = InkOf(b, kBrush);
  EXPECT_EQ(background.left, 7);
  EXPECT_EQ(background.top, 5);
  EXPECT_EQ(background.right, 7 + extent.x - 1);
  EXPECT_EQ(background.bottom, 5 + extent.y - 1);
  EXPECT_EQ(background.count + InkOf(b, kFont).count, extent.x * extent.y);  // the cell, nothing else
  EXPECT_TRUE(OnlyColours(b, kFont, kBrush));
}

// Letters stand on one baseline, ascent pixels below the point (this face
// draws its capitals up to a pixel above it); descenders reach below it.
TEST_F(TextDrawing, TheBaselineLiesAscentPixelsBelowThePoint) {
  const TextCell cell = TextRenderer::Shared().Measure("H", 9);
  const int baseline = 4 + cell.ascent;
  const InkBox h = InkOf(Draw(30, 30, 3, 4, "H", BrushStyle::kClear), kFont);
  const InkBox x = InkOf(Draw(30, 30, 3, 4, "x", BrushStyle::kClear), kFont);
  const InkBox g = InkOf(Draw(30, 30, 3, 4, "g", BrushStyle::kClear), kFont);
  EXPECT_EQ(h.bottom, x.bottom);
  EXPECT_LT(h.bottom, baseline);
  EXPECT_GE(h.bottom, baseline - 2);
  EXPECT_GE(h.top, 4);
  EXPECT_GE(g.bottom, baseline);
  EXPECT_LT(g.bottom, 4 + cell.height());
}

TEST_F(TextDrawing, MovingThePointMovesTheInk) {
  const Bitmap near = Draw(50, 30, 1, 2, "Ab", BrushStyle::kSolid);
  const Bitmap far = Draw(50, 30, 14, 9, "Ab", BrushStyle::kSolid);
  EXPECT_EQ(ArtOf(Crop(near, 0, 0, 36, 21)), ArtOf(Crop(far, 13, 7, 36, 21)));
}

TEST_F(TextDrawing, TextOverTheEdgesKeepsThePixelsOfTheWholeText) {
  const Bitmap whole = Draw(80, 60, 20, 20, "送Hg", BrushStyle::kSolid);
  for (const Point at : {Point{-6, -5}, Point{12, -9}, Point{-20, 8}, Point{10, 3}}) {
    const Bitmap clipped = Draw(16, 12, at.x, at.y, "送Hg", BrushStyle::kSolid);
    EXPECT_EQ(ArtOf(clipped), ArtOf(Crop(whole, 20 - at.x, 20 - at.y, 16, 12))) << at.x << "," << at.y;
  }
}

TEST_F(TextDrawing, NothingIsDrawnForEmptyTextTextFarAwayOrNoSize) {
  const Bitmap white(20, 20);
  EXPECT_EQ(Draw(20, 20, 2, 2, "", BrushStyle::kSolid), white);
  EXPECT_EQ(Extent("").x, 0);
  EXPECT_EQ(Draw(20, 20, INT_MAX - 3, 2, "HH", BrushStyle::kSolid), white);
  EXPECT_EQ(Draw(20, 20, 2, INT_MIN, "HH", BrushStyle::kSolid), white);
  EXPECT_EQ(Draw(20, 20, INT_MIN, INT_MIN, "HH", BrushStyle::kSolid), white);
  EXPECT_EQ(Draw(20, 20, 20, 0, "HH", BrushStyle::kSolid), white);
  Bitmap empty;
  CanvasState state;
  Canvas(empty, state).TextOut(0, 0, "HH");
  EXPECT_TRUE(empty.empty());

  for (int size : {0, -3}) {
    Bitmap b(20, 20);
    CanvasState s;
    s.font_size_pt = size;
    Canvas(b, s).TextOut(2, 2, "HH");
    EXPECT_EQ(b, white) << size;
    EXPECT_EQ(Extent("HH", size), (Point{0, 0})) << size;
  }
}

TEST_F(TextDrawing, SizesChangeTheCellAndHugeSizesAreCapped) {
  const Point small = Extent("HH", 9), large = Extent("HH", 18);
  EXPECT_GT(large.x, small.x);
  EXPECT_GT(large.y, small.y);
  EXPECT_EQ(Extent("HH", 100000), Extent("HH", 750));  // 1,000 pixels per em at most
}

TEST_F(TextDrawing, MalformedUtf8DrawsReplacementCharacters) {
  const std::string bad = "A\xFF\xC3";
  EXPECT_EQ(Extent(bad).x, Extent("A\xEF\xBF\xBD\xEF\xBF\xBD").x);
  const Bitmap b = Draw(40, 20, 1, 1, bad, BrushStyle::kClear);
  EXPECT_GT(InkOf(b, kFont).count, 0);
}

TEST(TextRenderer, WithoutAUsableFaceMeasuresNothingAndDrawsNothing) {
  test::ScratchFolder dir;
  test::WriteBytes(dir / "garbage.ttf", "not a font at all");
  for (const std::vector<FontFile>& candidates :
       {std::vector<FontFile>{}, std::vector<FontFile>{{dir / "garbage.ttf", 0}, {dir / "missing.ttf", 0}}}) {
    TextRenderer renderer(candidates);
    EXPECT_FALSE(renderer.has_face());
    const TextCell cell = renderer.Measure("HH", 9);
    EXPECT_EQ(cell.width, 0);
    EXPECT_EQ(cell.height(), 0);
    Bitmap b(10, 10);
    renderer.Draw(b, 0, 0, "HH", 9, kBlack, kBlue);
    EXPECT_EQ(b, Bitmap(10, 10));
  }
}

TEST(TextRenderer, SkipsCandidatesThatAreNoFontFiles) {
  const std::vector<FontFile> known = FontFilesForJapanese();
  ASSERT_FALSE(known.empty());
  test::ScratchFolder dir;
  test::WriteBytes(dir / "garbage.ttf", std::string(4096, '\x7F'));
  TextRenderer renderer({{dir / "garbage.ttf", 0}, known.front()});
  EXPECT_TRUE(renderer.has_face());
  EXPECT_GT(renderer.Measure("HH", 9).width, 0);
}

TEST(FontLookup, GivesTheSameFilesEveryTimeWithoutRepeats) {
  const std::vector<FontFile> first = FontFilesForJapanese();
  EXPECT_EQ(FontFilesForJapanese(), first);
  for (size_t i = 0; i < first.size(); ++i)
    for (size_t j = i + 1; j < first.size(); ++j) EXPECT_FALSE(first[i] == first[j]) << first[i].path;
}

}  // namespace
}  // namespace dorx
