#include "files/datum_table_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "garbage_bytes.h"
#include "recording_sink.h"
#include "support/test_support.h"

namespace dorx {
namespace {

using test::ReadBytes;
using test::RecordingSink;
using test::ScratchFolder;
using test::WriteBytes;

// A window that answers the question of code 101 with a fixed answer and
// records the title-screen progress.
struct FakeStartupWindow {
  RecordingSink sink;
  int32_t answer = 0;
  std::vector<int32_t> progress;
  DatumStartupLink link{sink, [this] { return answer; }, [this](int32_t n) { progress.push_back(n); }};
};

// A published parameter file in miniature: a header, leading blanks, extra
// fields, a repeated code, a line that is not numbers and one with a tab.
const char* const kPublishedFixture =
    "MeshCode dB(sec) dL(sec)\r\n"
    "53394611   12.34567  -9.87654 extra\r\n"
    "  46303582  11.5  -8.25\r\n"
    "53394611 1.0 2.0\r\n"
    "abc x y\r\n"
    "46303583\t1 2\r\n";

// Sorted by code, equal codes in file order, the end marker last;
// "46303583\t1" reads as 46303583 with the next field as latitude.
const char* const kConvertedFixture =
    "00000000 0.000000 0.000000\r\n"
    "46303582 11.500000 -8.250000\r\n"
    "46303583 2.000000 0.000000\r\n"
    "53394611 12.345670 -9.876540\r\n"
    "53394611 1.000000 2.000000\r\n"
    "99999999 0.000000 0.000000\r\n";

TEST(ConvertDatumTable, WritesTheSortedTableWithItsEndMarker) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "tky2jgd.par", kPublishedFixture);
  DatumShiftTable table;
  ConvertDatumTable(dir / "tky2jgd.par", dir / "Dorx.par", table, window.link);
  EXPECT_EQ(ReadBytes(dir / "Dorx.par"), kConvertedFixture);
  EXPECT_TRUE(window.sink.messages.empty());
  ASSERT_EQ(table.count(), 5);
  EXPECT_EQ(table.At(3).shift.latitude_arcsec, 12.34567);
  EXPECT_EQ(table.At(4).shift.latitude_arcsec, 1.0);
  // The converted table serves lookups at once; a key equal to code p+1 takes
  // entry p (the first bracket found wins).
  const DatumShift s = table.Lookup(46303583);
  EXPECT_EQ(s.latitude_arcsec, 11.5);
  EXPECT_EQ(s.longitude_arcsec, -8.25);
}

TEST(LoadDatumTable, ReadsWhatTheConversionWrotePlusTheEndMarkerAsAnEntry) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "Dorx.par", kConvertedFixture);
  DatumShiftTable table;
  ASSERT_TRUE(LoadDatumTable(dir / "Dorx.par", table, window.link));
  ASSERT_EQ(table.count(), 6);
  EXPECT_EQ(table.At(0).code, 0);
  EXPECT_EQ(table.At(2).code, 46303583);
  EXPECT_EQ(table.At(3).shift.longitude_arcsec, -9.87654);
  EXPECT_EQ(table.At(5).code, DatumShiftTable::kEndCode);
  EXPECT_EQ(table.At(6).code, DatumShiftTable::kEndCode);  // past the end: the end marker
  // Between the second 53394611 and the end-marker entry: that entry.
  EXPECT_EQ(table.Lookup(60000000).latitude_arcsec, 1.0);
  EXPECT_TRUE(window.sink.messages.empty());
}

TEST(LoadDatumTable, ALineOver127CharactersEndsTheReading) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "Dorx.par", "00000001 1.0 1.0\n00000002 2.0 2.0 " + std::string(200, '9') +
                                   "\n00000003 3.0 3.0\n");
  DatumShiftTable table;
  ASSERT_TRUE(LoadDatumTable(dir / "Dorx.par", table, window.link));
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table.At(0).code, 1);
}

TEST(LoadDatumTable, EmptyAndMalformedLinesReadAsZeros) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "Dorx.par", "\n12345678\n  x 1.5e1 y\n87654321 -0.5 0.25");  // no final line end
  DatumShiftTable table;
  ASSERT_TRUE(LoadDatumTable(dir / "Dorx.par", table, window.link));
  ASSERT_EQ(table.count(), 4);
  EXPECT_EQ(table.At(0).code, 0);
  EXPECT_EQ(table.At(1).code, 12345678);
  EXPECT_EQ(table.At(1).shift.latitude_arcsec, 0.0);
  EXPECT_EQ(table.At(2).shift.latitude_arcsec, 15.0);
  EXPECT_EQ(table.At(3).shift.longitude_arcsec, 0.25);
}

TEST(LoadDatumTable, GarbageBytesDoNoHarm) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "Dorx.par", test::GarbageBytes(20000, 2));
  DatumShiftTable table;
  EXPECT_TRUE(LoadDatumTable(dir / "Dorx.par", table, window.link));
  EXPECT_LE(table.count(), 20000);
  table.Lookup(53394611);
}

TEST(LoadDatumTable, HoldsAtMost1048576Entries) {
  ScratchFolder dir;
  FakeStartupWindow window;
  std::string lines;
  for (int i = 0; i < DatumShiftTable::kCapacity + 3; ++i) lines += "7\n";
  WriteBytes(dir / "Dorx.par", lines);
  DatumShiftTable table;
  ASSERT_TRUE(LoadDatumTable(dir / "Dorx.par", table, window.link));
  EXPECT_EQ(table.count(), DatumShiftTable::kCapacity);
}

TEST(LoadDatumTable, ReportsTheCountOfEveryThousandthLine) {
  ScratchFolder dir;
  FakeStartupWindow window;
  std::string lines;
  for (int i = 0; i < 2500; ++i) lines += "1 0 0\n";
  WriteBytes(dir / "Dorx.par", lines);
  DatumShiftTable table;
  LoadDatumTable(dir / "Dorx.par", table, window.link);
  EXPECT_EQ(window.progress, (std::vector<int32_t>{0, 1000, 2000}));
}

TEST(LoadDatumTable, MissingFileSends101AndEmptiesTheTable) {
  ScratchFolder dir;
  FakeStartupWindow window;
  DatumShiftTable table;
  table.Assign({DatumShiftTable::Entry{5, {1, 1}}});
  EXPECT_FALSE(LoadDatumTable(dir / "Dorx.par", table, window.link));
  EXPECT_EQ(window.sink.Codes(), std::vector<int>{101});
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(table.Lookup(5).latitude_arcsec, 0.0);
}

// Equal codes keep their file order, across the blocks the sort works in.
TEST(ConvertDatumTable, SortsManyEntriesStablyByCode) {
  ScratchFolder dir;
  FakeStartupWindow window;
  constexpr int kLines = 5000;
  std::string source = "header\n";
  for (int i = 0; i < kLines; ++i) source += std::to_string((i * 7919) % 300) + " " + std::to_string(i) + " 0\n";
  WriteBytes(dir / "src.par", source);
  DatumShiftTable table;
  ConvertDatumTable(dir / "src.par", dir / "Dorx.par", table, window.link);
  ASSERT_EQ(table.count(), kLines);
  for (int32_t p = 1; p < kLines; ++p) {
    const auto& before = table.At(p - 1);
    const auto& here = table.At(p);
    ASSERT_TRUE(before.code < here.code ||
                (before.code == here.code && before.shift.latitude_arcsec < here.shift.latitude_arcsec))
        << "position " << p;
  }
  // Reading counts up, then the sort counts down in thousands.
  const std::vector<int32_t> reading(window.progress.begin(), window.progress.begin() + 5);
  EXPECT_EQ(reading, (std::vector<int32_t>{0, 1000, 2000, 3000, 4000}));
  EXPECT_EQ(window.progress[5], 5000);
  for (size_t i = 6; i < window.progress.size(); ++i) EXPECT_LE(window.progress[i], window.progress[i - 1]);
}

TEST(ConvertDatumTable, MissingSourceSends103AndLeavesTheTableEmpty) {
  ScratchFolder dir;
  FakeStartupWindow window;
  DatumShiftTable table;
  ConvertDatumTable(dir / "tky2jgd.par", dir / "Dorx.par", table, window.link);
  EXPECT_EQ(window.sink.Codes(), std::vector<int>{103});
  EXPECT_EQ(table.count(), 0);
  EXPECT_EQ(ReadBytes(dir / "Dorx.par"), "");
}

TEST(ConvertDatumTable, UnwritableTargetSends105AndKeepsTheConvertedTable) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "tky2jgd.par", kPublishedFixture);
  DatumShiftTable table;
  ConvertDatumTable(dir / "tky2jgd.par", dir / "no/Dorx.par", table, window.link);
  EXPECT_EQ(window.sink.Codes(), std::vector<int>{105});
  EXPECT_EQ(table.count(), 5);
  EXPECT_EQ(table.Lookup(46303583).latitude_arcsec, 11.5);
}

TEST(CheckDatumTableAtStartUp, LoadsAnExistingTable) {
  ScratchFolder dir;
  FakeStartupWindow window;
  WriteBytes(dir / "Dorx.par", kConvertedFixture);
  DatumShiftTable table;
  CheckDatumTableAtStartUp(dir.path(), Settings{}, table, window.link);
  EXPECT_EQ(window.sink.Codes(), (std::vector<int>{1005, 0}));
  EXPECT_EQ(window.sink.messages[0].message_text, dir / "Dorx.par");
  EXPECT_EQ(table.count(), 6);
}

TEST(CheckDatumTableAtStartUp, DeclinedQuestionLeavesTheTableEmpty) {
  ScratchFolder dir;
  FakeStartupWindow window;
  window.answer = -1;
  WriteBytes(dir / "tky2jgd.par", kPublishedFixture);
  DatumShiftTable table;
  CheckDatumTableAtStartUp(dir.path(), Settings{}, table, window.link);
  EXPECT_EQ(window.sink.Codes(), (std::vector<int>{1005, 101, 0}));
  EXPECT_EQ(table.count(), 0);
  EXPECT_FALSE(test::ReadBytes(dir / "Dorx.par").size());
}

TEST(CheckDatumTableAtStartUp, AgreedQuestionConvertsTheFileNamedInTheSettings) {
  ScratchFolder dir;
  FakeStartupWindow window;
  window.answer = 1;
  Settings settings;
  settings.TKY2JGD_Parameter = "grid.par";
  WriteBytes(dir / "grid.par", kPublishedFixture);
  DatumShiftTable table;
  CheckDatumTableAtStartUp(dir.path(), settings, table, window.link);
  EXPECT_EQ(window.sink.Codes(), (std::vector<int>{1005, 101, 0, 0}));
  EXPECT_EQ(ReadBytes(dir / "Dorx.par"), kConvertedFixture);
  EXPECT_EQ(table.count(), 5);
}

TEST(CheckDatumTableAtStartUp, AgreedButSourceMissingSends103) {
  ScratchFolder dir;
  FakeStartupWindow window;
  window.answer = 1;
  DatumShiftTable table;
  CheckDatumTableAtStartUp(dir.path(), Settings{}, table, window.link);
  EXPECT_EQ(window.sink.Codes(), (std::vector<int>{1005, 101, 0, 103, 0}));
  EXPECT_EQ(table.count(), 0);
}

}  // namespace
}  // namespace dorx
