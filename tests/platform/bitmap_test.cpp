#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <climits>

#include "platform/canvas.h"
#include "picture_art.h"

namespace dorx {
namespace {

using test::Art;
using test::ArtOf;

TEST(CanvasColour, IsRedPlus256GreenPlus65536Blue) {
  EXPECT_EQ(MakeColour(0x12, 0x34, 0x56), 0x12u + 256u * 0x34u + 65536u * 0x56u);
  EXPECT_EQ(FromRgbHex(0xA6CAF0), MakeColour(0xA6, 0xCA, 0xF0));
  EXPECT_EQ(kBlue, 0xFF0000u);  // RGB 0000FF with red and blue swapped
  EXPECT_EQ(RedOf(kLightBlue), 0xA6);
  EXPECT_EQ(GreenOf(kLightBlue), 0xCA);
  EXPECT_EQ(BlueOf(kLightBlue), 0xF0);
}

TEST(Bitmap, RowsHoldThreeBytesPerPixelBlueFirstTopRowFirst) {
  Bitmap b(3, 2);
  EXPECT_EQ(b.stride(), 9u);
  b.SetPixel(1, 0, MakeColour(0x11, 0x22, 0x33));
  b.SetPixel(2, 1, MakeColour(0xA1, 0xB2, 0xC3));
  const uint8_t* top = b.Row(0);
  EXPECT_EQ(top[3], 0x33);  // blue
  EXPECT_EQ(top[4], 0x22);  // green
  EXPECT_EQ(top[5], 0x11);  // red
  const uint8_t* bottom = b.Row(1);
  EXPECT_EQ(bottom[6], 0xC3);
  EXPECT_EQ(bottom[7], 0xB2);
  EXPECT_EQ(bottom[8], 0xA1);
  EXPECT_EQ(b.Row(1) - b.Row(0), 9);  // rows follow each other without padding

  // Writing the row bytes directly is seen by Pixel.
  uint8_t* row = b.Row(1);
  row[0] = 0x01, row[1] = 0x02, row[2] = 0x03;
  EXPECT_EQ(b.Pixel(0, 1), MakeColour(0x03, 0x02, 0x01));
}

TEST(Bitmap, NewPicturesAreWhiteAndNegativeSizesAreEmpty) {
  const Bitmap b(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.Pixel(x, y), kWhite);
  for (const Bitmap& empty : {Bitmap(), Bitmap(0, 5), Bitmap(5, 0), Bitmap(-3, 4), Bitmap(4, -3)}) {
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.width() * empty.height(), 0);
    EXPECT_GE(empty.width(), 0);
    EXPECT_GE(empty.height(), 0);
  }
}

TEST(Bitmap, PixelsOutsideReadWhiteAndIgnoreWrites) {
  Bitmap b(2, 2);
  b.Fill(kBlack);
  const Bitmap before = b;
  for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}}) {
    EXPECT_EQ(b.Pixel(x, y), kWhite);
    b.SetPixel(x, y, kBlue);
  }
  EXPECT_EQ(b, before);

  Bitmap empty;
  empty.SetPixel(0, 0, kBlack);
  empty.FillSpan(0, 0, 10, kBlack);
  empty.Fill(kBlack);
  EXPECT_EQ(empty.Pixel(0, 0), kWhite);
}

TEST(Bitmap, FillSpanSetsTheHalfOpenRunClippedToTheRow) {
  struct Case {
    const char* why;
    int y;
    int64_t begin, end;
    const char* row1;
  };
  const Case cases[] = {
      {"inside, end excluded", 1, 1, 4, ".###.."},
      {"starts left of the picture", 1, -100, 2, "##...."},
      {"ends right of the picture", 1, 4, 1000, "....##"},
      {"covers the row and more", 1, INT64_MIN / 2, INT64_MAX / 2, "######"},
      {"empty run", 1, 3, 3, "......"},
      {"inverted run", 1, 4, 2, "......"},
      {"row above the picture", -1, 0, 6, "......"},
      {"row below the picture", 3, 0, 6, "......"},
  };
  for (const Case& c : cases) {
    Bitmap b(6, 3);
    b.FillSpan(c.y, c.begin, c.end, kBlack);
    const Art art = ArtOf(b);
    EXPECT_EQ(art[1], c.row1) << c.why;
    if (c.y != 1) {
      EXPECT_EQ(art, (Art{"......", "......", "......"})) << c.why;
    }
  }
}

TEST(Bitmap, ResizeKeepsThePixelsThatStayInsideAndAddsWhite) {
  Bitmap b(3, 2);
  b.Fill(kBlack);
  b.Resize(4, 3);
  EXPECT_EQ(ArtOf(b), (Art{"###.", "###.", "...."}));
  b.Resize(2, 1);
  EXPECT_EQ(ArtOf(b), (Art{"##"}));
  b.Resize(-1, 7);
  EXPECT_TRUE(b.empty());
  b.Resize(1, 1);
  EXPECT_EQ(b.Pixel(0, 0), kWhite);
}

// Drawing a bitmap at a point copies the part that falls inside the target.
TEST(CanvasDraw, CopiesTheSourceClippedAtEveryEdge) {
  Bitmap source(3, 2);
  source.Fill(kBlack);
  source.SetPixel(0, 0, kBlue);  // marks the source's top-left corner
  struct Case {
    const char* why;
    int x, y;
    Art expected;
  };
  const Case cases[] = {
      {"inside", 1, 1, {".....", ".o##.", ".###.", "....."}},
      {"over the left edge", -1, 0, {"##...", "##...", ".....", "....."}},
      {"over the top edge", 2, -1, {"..###", ".....", ".....", "....."}},
      {"over the right and bottom edges", 3, 3, {".....", ".....", ".....", "...o#"}},
      {"left of the picture", -3, 0, {".....", ".....", ".....", "....."}},
      {"below the picture", 0, 4, {".....", ".....", ".....", "....."}},
      {"far away", INT_MIN, INT_MAX, {".....", ".....", ".....", "....."}},
      {"far away the other way", INT_MAX, INT_MIN, {".....", ".....", ".....", "....."}},
  };
  for (const Case& c : cases) {
    Bitmap target(5, 4);
    CanvasState state;
    Canvas(target, state).Draw(c.x, c.y, source);
    EXPECT_EQ(ArtOf(target), c.expected) << c.why;
  }
}

TEST(CanvasDraw, EmptySourcesDrawNothingAndAPictureCanBeDrawnOntoItself) {
  Bitmap target(4, 2);
  CanvasState state;
  Canvas canvas(target, state);
  canvas.Draw(0, 0, Bitmap());
  canvas.Draw(0, 0, Bitmap(0, 3));
  EXPECT_EQ(ArtOf(target), (Art{"....", "...."}));

  // Drawn onto itself one pixel to the right: every pixel is read before it is overwritten.
  target.SetPixel(0, 0, kBlack);
  target.SetPixel(1, 0, kBlue);
  canvas.Draw(1, 0, target);
  EXPECT_EQ(ArtOf(target), (Art{"##o.", "...."}));
}

}  // namespace
}  // namespace dorx
