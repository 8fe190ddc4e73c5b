// Reading tile files into TileLines as the loading pass reads them.
#include "engine/tile_file.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "support/test_support.h"

namespace dorx {
namespace {

std::vector<std::string> Lines(const TileFile& f) {
  std::vector<std::string> out;
  for (const TileLine& l : f.lines) out.push_back(*l);
  return out;
}

TEST(SplitTileLines, ReadsLinesAsATextStreamWithA1011ByteBuffer) {
  struct Row {
    std::string raw;
    std::vector<std::string> lines;
    const char* why;
  };
  const std::string long_line(1015, 'x');
  const Row rows[] = {
      {"h\r\n1\r\n2", {"h\n", "1\n", "2"}, "CR LF reads as LF; the last line may lack its end"},
      {"h\n1\n", {"h\n", "1\n"}, "LF alone"},
      {"a\rb\n", {"a\rb\n"}, "a CR not before LF stays"},
      {long_line + "\n", {std::string(1010, 'x'), "xxxxx\n"}, "a line over 1,010 characters continues in the next"},
      {std::string(1009, 'y') + "\r\n", {std::string(1009, 'y') + "\n"}, "a full data line fits with its end"},
      {std::string("ab\0cd\n", 6), {"ab"}, "a zero byte ends the line as a C string"},
      {"", {}, "an empty file has no lines"},
  };
  for (const Row& r : rows) EXPECT_EQ(Lines(SplitTileLines(r.raw)), r.lines) << r.why;
}

TEST(SplitTileLines, KeepsAtMost201Lines) {
  std::string raw;
  for (int i = 0; i < 250; ++i) raw += std::to_string(i) + "\n";
  const TileFile f = SplitTileLines(raw);
  ASSERT_EQ(f.lines.size(), 201u);
  EXPECT_EQ(*f.lines[200], "200\n");
}

TEST(ReadTileFile, MissingFilesAndFoldersDoNotOpen) {
  test::ScratchFolder dir;
  EXPECT_FALSE(ReadTileFile(dir / "none.mem").opened);
  EXPECT_FALSE(ReadTileFile(dir.path()).opened);
  test::WriteBytes(dir / "empty.mem", "");
  const TileFile empty = ReadTileFile(dir / "empty.mem");
  EXPECT_TRUE(empty.opened);
  EXPECT_TRUE(empty.lines.empty());
}

TEST(ApplyTileFile, AShortFileLeavesTheSlotsItLacks) {
  TerrainTiles tiles;
  const TileFile full = SplitTileLines(test::TileText("FULL TILE ", [](int, int) { return 1; }));
  ApplyTileFile(tiles, full, "full");
  const TileFile shorter = SplitTileLines(test::TileText("SHORT TILE", [](int, int) { return 2; }, 100));
  ApplyTileFile(tiles, shorter, "short");
  EXPECT_EQ(tiles.LoadedTilePath, "short");
  // Lines 1..100 of the short file are rows 199..100; rows 99..0 stay.
  EXPECT_EQ(TileElevation(tiles, 100, 0), 2);
  EXPECT_EQ(TileElevation(tiles, 199, 199), 2);
  EXPECT_EQ(TileElevation(tiles, 99, 0), 1);
  EXPECT_EQ(TileElevation(tiles, 0, 199), 1);
}

TEST(TileStatusText, ShowsTheCodeAndTheNameAtBytes58To67) {
  struct Row {
    std::string header;
    std::string expected;
    const char* why;
  };
  const std::string pad(58, ' ');
  const std::string fuji = test::Sjis("富士山南麓");  // 10 bytes
  const Row rows[] = {
      {pad + fuji + "rest", "[533805] " + fuji, "a 10-byte Shift-JIS name"},
      {pad + "AB" + std::string(1, '\0') + "CDEFGHI", "[533805] AB", "a zero byte ends the name"},
      {pad + "ABC", "[533805] ABC\n", "a short header: what it has, its line end included"},
      {"short", "[533805] ", "a header shorter than 58 bytes adds nothing"},
  };
  for (const Row& r : rows) {
    TerrainTiles tiles;
    ApplyTileFile(tiles, SplitTileLines(r.header + "\n"), "t");
    EXPECT_EQ(TileStatusText(tiles, TileCode{53, 38, 0, 5}), r.expected) << r.why;
  }
}

TEST(TileElevation, ReadsFiveCharactersAsAtolDoes) {
  struct Row {
    std::string line;  // data row 0
    int column;
    int32_t expected;
    const char* why;
  };
  const std::string lead = "000000000";
  const Row rows[] = {
      {lead + "  123  456", 0, 123, "right-aligned field 0"},
      {lead + "  123  456", 1, 456, "field 1 at character 14"},
      {lead + "-9999", 0, -9999, "no data"},
      {lead + "  -12", 0, -12, "a sign"},
      {lead + "   +7", 0, 7, "a plus sign"},
      {lead + "12 34", 0, 12, "a blank ends the number"},
      {lead + "abcde", 0, 0, "garbage reads 0"},
      {lead + "  1", 0, 1, "a field cut by the end of the line: the characters there"},
      {lead + "  123", 1, 0, "a field past the end of the line: empty, 0"},
      {lead + "12345678", 0, 12345, "only five characters"},
      {"", 0, 0, "an empty line"},
  };
  for (const Row& r : rows) {
    TerrainTiles tiles;
    ApplyTileFile(tiles, SplitTileLines("header\n" + std::string(199, '\n') + r.line + "\n"), "t");
    EXPECT_EQ(TileElevation(tiles, 0, r.column), r.expected) << r.why;
  }
}

TEST(TileElevation, SlotsNeverFilledReadZero) {
  TerrainTiles tiles;
  EXPECT_EQ(TileElevation(tiles, 10, 10), 0);
  EXPECT_EQ(TileElevation(tiles, 201, 0), 0);
  EXPECT_EQ(TileElevation(tiles, -1, 0), 0);
}

}  // namespace
}  // namespace dorx
