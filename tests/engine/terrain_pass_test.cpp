// The loading pass over tiny tiles: records, missing and short tiles, the
// re-centring, the station's elevation and the Compensation search.
#include "engine/terrain_pass.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "fake_window_link.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::CellName;
using test::kStationColumn;
using test::kStationRow;

class TerrainPassTest : public ::testing::Test {
 protected:
  void SetUp() override { test::SetUpStation(ctx_, dir_.path(), 5); }

  // Runs the pass into a store file and returns the records it wrote.
  std::vector<CellRecord> Run() {
    EXPECT_TRUE(ctx_.store.StoreFileA.Open(dir_ / "terrain", "wb"));
    LoadTerrainPass(ctx_, link_);
    ctx_.store.StoreFileA.Close();
    return test::ReadRecords(dir_ / "terrain");
  }
  // Record of the cell `column` from the west edge and `row` from the south edge.
  const CellRecord& At(const std::vector<CellRecord>& records, int column, int row) {
    const int columns = ctx_.params.Range_West + ctx_.params.Range_East;
    return records[static_cast<size_t>(row * columns + column)];
  }

  test::ScratchFolder dir_;
  Context ctx_;
  test::FakeWindowLink link_{ctx_};
};

TEST_F(TerrainPassTest, WritesOneFreshRecordPerCellFromTheTile) {
  test::WriteTile(dir_.path(), "533805", test::TileText("FUJI  5338", CellName));
  const auto records = Run();
  ASSERT_EQ(records.size(), 100u);
  for (int row = 0; row < 10; ++row) {
    for (int column = 0; column < 10; ++column) {
      const CellRecord& r = At(records, column, row);
      EXPECT_EQ(r.slot[kElevation], CellName(kStationRow - 5 + row, kStationColumn - 5 + column));
      EXPECT_DOUBLE_EQ(r.slot[kLatitude], 127298.4 + (row - 5) * 1.5);
      EXPECT_DOUBLE_EQ(r.slot[kLongitude], 499418.4 + (column - 5) * 2.25);
      EXPECT_EQ(r.slot[kLatitudeShift], 0.0) << "no datum table";
      for (int s = 5; s < 20; ++s) EXPECT_EQ(r.slot[static_cast<size_t>(s)], NO_DATA);
    }
  }
  EXPECT_EQ(link_.cell_reports[5001], 100);
  EXPECT_EQ(ctx_.run.SourceElevation, CellName(kStationRow, kStationColumn));
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMax, CellName(kStationRow + 4, kStationColumn + 4) * 0.1);
  EXPECT_DOUBLE_EQ(ctx_.run.ElevationMin, CellName(kStationRow - 5, kStationColumn - 5) * 0.1);
  EXPECT_EQ(ctx_.params.Range_South, 5) << "the station's own cell is nearest";
  EXPECT_EQ(ctx_.params.Range_West, 5);
  EXPECT_EQ(ctx_.MessageText, "[533805] FUJI  5338");
  EXPECT_TRUE(ctx_.tiles.missing_tiles.empty());
  EXPECT_TRUE(ctx_.tiles.short_tiles.empty());
}

TEST_F(TerrainPassTest, ProgressNamesCellsFromTheSouthWestAndCarriesTheTileText) {
  test::WriteTile(dir_.path(), "533805", test::TileText("FUJI  5338", CellName));
  link_.record_cells = true;
  Run();
  const auto cells = link_.CellEvents(5001);
  ASSERT_EQ(cells.size(), 100u);
  EXPECT_EQ((test::LinkEvent{"message", 5001, 0, 0, "[533805] FUJI  5338"}), cells.front());
  EXPECT_EQ((test::LinkEvent{"message", 5001, 9, 0, "[533805] FUJI  5338"}), cells[9]);
  EXPECT_EQ((test::LinkEvent{"message", 5001, 0, 1, "[533805] FUJI  5338"}), cells[10]);
}

TEST_F(TerrainPassTest, AMissingTileGivesNoDataAndIsCountedOncePerCell) {
  ctx_.params.Range_East = 40;  // columns 158..202: three columns in tile 533806
  test::WriteTile(dir_.path(), "533805", test::TileText("WEST      ", CellName));
  const auto records = Run();
  for (int row = 0; row < 10; ++row) {
    EXPECT_EQ(At(records, 41, row).slot[kElevation], CellName(kStationRow - 5 + row, 199));
    for (int column = 42; column < 45; ++column) EXPECT_EQ(At(records, column, row).slot[kElevation], NO_DATA);
  }
  const std::string missing = dir_ / "5338/533806.mem";
  ASSERT_EQ(ctx_.tiles.missing_tiles.size(), 1u);
  EXPECT_EQ(ctx_.tiles.missing_tiles[missing], 30);
  EXPECT_EQ(ctx_.tiles.LoadedTilePath, dir_ / "5338/533805.mem") << "a failed open keeps the loaded tile";
  EXPECT_EQ(ctx_.MessageText, "[533805] WEST      ");
}

TEST_F(TerrainPassTest, AShortTileKeepsTheRowsOfTheTileBeforeIt) {
  ctx_.params.Range_East = 40;
  test::WriteTile(dir_.path(), "533805", test::TileText("WEST      ", CellName));
  // Only the 100 northern rows; the area's rows 60..69 are not in it.
  test::WriteTile(dir_.path(), "533806", test::TileText("EAST      ", [](int, int) { return 7; }, 100));
  const auto records = Run();
  for (int row = 0; row < 10; ++row) {
    // Every row of the area reloads both tiles; each time the short one
    // leaves rows 0..99 with the lines of the tile loaded before it.
    for (int column = 42; column < 45; ++column)
      EXPECT_EQ(At(records, column, row).slot[kElevation], CellName(kStationRow - 5 + row, column - 42));
  }
  EXPECT_EQ(ctx_.tiles.short_tiles[dir_ / "5338/533806.mem"], 101);
  EXPECT_EQ(ctx_.MessageText, "[533805] WEST      ") << "the station's tile is read last";
}

TEST_F(TerrainPassTest, TileLinesLastFromOneRunToTheNext) {
  test::WriteTile(dir_.path(), "533805", test::TileText("FIRST     ", [](int, int) { return 11; }));
  Run();
  // The same area again after the file changed on disk: the tile in
  // TileLines is still the loaded one, so it is not read again.
  test::WriteTile(dir_.path(), "533805", test::TileText("SECOND    ", [](int, int) { return 22; }));
  const auto records = Run();
  EXPECT_EQ(records.front().slot[kElevation], 11);
}

TEST_F(TerrainPassTest, WithoutAnyTileEveryCellIsNoData) {
  const auto records = Run();
  ASSERT_EQ(records.size(), 100u);
  for (const CellRecord& r : records) EXPECT_EQ(r.slot[kElevation], NO_DATA);
  EXPECT_EQ(ctx_.run.ElevationMin, -10.0);
  EXPECT_EQ(ctx_.run.ElevationMax, 0.0);
  EXPECT_EQ(ctx_.run.SourceElevation, -9999);
  EXPECT_EQ(ctx_.tiles.missing_tiles[dir_ / "5338/533805.mem"], 100);
  EXPECT_EQ(ctx_.MessageText, "") << "no tile was loaded, so no status text";
}

TEST_F(TerrainPassTest, GarbageFieldsReadAsZero) {
  std::string text = test::TileText("GARBAGE   ", CellName);
  for (char& c : text)
    if (c >= '0' && c <= '9') c = 'q';
  test::WriteTile(dir_.path(), "533805", text);
  const auto records = Run();
  for (const CellRecord& r : records) EXPECT_EQ(r.slot[kElevation], 0);
}

TEST_F(TerrainPassTest, ADatumShiftMovesTheStationsCellAndKeepsTheTotals) {
  test::WriteTile(dir_.path(), "533805", test::TileText("FUJI  5338", CellName));
  // Every cell is 3 seconds (two rows) further north and 4.5 seconds (two
  // columns) further east in JGD2000, so the cell two rows south and two
  // columns west of the station's grid point is nearest to the station.
  ctx_.datum.Assign({{0, {3.0, 4.5}}});
  const auto records = Run();
  EXPECT_EQ(records.front().slot[kLatitudeShift], 3.0);
  EXPECT_EQ(records.front().slot[kLongitudeShift], 4.5);
  EXPECT_EQ(ctx_.params.Range_South, 3);
  EXPECT_EQ(ctx_.params.Range_North, 7);
  EXPECT_EQ(ctx_.params.Range_West, 3);
  EXPECT_EQ(ctx_.params.Range_East, 7);
  EXPECT_EQ(ctx_.run.SourceElevation, CellName(kStationRow - 2, kStationColumn - 2));
}

TEST_F(TerrainPassTest, AStopEndsTheLoopsButTheStationIsStillFound) {
  test::WriteTile(dir_.path(), "533805", test::TileText("FUJI  5338", CellName));
  link_.stop_code = 5001;
  link_.stop_after = 15;
  const auto records = Run();
  EXPECT_EQ(records.size(), 15u);
  EXPECT_EQ(link_.cell_reports[5001], 15);
  // Only rows 0 and 1 were seen: the nearest row is the northernmost seen.
  EXPECT_EQ(ctx_.params.Range_South, 1);
  EXPECT_EQ(ctx_.params.Range_North, 9);
  EXPECT_EQ(ctx_.run.SourceElevation, CellName(kStationRow - 4, kStationColumn));
}

class CompensationTest : public TerrainPassTest {
 protected:
  // Flat 100 m with one cell raised, at `dr` rows and `dc` columns from the station.
  void Terrain(int dr, int dc, int raised) {
    test::WriteTile(dir_.path(), "533805", test::TileText("HILL      ", [=](int row, int column) {
      return row == kStationRow + dr && column == kStationColumn + dc ? raised : 1000;
    }));
  }
};

TEST_F(CompensationTest, MovesTheStationToTheHighestCellNearby) {
  Terrain(1, -2, 1500);
  ctx_.params.Compensation = 2;
  Run();
  EXPECT_EQ(ctx_.run.SourceElevation, 1500);
  // 127298.4 + 1.5 s = 35 21 39.9; 499418.4 - 4.5 s = 138 43 33.9.
  EXPECT_EQ(ctx_.params.Source_North_latitude.degrees, 35);
  EXPECT_EQ(ctx_.params.Source_North_latitude.minutes, 21);
  EXPECT_NEAR(ctx_.params.Source_North_latitude.seconds, 39.9, 1e-9);
  EXPECT_EQ(ctx_.params.Source_East_longitude.minutes, 43);
  EXPECT_NEAR(ctx_.params.Source_East_longitude.seconds, 33.9, 1e-9);
  EXPECT_DOUBLE_EQ(ctx_.run.SourceLatSeconds, 127298.4) << "distances stay measured from the entered station";
  EXPECT_EQ(ctx_.params.Range_South, 5) << "no second re-centring";
}

TEST_F(CompensationTest, SearchesOnlyWithinTheRadius) {
  struct Row {
    int dr, dc, raised, compensation, flood_mode;
    int32_t expected_elevation;
    const char* why;
  };
  const Row rows[] = {
      {3, 0, 1500, 2, 0, 1000, "three rows away is outside a radius of 2"},
      {2, 2, 1500, 2, 0, 1500, "the corner of the 5 x 5 search"},
      {1, 1, 1000, 2, 0, 1000, "equal height does not move the station"},
      {1, 1, 1500, 0, 0, 1000, "Compensation 0 searches nothing"},
      {1, 1, 1500, 2, 1, 1000, "flood mode never moves the point"},
  };
  for (const Row& r : rows) {
    test::SetUpStation(ctx_, dir_.path(), 5);
    ctx_.tiles = TerrainTiles{};
    ctx_.FloodMode = r.flood_mode;
    ctx_.params.Compensation = static_cast<int8_t>(r.compensation);
    Terrain(r.dr, r.dc, r.raised);
    Run();
    EXPECT_EQ(ctx_.run.SourceElevation, r.expected_elevation) << r.why;
    if (r.expected_elevation == 1000) {
      EXPECT_EQ(ctx_.params.Source_North_latitude.seconds, 38.4) << r.why;
    }
  }
}

}  // namespace
}  // namespace dorx
