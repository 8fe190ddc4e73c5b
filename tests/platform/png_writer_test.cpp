#include "platform/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/test_support.h"

namespace dorx {
namespace {

uint32_t BigEndian32(const std::string& bytes, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return v;
}

struct Chunk {
  std::string type;
  std::string data;
  bool crc_ok;
};

// The chunks after the signature; the test fails on a cut chunk.
std::vector<Chunk> ChunksOf(const std::string& png) {
  std::vector<Chunk> chunks;
  size_t at = 8;
  while (at < png.size()) {
    EXPECT_LE(at + 12, png.size()) << "cut chunk";
    if (at + 12 > png.size()) break;
    const uint32_t length = BigEndian32(png, at);
    EXPECT_LE(at + 12 + length, png.size()) << "cut chunk";
    if (at + 12 + length > png.size()) break;
    Chunk c{png.substr(at + 4, 4), png.substr(at + 8, length), false};
    const std::string covered = png.substr(at + 4, 4 + length);
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(covered.data()), static_cast<uInt>(covered.size()));
    c.crc_ok = crc == BigEndian32(png, at + 8 + length);
    chunks.push_back(c);
    at += 12 + length;
  }
  return chunks;
}

std::vector<std::string> TypesOf(const std::vector<Chunk>& chunks) {
  std::vector<std::string> types;
  for (const Chunk& c : chunks)
    if (types.empty() || types.back() != c.type) types.push_back(c.type);  // IDAT runs once
  return types;
}

// A picture whose every pixel differs, so that a swapped channel or row shows.
Bitmap Gradient(int width, int height) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      b.SetPixel(x, y, MakeColour(static_cast<uint8_t>(10 * x + 1), static_cast<uint8_t>(20 * y + 2),
                                  static_cast<uint8_t>(x * y + 3)));
  return b;
}

// Decodes with libpng into 8-bit RGBA (transparency becomes alpha 0).
struct Decoded {
  bool ok = false;
  uint32_t width = 0, height = 0;
  std::vector<uint8_t> rgba;
};

Decoded Decode(const std::string& png) {
  Decoded d;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return d;
  image.format = PNG_FORMAT_RGBA;
  d.width = image.width;
  d.height = image.height;
  d.rgba.resize(PNG_IMAGE_SIZE(image));
  d.ok = png_image_finish_read(&image, nullptr, d.rgba.data(), 0, nullptr) != 0;
  png_image_free(&image);
  return d;
}

TEST(EncodePng, ChunkLayoutIsSignatureIhdrIdatIend) {
  const std::string png = EncodePng(Gradient(5, 3));
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1A\n", 8));
  const std::vector<Chunk> chunks = ChunksOf(png);
  EXPECT_EQ(TypesOf(chunks), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  for (const Chunk& c : chunks) EXPECT_TRUE(c.crc_ok) << c.type;
  const Chunk& ihdr = chunks.front();
  ASSERT_EQ(ihdr.data.size(), 13u);
  EXPECT_EQ(BigEndian32(ihdr.data, 0), 5u);  // width
  EXPECT_EQ(BigEndian32(ihdr.data, 4), 3u);  // height
  EXPECT_EQ(ihdr.data[8], 8);   // bit depth
  EXPECT_EQ(ihdr.data[9], 2);   // colour type: RGB
  EXPECT_EQ(ihdr.data[10], 0);  // deflate
  EXPECT_EQ(ihdr.data[11], 0);  // adaptive filtering
  EXPECT_EQ(ihdr.data[12], 0);  // not interlaced
  EXPECT_TRUE(chunks.back().data.empty());
}

TEST(EncodePng, TrnsNamesTheTransparentColourOnlyWhenAsked) {
  const CanvasColour colour = MakeColour(0x12, 0x34, 0x56);
  const std::vector<Chunk> chunks = ChunksOf(EncodePng(Gradient(4, 4), colour));
  EXPECT_EQ(TypesOf(chunks), (std::vector<std::string>{"IHDR", "tRNS", "IDAT", "IEND"}));
  for (const Chunk& c : chunks) {
    if (c.type == "tRNS") {
      EXPECT_EQ(c.data, std::string("\x00\x12\x00\x34\x00\x56", 6));  // red, green, blue
    }
  }

  const std::vector<Chunk> white = ChunksOf(EncodePng(Gradient(4, 4), kWhite));
  for (const Chunk& c : white) {
    if (c.type == "tRNS") {
      EXPECT_EQ(c.data, std::string("\x00\xFF\x00\xFF\x00\xFF", 6));
    }
  }
}

TEST(EncodePng, DecodesToTheSamePixels) {
  for (const auto& [w, h] : {std::pair{5, 3}, {1, 1}, {1, 40}, {300, 2}}) {
    const Bitmap picture = Gradient(w, h);
    const Decoded d = Decode(EncodePng(picture));
    ASSERT_TRUE(d.ok) << w << " x " << h;
    ASSERT_EQ(d.width, static_cast<uint32_t>(w));
    ASSERT_EQ(d.height, static_cast<uint32_t>(h));
    bool same = true;
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const uint8_t* p = &d.rgba[(static_cast<size_t>(y) * w + x) * 4];
        const CanvasColour c = picture.Pixel(x, y);
        same = same && p[0] == RedOf(c) && p[1] == GreenOf(c) && p[2] == BlueOf(c) && p[3] == 255;
      }
    EXPECT_TRUE(same) << w << " x " << h;
  }
}

TEST(EncodePng, OnlyTheTransparentColourDecodesAsTransparent) {
  Bitmap picture(3, 1);
  picture.SetPixel(0, 0, MakeColour(255, 255, 254));
  picture.SetPixel(2, 0, kBlack);
  const Decoded d = Decode(EncodePng(picture, kWhite));
  ASSERT_TRUE(d.ok);
  EXPECT_EQ(d.rgba[3], 255);  // almost white stays opaque
  EXPECT_EQ(d.rgba[7], 0);    // white
  EXPECT_EQ(d.rgba[11], 255);
}

TEST(EncodePng, TheSamePictureGivesTheSameBytes) {
  const Bitmap picture = Gradient(64, 48);
  const std::string first = EncodePng(picture, kWhite);
  EXPECT_EQ(EncodePng(picture, kWhite), first);
  EXPECT_EQ(EncodePng(Bitmap(picture), kWhite), first);
  Bitmap changed = picture;
  changed.SetPixel(63, 47, kBlack);
  EXPECT_NE(EncodePng(changed, kWhite), first);
  EXPECT_NE(EncodePng(picture), first);
}

TEST(EncodePng, PicturesWiderThanAMillionPixelsAreEncoded) {
  const std::vector<Chunk> chunks = ChunksOf(EncodePng(Bitmap(1000001, 1)));
  ASSERT_FALSE(chunks.empty());
  EXPECT_EQ(chunks.front().type, "IHDR");
  EXPECT_EQ(BigEndian32(chunks.front().data, 0), 1000001u);
  EXPECT_EQ(chunks.back().type, "IEND");
}

TEST(EncodePng, EmptyPicturesHaveNoPngForm) {
  EXPECT_EQ(EncodePng(Bitmap()), "");
  EXPECT_EQ(EncodePng(Bitmap(0, 7)), "");
  EXPECT_EQ(EncodePng(Bitmap(7, 0), kWhite), "");
}

TEST(WritePng, WritesTheEncodedBytesAndReplacesAnOldFile) {
  test::ScratchFolder dir;
  const Bitmap picture = Gradient(9, 4);
  const std::string path = dir / "map.png";
  test::WriteBytes(path, std::string(100000, 'x'));  // longer than the picture
  ASSERT_TRUE(WritePng(path, picture, kWhite));
  EXPECT_EQ(test::ReadBytes(path), EncodePng(picture, kWhite));
  ASSERT_TRUE(WritePng(dir / "again.png", picture, kWhite));
  EXPECT_EQ(test::ReadBytes(dir / "again.png"), test::ReadBytes(path));
}

TEST(WritePng, FailuresAreReportedAndLeaveNoFile) {
  test::ScratchFolder dir;
  const Bitmap picture = Gradient(3, 3);
  EXPECT_FALSE(WritePng(dir / "missing/map.png", picture));
  EXPECT_FALSE(FolderExists(dir / "missing"));
  EXPECT_FALSE(WritePng(dir.path(), picture));  // a folder
  EXPECT_TRUE(FolderExists(dir.path()));
  EXPECT_FALSE(WritePng("", picture));
  const std::string too_long = dir.path() + std::string(1100, 'n') + ".png";
  EXPECT_FALSE(WritePng(too_long, picture));
  EXPECT_FALSE(WritePng(dir / "empty.png", Bitmap()));
  EXPECT_FALSE(FileExists(dir / "empty.png"));
}

}  // namespace
}  // namespace dorx
