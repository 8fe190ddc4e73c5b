// Record numbers and the one access operation of the cell store.
#include "engine/cell_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/test_support.h"

namespace dorx {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

ProjectParameters Area(int32_t n, int32_t s, int32_t e, int32_t w, int8_t coarse = 1, int8_t reduction = 0) {
  ProjectParameters p;
  p.Range_North = n;
  p.Range_South = s;
  p.Range_East = e;
  p.Range_West = w;
  p.Coarse = coarse;
  p.Flag_Reduction = reduction;
  return p;
}

// Records whose slot 0 names them, as a file's bytes.
std::string RecordsFile(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) {
    CellRecord r;
    r.Clear();
    r.slot[0] = 100 + i;
    bytes.append(reinterpret_cast<const char*>(r.slot.data()), sizeof r);
  }
  return bytes;
}

TEST(RecordNumber, FollowsRowsFromTheSouthAndColumnsFromTheWest) {
  struct Row {
    ProjectParameters p;
    int32_t a, b;
    int32_t expected;
    const char* source;
  };
  const Row rows[] = {
      {Area(10, 10, 10, 10), -10, -10, 0, "south-west cell is record 0"},
      {Area(10, 10, 10, 10), 0, 0, 210, "station cell: 20 x 10 + 10"},
      {Area(10, 10, 10, 10), 9, 9, 399, "north-east cell: the last of 400"},
      {Area(10, 10, 10, 10, 3, 1), -10, -10, 0, "Coarse 3 reduced: W+0, S+0"},
      {Area(10, 10, 10, 10, 3, 1), -8, -8, 0, "Coarse 3 reduced: W+2, S+2 share record 0"},
      {Area(10, 10, 10, 10, 3, 1), -7, -10, 1, "Coarse 3 reduced: W+3 starts block 1"},
      {Area(10, 10, 10, 10, 3, 1), -10, -7, 6, "Coarse 3 reduced: next block row, 20/3 = 6 per row"},
      {Area(10, 10, 10, 10, 3, 1), 9, -10, 6, "partial last block W+19: 19/3 = 6, same as next row's first"},
      {Area(10, 10, 10, 10, 3, 0), 0, 0, 210, "Coarse without reduction changes nothing"},
      {Area(10, 10, 10, 10, 0, 1), 0, 0, 210, "Coarse 0 counts as 1"},
  };
  for (const Row& r : rows) EXPECT_EQ(RecordNumber(r.p, r.a, r.b), r.expected) << r.source;
}

TEST(RecordNumber, NeverOverflowsOn32Bits) {
  const ProjectParameters huge = Area(2000000000, 2000000000, 2000000000, 2000000000);
  EXPECT_EQ(RecordNumber(huge, 0, 0), INT32_MAX);
  EXPECT_EQ(RecordNumber(huge, -2000000000, -2000000000), 0);
  // The largest area a run allows: 3000 x 3000 cells.
  const ProjectParameters largest = Area(1500, 1500, 1500, 1500);
  EXPECT_EQ(RecordNumber(largest, 1499, 1499), 8999999);
  EXPECT_EQ(RecordOffset(READ_A_RESULT, 8999999), 488 + int64_t{8999999} * 160);
}

TEST(RecordOffset, PutsResultRecordsBehindTheHeader) {
  EXPECT_EQ(RecordOffset(READ_B, 210), 33600);
  EXPECT_EQ(RecordOffset(READ_A_RESULT, 210), 34088);
  EXPECT_EQ(RecordOffset(WRITE_A_RESULT, 210), 34088);
  EXPECT_EQ(RecordOffset(READ_B_RESULT, 1), 648);
  EXPECT_EQ(RecordOffset(WRITE_B_RESULT, 1), 648);
  EXPECT_EQ(RecordOffset(READ_B_SAMPLE, 1), 160);
}

class CellAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir_ / "b", RecordsFile(4));
    ASSERT_TRUE(store_.StoreFileB.Open(dir_ / "b", "rb"));
  }
  // One row of four cells: a = -2..1, b = 0.
  ProjectParameters p_ = Area(1, 0, 2, 2);
  ScratchFolder dir_;
  CellStore store_;
};

TEST_F(CellAccessTest, TheSecondReadOfARecordIsSkipped) {
  EXPECT_EQ(CellAccess(store_, p_, READ_B, -1, 0), 1);
  EXPECT_EQ(store_.CurrentRecord.slot[0], 101);
  store_.CurrentRecord.slot[0] = 7;
  EXPECT_EQ(CellAccess(store_, p_, READ_B, -1, 0), -1);
  EXPECT_EQ(store_.CurrentRecord.slot[0], 7) << "a skipped read leaves the buffer";
  EXPECT_EQ(CellAccess(store_, p_, READ_B, 0, 0), 1);
  EXPECT_EQ(store_.CurrentRecord.slot[0], 102);
}

TEST_F(CellAccessTest, EachTypeHasItsOwnCacheEntryAndAResetClearsThemAll) {
  EXPECT_EQ(CellAccess(store_, p_, READ_B, 0, 0), 1);
  EXPECT_EQ(CellAccess(store_, p_, READ_B_SAMPLE, 0, 0), 1) << "sampling does not see the type-13 entry";
  EXPECT_EQ(store_.SampleRecord.slot[0], 102);
  EXPECT_EQ(CellAccess(store_, p_, READ_B, 0, 0), -1);
  EXPECT_EQ(CellAccess(store_, p_, READ_B_SAMPLE, 0, 0), -1);
  EXPECT_EQ(CellAccess(store_, p_, RESET_CACHE, 5, 5), 0);
  EXPECT_EQ(CellAccess(store_, p_, READ_B, 0, 0), 1);
  EXPECT_EQ(CellAccess(store_, p_, READ_B_SAMPLE, 0, 0), 1);
}

TEST_F(CellAccessTest, AReadPastTheEndCountsAsDoneAndKeepsTheBuffer) {
  ProjectParameters wide = Area(1, 0, 10, 2);  // records up to 11, the file holds 4
  store_.CurrentRecord.slot[0] = 55;
  EXPECT_EQ(CellAccess(store_, wide, READ_B, 5, 0), 1);
  EXPECT_EQ(store_.CurrentRecord.slot[0], 55);
  EXPECT_EQ(CellAccess(store_, wide, READ_B, 5, 0), -1) << "the cache was updated";
}

TEST_F(CellAccessTest, APartialRecordAtTheEndOverwritesOnlyItsBytes) {
  store_.StoreFileB.Close();
  std::string bytes = RecordsFile(2);
  bytes.resize(160 + 8);  // record 1 holds only slot 0
  WriteBytes(dir_ / "short", bytes);
  ASSERT_TRUE(store_.StoreFileB.Open(dir_ / "short", "rb"));
  store_.CurrentRecord.Clear();
  store_.CurrentRecord.slot[1] = 42;
  EXPECT_EQ(CellAccess(store_, p_, READ_B, -1, 0), 1);
  EXPECT_EQ(store_.CurrentRecord.slot[0], 101);
  EXPECT_EQ(store_.CurrentRecord.slot[1], 42);
}

TEST_F(CellAccessTest, UnknownTypesDoNothingAndReturnTheirCode) {
  for (int type : {1, 12, 21, 39, 50, 52, 127, 128, 1000, -3}) {
    store_.CurrentRecord.slot[0] = 9;
    EXPECT_EQ(CellAccess(store_, p_, type, 0, 0), type);
    EXPECT_EQ(store_.CurrentRecord.slot[0], 9);
  }
  EXPECT_EQ(CellAccess(store_, p_, READ_B, 0, 0), 1) << "nothing was cached by them";
}

TEST(CellAccess, ASecondWriteOfTheSameRecordIsSkippedEvenWhenTheBufferChanged) {
  ScratchFolder dir;
  CellStore store;
  const ProjectParameters p = Area(1, 1, 1, 1);  // 2 x 2 cells
  ASSERT_TRUE(store.StoreFileA.Open(dir / "a", "wb"));
  store.CurrentRecord.Clear();
  store.CurrentRecord.slot[0] = 1;
  EXPECT_EQ(CellAccess(store, p, WRITE_A, 0, 0), 1);
  store.CurrentRecord.slot[0] = 2;
  EXPECT_EQ(CellAccess(store, p, WRITE_A, 0, 0), -1);
  EXPECT_EQ(CellAccess(store, p, WRITE_A_RESULT, -1, -1), 1);
  store.StoreFileA.Close();
  const std::string bytes = ReadBytes(dir / "a");
  // Record 3 (cell 0, 0) at 480; record 0 behind the 488-byte header at 488.
  ASSERT_EQ(bytes.size(), 488u + 160);
  double at_480 = 0, at_488 = 0;
  std::memcpy(&at_480, bytes.data() + 480, 8);
  std::memcpy(&at_488, bytes.data() + 488, 8);
  EXPECT_EQ(at_480, 1.0) << "the skipped write left the first value";
  EXPECT_EQ(at_488, 2.0) << "the result write took the buffer as it was then";
}

TEST(CellAccess, TransfersOnClosedSlotsMoveNothing) {
  CellStore store;
  const ProjectParameters p = Area(1, 1, 1, 1);
  store.CurrentRecord.slot[0] = 3;
  EXPECT_EQ(CellAccess(store, p, READ_A, 0, 0), 1);
  EXPECT_EQ(CellAccess(store, p, WRITE_B, 0, 0), 1);
  EXPECT_EQ(store.CurrentRecord.slot[0], 3);
}

}  // namespace
}  // namespace dorx
