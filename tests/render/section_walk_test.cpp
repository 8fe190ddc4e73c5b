// The sampling walk: which cells it takes, in which order, and the indices
// of the station and the target.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/cell_store.h"
#include "render/cursor_fixture.h"
#include "render/section_walk.h"
#include "render/terrain_section.h"

namespace dorx {
namespace {

using test::DrawnResult;

struct CellName {
  int32_t a;
  int32_t b;
  bool operator==(const CellName&) const = default;
};

// Samples name their cell by the field strength 100 a + b of NamedCellRecord.
CellName NameOf(const SectionSample& s) {
  const int32_t a = static_cast<int32_t>(std::lround(s.field_strength / 100.0));
  return CellName{a, static_cast<int32_t>(std::lround(s.field_strength - 100.0 * a))};
}

std::vector<CellName> PathNames(const SectionState& s) {
  std::vector<CellName> names;
  for (int32_t k = 0; k < s.n; ++k) names.push_back(NameOf(s.path[static_cast<size_t>(k)]));
  return names;
}

std::vector<CellName> SectionNames(const SectionState& s) {
  std::vector<CellName> names;
  for (const SectionSample& sample : s.section) names.push_back(NameOf(sample));
  return names;
}

// The area of 8 columns (west 3, east 5) and 6 rows (south 2, north 4) on
// 16 x 12 pixels, with its result file open as a section walk finds it.
struct WalkArea : DrawnResult {
  WalkArea() : DrawnResult({3, 5, 2, 4}, 16.0, 12.0) {}
  void Walk(const SectionLine& line) {
    ASSERT_TRUE(ctx.store.StoreFileA.Open(ctx.ResultFilePath, "rb"));
    WalkSection(ctx, line, rs.section);
    ctx.store.StoreFileA.Close();
  }
};

TEST(SectionWalk, StationRowFromWestToEastOnce) {
  WalkArea w;
  w.WriteResult();
  w.Walk(SectionLine{4.5, 0.0, 4, -1});
  const SectionState& s = w.rs.section;
  EXPECT_EQ(PathNames(s), (std::vector<CellName>{{-3, 0}, {-2, 0}, {-1, 0}, {0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
  EXPECT_EQ(s.station_index, 3);
  EXPECT_EQ(s.target_index, 7);
  EXPECT_EQ(s.path.back(), s.path[7]);  // position n repeats the last sample
  EXPECT_EQ(SectionNames(s), (std::vector<CellName>{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 0}}));
  // Elevations (a + 10) x 10 + 1 m from 101 to 141 m.
  EXPECT_DOUBLE_EQ(s.highest_m, 141.0);
  EXPECT_DOUBLE_EQ(s.lowest_m, 101.0);
}

TEST(SectionWalk, StationColumnFromSouthToNorth) {
  WalkArea w;
  w.WriteResult();
  w.Walk(SectionLine{0.0, 2.5, 0, 2});
  EXPECT_EQ(PathNames(w.rs.section),
            (std::vector<CellName>{{0, -2}, {0, -1}, {0, 0}, {0, 1}, {0, 2}, {0, 3}}));
  EXPECT_EQ(w.rs.section.station_index, 2);
  EXPECT_EQ(w.rs.section.target_index, 4);
}

TEST(SectionWalk, SlopedLinesCutTowardZero) {
  struct Row {
    const char* what;
    SectionLine line;
    std::vector<CellName> cells;
  };
  const Row rows[] = {
      // Columns, row cut(c x 2 / 4): -1.5 -> -1, -0.5 -> 0.
      {"shallow: one cell per column",
       {4.0, 2.0, 4, 2},
       {{-3, -1}, {-2, -1}, {-1, 0}, {0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      // Rows, column cut(r x 1 / 3).
      {"steep: one cell per row", {1.0, 3.0, 1, 3}, {{0, -2}, {0, -1}, {0, 0}, {0, 1}, {0, 2}, {1, 3}}},
      // |dy| = |dx| walks columns; r = c leaves the area at c = -3 and c = 4.
      {"diagonal: cells outside the area are passed over",
       {4.0, 4.0, 4, 3},
       {{-2, -2}, {-1, -1}, {0, 0}, {1, 1}, {2, 2}, {3, 3}}},
  };
  for (const Row& row : rows) {
    WalkArea w;
    w.WriteResult();
    w.Walk(row.line);
    EXPECT_EQ(PathNames(w.rs.section), row.cells) << row.what;
  }
}

TEST(SectionWalk, TargetBeyondTheAreaTakesTheRepeatOfTheLastSample) {
  WalkArea w;
  w.WriteResult();
  w.Walk(SectionLine{4.0, 4.0, 4, 3});  // the target column's cell (4, 4) is outside
  const SectionState& s = w.rs.section;
  EXPECT_EQ(s.n, 6);
  EXPECT_EQ(s.target_index, 6);
  EXPECT_EQ(NameOf(s.section[s.section.size() - 2]), (CellName{3, 3}));
}

TEST(SectionWalk, TargetWestOfTheStationStartsTheSectionAtTheStation) {
  WalkArea w;
  w.WriteResult();
  w.Walk(SectionLine{-3.0, 0.0, -3, 0});
  EXPECT_EQ(w.rs.section.station_index, 3);
  EXPECT_EQ(w.rs.section.target_index, 0);
  EXPECT_EQ(SectionNames(w.rs.section), (std::vector<CellName>{{0, 0}, {-1, 0}, {-2, 0}, {-3, 0}, {-3, 0}}));
}

// Coarse 2 with reduction: blocks of 2 x 2 cells share one record. In the
// station's row the blocks hold the columns {-3, -2}, {-1, 0}, {1, 2}, {3, 4}.
TEST(SectionWalk, SharedRecordsGiveOneSample) {
  WalkArea w;
  w.ctx.params.Flag_Reduction = 1;
  w.ctx.params.Coarse = 2;
  w.WriteResult([&](int32_t a, int32_t b) {
    CellRecord r = test::NamedCellRecord(a, b);
    r.slot[kFieldStrength] = RecordNumber(w.ctx.params, a, b);
    return r;
  });
  w.Walk(SectionLine{4.5, 0.0, 0, 0});  // target on the station's cell
  const SectionState& s = w.rs.section;
  ASSERT_EQ(s.n, 4);
  const double records[] = {4, 5, 6, 7};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(s.path[static_cast<size_t>(k)].field_strength, records[k]);
  // The station's cell shares its record with column -1, walked just before:
  // its index is that of the next sample taken, block {1, 2}.
  EXPECT_EQ(s.station_index, 2);
  EXPECT_EQ(s.target_index, 2);
}

TEST(SectionWalk, PointerOnTheStationGivesASectionWithoutLength) {
  WalkArea w;
  w.WriteResult();
  // The station's pixel (6, 8): dx = 6 x 0.5 - 3 = 0, dy = (12 - 8) x 0.5 - 2 = 0.
  const SectionLine line = SectionLineOfCursor(w.ctx, 6, 8);
  EXPECT_EQ(line.dx, 0.0);
  EXPECT_EQ(line.dy, 0.0);
  EXPECT_EQ(line.target_column, 0);
  w.Walk(line);
  const SectionState& s = w.rs.section;
  EXPECT_EQ(s.n, 8);  // the station's row, for the strip
  EXPECT_EQ(s.station_index, 3);
  EXPECT_EQ(s.target_index, 3);
  EXPECT_EQ(SectionNames(s), (std::vector<CellName>{{0, 0}, {0, 0}}));
}

TEST(SectionWalk, LineOfTheCursorKeepsThePointersSlope) {
  WalkArea w;
  // Pixel (10, 2): dx = 10 x 0.5 - 3 = 2, dy = (12 - 2) x 0.5 - 2 = 3; the cell
  // under it is column 5, row 4 from the south-west corner: (2, 2).
  const SectionLine line = SectionLineOfCursor(w.ctx, 10, 2);
  EXPECT_EQ(line.dx, 2.0);
  EXPECT_EQ(line.dy, 3.0);
  EXPECT_EQ(line.target_column, 2);
  EXPECT_EQ(line.target_row, 2);
  // The top edge line: dy = 12 x 0.5 - 2 = 4 would be row 4, outside; the
  // target is the north row 3.
  EXPECT_EQ(SectionLineOfCursor(w.ctx, 6, 0).target_row, 3);
}

TEST(SectionWalk, SamplesBeyondTheLimitAreDropped) {
  DrawnResult r({2300, 2300, 0, 1}, 4600.0, 2.0);
  r.WriteResult();
  ASSERT_TRUE(r.ctx.store.StoreFileA.Open(r.ctx.ResultFilePath, "rb"));
  WalkSection(r.ctx, SectionLine{2299.0, 0.0, 2299, 0}, r.rs.section);
  const SectionState& s = r.rs.section;
  EXPECT_EQ(s.n, kMaxPathSamples);
  EXPECT_EQ(NameOf(s.path[4544]), (CellName{-2300 + 4544, 0}));
  EXPECT_EQ(s.path[4545], s.path[4544]);
  EXPECT_EQ(s.target_index, kMaxPathSamples);  // on a dropped cell: the repeat
  EXPECT_EQ(s.station_index, 2300);
}

TEST(SectionWalk, RecordsBeyondATruncatedFileAreNoData) {
  WalkArea w;
  w.WriteResult();
  // Keep the header and the records of the south row and part of the next:
  // the station's row (b = 0, records 16 to 23) lies beyond the end.
  std::string bytes = test::ReadBytes(w.ctx.ResultFilePath);
  w.WriteResultBytes(bytes.substr(0, 488 + 10 * 160));
  w.Walk(SectionLine{4.5, 0.0, 4, 0});
  const SectionState& s = w.rs.section;
  ASSERT_EQ(s.n, 8);
  for (int32_t k = 0; k < s.n; ++k) {
    EXPECT_TRUE(IsNoDataHeight(s.path[static_cast<size_t>(k)].elevation_m)) << k;
    EXPECT_EQ(s.path[static_cast<size_t>(k)].field_strength, NO_DATA) << k;
  }
  EXPECT_DOUBLE_EQ(s.lowest_m, -10.0);  // a no-data elevation counts as -10
}

TEST(SectionWalk, GarbageValuesBecomeNoData) {
  WalkArea w;
  w.WriteResultBytes(std::string(488, '\0') + std::string(48 * 160, '\xff'));  // NaN slots
  w.Walk(SectionLine{4.5, 0.0, 4, 0});
  const SectionSample& s = w.rs.section.path[0];
  EXPECT_TRUE(IsNoDataHeight(s.elevation_m));
  EXPECT_EQ(s.distance_m, NO_DATA);
  EXPECT_EQ(s.field_strength, NO_DATA);
  EXPECT_EQ(s.flood_depth, NO_DATA);
}

TEST(SectionWalk, MissingResultFileLeavesBothPictures) {
  WalkArea w;  // no file written
  w.rs.cursor.X = 10;
  w.rs.cursor.Y = 2;
  DrawTerrainSection(w.ctx, w.rs, w.sink);
  ASSERT_EQ(w.sink.messages.size(), 1u);
  EXPECT_EQ(w.sink.messages[0].code, 115);
  EXPECT_EQ(w.sink.messages[0].text, "Read: " + w.ctx.ResultFilePath);
  EXPECT_EQ(w.rs.pictures.ImageFIN.width(), 0);
  EXPECT_EQ(w.rs.pictures.ImageSEC.width(), 0);
}

}  // namespace
}  // namespace dorx
