// Grid-square codes of positions, the datum key and the tile path.
#include "engine/grid_position.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dorx {
namespace {

TEST(GridPosition, ExampleStationLiesInTile533805) {
  GridPosition g;
  GridLatitude(g, 127298.4);   // 35 21 38.40
  GridLongitude(g, 499418.4);  // 138 43 38.40
  // Latitude: trunc(53.04) = 53; 1.64 minutes inside the primary mesh;
  // secondary row 0; fine row trunc(98.4 / 1.5) = 65; 98 seconds.
  EXPECT_EQ(g.latitude_code, 53);
  EXPECT_EQ(g.secondary_row, 0);
  EXPECT_EQ(g.fine_row, 65);
  EXPECT_EQ(g.latitude_seconds, 98);
  // Longitude: code 38; 43.64 minutes; column 5; 368.4 s; trunc(368.4 / 2.25) = 163.
  EXPECT_EQ(g.longitude_code, 38);
  EXPECT_EQ(g.secondary_column, 5);
  EXPECT_EQ(g.fine_column, 163);
  EXPECT_EQ(g.longitude_seconds, 368);
  EXPECT_EQ(TilePath("mesh/", TileCodeOf(g)), "mesh/5338/533805.mem");
  // Third mesh: 30-second row trunc(98 / 30) = 3, 45-second column trunc(368 / 45) = 8.
  EXPECT_EQ(DatumKey(g), 53380538);
}

TEST(GridPosition, EdgesOfTheMeshes) {
  struct Row {
    double lat_arcsec, lon_arcsec;
    int lat_code, row, fine_row, lat_s;
    int lon_code, column, fine_column, lon_s;
    int32_t key;
    const char* source;
  };
  const Row rows[] = {
      // 35 20 00 N is 53 x 40 minutes exactly: the south-west corner of 5338xx.
      {127200.0, 496800.0, 53, 0, 0, 0, 38, 0, 0, 0, 53380000, "south-west corner of primary mesh 5338"},
      // Inside the last 1.5-second row and the last 2.25-second column of the tile.
      {127200.0 + 299.4, 496800.0 + 448.9, 53, 0, 199, 299, 38, 0, 199, 448, 53380099,
       "north-east cell of tile 533800"},
      // 35 25 00 starts secondary row 1; 138 07 30 starts secondary column 1.
      {127500.0, 497250.0, 53, 1, 0, 0, 38, 1, 0, 0, 53381100, "the next secondary mesh each way"},
      // 36 00 00 N: 54 x 40 minutes = 36 degrees, primary code 54.
      {129600.0, 500400.0, 54, 0, 0, 0, 39, 0, 0, 0, 54390000, "36 N 139 E opens primary mesh 5439"},
  };
  for (const Row& r : rows) {
    GridPosition g;
    GridLatitude(g, r.lat_arcsec);
    GridLongitude(g, r.lon_arcsec);
    EXPECT_EQ(g.latitude_code, r.lat_code) << r.source;
    EXPECT_EQ(g.secondary_row, r.row) << r.source;
    EXPECT_EQ(g.fine_row, r.fine_row) << r.source;
    EXPECT_EQ(g.latitude_seconds, r.lat_s) << r.source;
    EXPECT_EQ(g.longitude_code, r.lon_code) << r.source;
    EXPECT_EQ(g.secondary_column, r.column) << r.source;
    EXPECT_EQ(g.fine_column, r.fine_column) << r.source;
    EXPECT_EQ(g.longitude_seconds, r.lon_s) << r.source;
    EXPECT_EQ(DatumKey(g), r.key) << r.source;
  }
}

TEST(GridPosition, CodesOutsideTwoDigitsAreWrittenAsTheyAre) {
  GridPosition g;
  GridLatitude(g, 20.0 * 3600);    // 20 N: code 30
  GridLongitude(g, 95.0 * 3600);   // 95 E: code -5
  EXPECT_EQ(g.longitude_code, -5);
  EXPECT_EQ(TilePath("m/", TileCodeOf(g)), "m/30-5/30-500.mem");
  // "30-50000" read as atol reads it stops at the minus sign.
  EXPECT_EQ(DatumKey(g), 30);
}

TEST(GridPosition, NonNumbersGiveZeroCodesWithoutFailing) {
  GridPosition g;
  GridLatitude(g, std::nan(""));
  GridLongitude(g, 1e300);
  EXPECT_EQ(g.latitude_code, 0);
  EXPECT_EQ(g.fine_row, 0);
  EXPECT_EQ(g.longitude_code, INT32_MAX);
}

}  // namespace
}  // namespace dorx
