// The survey's DEM XML read as a stream: the grid, the start point and the
// sequence rule, missing values, and files that are not such a DEM.
#include "files/dem_xml.h"

#include <gtest/gtest.h>

#include <cmath>

#include "garbage_bytes.h"
#include "support/test_support.h"

namespace dorx {
namespace {

// A 3 x 2 grid; `tuples` is the text of the tuple list.
std::string Dem(const std::string& tuples, const std::string& start = "0 0", const std::string& order = "+x-y",
                const std::string& high = "2 1") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<Dataset xmlns=\"http://fgd.gsi.go.jp/spec/2008/FGD_GMLSchema\" xmlns:gml=\"http://www.opengis.net/gml/3.2\">"
         "<DEM><coverage><gml:boundedBy><gml:Envelope srsName=\"fguuid:jgd2011.bl\">"
         "<gml:lowerCorner>35.5 139.25</gml:lowerCorner><gml:upperCorner>35.5125 139.2625</gml:upperCorner>"
         "</gml:Envelope></gml:boundedBy><gml:gridDomain><gml:Grid><gml:limits><gml:GridEnvelope>"
         "<gml:low>0 0</gml:low><gml:high>" + high + "</gml:high></gml:GridEnvelope></gml:limits></gml:Grid>"
         "</gml:gridDomain><gml:rangeSet><gml:DataBlock><gml:tupleList>" + tuples +
         "</gml:tupleList></gml:DataBlock></gml:rangeSet><gml:coverageFunction><gml:GridFunction>"
         "<gml:sequenceRule order=\"" + order + "\">Linear</gml:sequenceRule><gml:startPoint>" + start +
         "</gml:startPoint></gml:GridFunction></gml:coverageFunction></coverage></DEM></Dataset>\n";
}

// The grid as text, rows from the north, "-" for no data.
std::string Cells(const DemGrid& g) {
  std::string out;
  for (size_t i = 0; i < g.elevations_m.size(); ++i) {
    const float v = g.elevations_m[i];
    out += std::isnan(v) ? "-" : std::to_string(static_cast<int>(v));
    out += (i + 1) % static_cast<size_t>(g.columns) == 0 ? "|" : " ";
  }
  return out;
}

TEST(DemXml, PlacesTheValuesByStartPointAndSequenceRule) {
  struct Row {
    std::string xml;
    std::string cells;
    const char* why;
  };
  const std::string six = "\n地表面,1.\n地表面,2.\n地表面,3.\n地表面,4.\n地表面,5.\n地表面,6.\n";
  const Row rows[] = {
      {Dem(six), "1 2 3|4 5 6|", "+x-y: west to east, rows from the north"},
      {Dem("\n地表面,1.\n地表面,2.\n", "1 1"), "- - -|- 1 2|", "start point (1, 1): the points before it have no data"},
      {Dem("\n地表面,1.\nデータなし,-9999.\n"), "1 - -|- - -|", "-9999 and the points after the list have no data"},
      {Dem(six, "0 0", "+x+y"), "4 5 6|1 2 3|", "+x+y: rows from the south"},
      {Dem("地表面,1.\r\n地表面,2.", "0 0"), "1 2 -|- - -|", "CR LF lines, the last without its end"},
  };
  for (const Row& r : rows) {
    for (const size_t piece : {size_t{1}, size_t{7}, size_t{0}}) {
      const DemXmlResult result = ParseDemXml(r.xml, piece);
      ASSERT_EQ(result.error, "") << r.why;
      EXPECT_EQ(Cells(result.grid), r.cells) << r.why << ", pieces of " << piece;
    }
  }
  const DemGrid g = ParseDemXml(Dem(six)).grid;
  EXPECT_EQ(g.srs_name, "fguuid:jgd2011.bl");
  EXPECT_EQ(g.columns, 3);
  EXPECT_EQ(g.rows, 2);
  EXPECT_EQ(g.south_deg, 35.5) << "lowerCorner is latitude first";
  EXPECT_EQ(g.west_deg, 139.25);
  EXPECT_EQ(g.north_deg, 35.5125);
  EXPECT_EQ(g.east_deg, 139.2625);
}

TEST(DemXml, FilesThatAreNotSuchADemSayWhy) {
  const std::string good = Dem("\n地表面,1.\n");
  struct Row {
    std::string bytes;
    const char* reason;
  };
  const Row rows[] = {
      {good.substr(0, good.size() / 2), "damaged XML"},
      {std::string("PK\x03\x04", 4) + good, "zip archive"},
      {"", "damaged XML"},
      {"<a/>", "no gml:lowerCorner"},
      {Dem("\n地表面,one\n"), "value 1 of the tuple list is not \"type,elevation\""},
      {Dem("\n1.0\n"), "value 1 of the tuple list"},
      {Dem("\n地表面,1.\n", "3 0"), "start point lies outside the grid"},
      {Dem("\n1,1\n1,2\n1,3\n1,4\n1,5\n1,6\n1,7\n"), "more values than the grid has points"},
      {Dem("\n1,1\n", "0 0", "-x+y"), "unsupported gml:sequenceRule order"},
      {Dem("\n1,1\n", "0 0", "+x-y", "-5 1"), "grid's size is implausible"},
      {Dem("\n1,1\n", "0 0", "+x-y", "99999 99999"), "grid's size is implausible"},
      {Dem("\n1," + std::string(300, '9') + "\n"), "too long"},
  };
  for (const Row& r : rows) {
    const DemXmlResult result = ParseDemXml(r.bytes);
    EXPECT_NE(result.error.find(r.reason), std::string::npos) << r.reason << ": " << result.error;
    EXPECT_TRUE(result.grid.elevations_m.empty());
  }
}

TEST(DemXml, ArbitraryBytesGiveAnErrorAndNoGrid) {
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    const DemXmlResult result = ParseDemXml(test::GarbageBytes(4096, seed));
    EXPECT_NE(result.error, "");
    EXPECT_TRUE(result.grid.elevations_m.empty());
  }
  // A good head followed by garbage inside the tuple list.
  const std::string good = Dem("\n地表面,1.\n");
  const size_t list = good.find("<gml:tupleList>") + 15;
  for (uint32_t seed = 1; seed <= 20; ++seed)
    EXPECT_NE(ParseDemXml(good.substr(0, list) + test::GarbageBytes(2048, seed) + good.substr(list)).error, "");
}

TEST(ReadDemXml, ReadsAFileInPiecesAndNamesAMissingOne) {
  test::ScratchFolder dir;
  test::WriteBytes(dir / "dem.xml", Dem("\n地表面,1.\n地表面,2.\n"));
  const DemXmlResult read = ReadDemXml(dir / "dem.xml");
  EXPECT_EQ(read.error, "");
  EXPECT_EQ(Cells(read.grid), "1 2 -|- - -|");
  EXPECT_EQ(ReadDemXml(dir / "none.xml").error, "cannot be opened");
}

}  // namespace
}  // namespace dorx
