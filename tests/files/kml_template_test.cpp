#include "files/kml_template.h"

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
using test::Sjis;
using test::WriteBytes;

// The 17 lines of the default template, each ended by CR LF.
const char* const kDefaultTemplate =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<kml  xmlns=\"http://www.opengis.net/kml/2.2\">\r\n"
    "<Folder>\r\n"
    "<name>Ground Overlays</name>\r\n"
    "<description>*-Dorx-*</description>\r\n"
    "<GroundOverlay>\r\n"
    "<name>Large-scale overlay on terrain</name>\r\n"
    "@d-@\r\n"
    "<color>80ffffff</color>\r\n"
    "@p-@\r\n"
    "<LatLonBox>\r\n"
    "@n-@\r\n"
    "@s-@\r\n"
    "@e-@\r\n"
    "@w-@\r\n"
    "<rotation>-0.123</rotation>\r\n"
    "</LatLonBox></GroundOverlay></Folder></kml>\r\n";

class OverlayKmlTest : public ::testing::Test {
 protected:
  OverlayKmlTest() {
    text_.project_name = "test";
    text_.icon_name = "test.sx.png";
    text_.corner = [this](OverlayCorner c) {
      corners_asked_.push_back(c);
      return c == OverlayCorner::kNorthWest ? LatLonDeg{35.7, 139.6} : LatLonDeg{35.5, 139.9};
    };
  }
  std::string Fill(const std::string& template_bytes) {
    WriteBytes(dir_ / "Dorx.kml", template_bytes);
    WriteOverlayKmlFile(dir_ / "Dorx.kml", dir_ / "test.sx.kml", text_, sink_);
    return ReadBytes(dir_ / "test.sx.kml");
  }

  ScratchFolder dir_;
  RecordingSink sink_;
  OverlayText text_;
  std::vector<OverlayCorner> corners_asked_;
};

TEST(WriteDefaultKmlTemplate, WritesTheSeventeenLinesByteForByte) {
  ScratchFolder dir;
  RecordingSink sink;
  ASSERT_TRUE(WriteDefaultKmlTemplate(dir / "Dorx.kml", sink));
  EXPECT_EQ(ReadBytes(dir / "Dorx.kml"), kDefaultTemplate);
  EXPECT_TRUE(sink.messages.empty());
}

TEST(WriteDefaultKmlTemplate, UncreatableFileSends121) {
  ScratchFolder dir;
  RecordingSink sink;
  EXPECT_FALSE(WriteDefaultKmlTemplate(dir / "no/Dorx.kml", sink));
  EXPECT_EQ(sink.Codes(), std::vector<int>{121});
}

// The worked example: replacements carry no line end, so the following
// template line continues on the same output line; eleven LF lines.
TEST_F(OverlayKmlTest, FillsTheDefaultTemplate) {
  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<kml  xmlns=\"http://www.opengis.net/kml/2.2\">\n"
      "<Folder>\n"
      "<name>Ground Overlays</name>\n"
      "<description>*-Dorx-*</description>\n"
      "<GroundOverlay>\n"
      "<name>Large-scale overlay on terrain</name>\n"
      "<description>test</description><color>80ffffff</color>\n"
      "<Icon>test.sx.png</Icon><LatLonBox>\n"
      "<north>35.700000</north><south>35.500000</south><east>139.900000</east><west>139.600000</west>"
      "<rotation>-0.123</rotation>\n"
      "</LatLonBox></GroundOverlay></Folder></kml>\n";
  EXPECT_EQ(Fill(kDefaultTemplate), expected);
  EXPECT_TRUE(sink_.messages.empty());
  // One corner read per placeholder line, in the order of the lines n, s, e, w.
  EXPECT_EQ(corners_asked_, (std::vector<OverlayCorner>{OverlayCorner::kNorthWest, OverlayCorner::kSouthEast,
                                                        OverlayCorner::kSouthEast, OverlayCorner::kNorthWest}));
}

struct LineCase {
  const char* why;
  std::string template_bytes;
  std::string output;
};

TEST_F(OverlayKmlTest, PlaceholderTestOnTheFirstFourBytes) {
  const LineCase cases[] = {
      {"text after the placeholder is lost", "@n-@ extra\r\nnext\r\n", "<north>35.700000</north>next\n"},
      {"a leading blank makes it an ordinary line", " @n-@\r\n", " @n-@\n"},
      {"three bytes are no placeholder", "@d-\r\n@d-", "@d-\n@d-"},
      {"a placeholder at the end without line end", "a\n@s-@", "a\n<south>35.500000</south>"},
      {"no placeholders: copied with LF line ends", "one\r\ntwo\nthree", "one\ntwo\nthree"},
      {"an empty template gives an empty file", "", ""},
  };
  for (const LineCase& c : cases) EXPECT_EQ(Fill(c.template_bytes), c.output) << c.why;
}

TEST_F(OverlayKmlTest, NegativeAndNarrowCoordinatesUseTheWrittenFormat) {
  text_.corner = [](OverlayCorner) { return LatLonDeg{-1.5, 7.25}; };
  EXPECT_EQ(Fill("@n-@@w-@\n"), "<north>-1.500000</north>");
}

TEST_F(OverlayKmlTest, ConvertsTheOutputFromCp932ToUtf8) {
  text_.project_name = Sjis("富士山");
  text_.icon_name = Sjis("富士山.sx.png");
  EXPECT_EQ(Fill("@d-@\n@p-@\n" + Sjis("<name>地図</name>") + "\r\n"),
            "<description>富士山</description><Icon>富士山.sx.png</Icon><name>地図</name>\n");
}

// A template line over 1,023 bytes arrives in pieces of 1,023 bytes, each
// treated as a line: nothing is lost, and a piece can be a placeholder line.
TEST_F(OverlayKmlTest, LongLinesArriveInPieces) {
  const std::string a1023(1023, 'a');
  EXPECT_EQ(Fill(a1023 + "@n-@tail\nend\n"), a1023 + "<north>35.700000</north>end\n");
  const std::string b3000(3000, 'b');
  EXPECT_EQ(Fill(b3000 + "\r\n"), b3000 + "\n");
  // A double-byte character cut between two pieces stays whole.
  std::string wide;
  for (int i = 0; i < 700; ++i) wide += Sjis("あ");
  std::string wide_utf8;
  for (int i = 0; i < 700; ++i) wide_utf8 += "あ";
  EXPECT_EQ(Fill(" " + wide + "\n"), " " + wide_utf8 + "\n");
}

TEST_F(OverlayKmlTest, GarbageTemplateBytesDoNoHarm) {
  EXPECT_FALSE(Fill(test::GarbageBytes(5000, 3)).empty());
  EXPECT_TRUE(sink_.messages.empty());
}

TEST_F(OverlayKmlTest, MissingTemplateSends117) {
  WriteOverlayKmlFile(dir_ / "Dorx.kml", dir_ / "test.sx.kml", text_, sink_);
  EXPECT_EQ(sink_.Codes(), std::vector<int>{117});
  EXPECT_FALSE(test::ReadBytes(dir_ / "test.sx.kml").size());
  EXPECT_TRUE(corners_asked_.empty());
}

TEST_F(OverlayKmlTest, UncreatableOutputSends119WithTheWritePath) {
  WriteBytes(dir_ / "Dorx.kml", kDefaultTemplate);
  const std::string output = dir_ / "no-such-folder/test.sx.kml";
  WriteOverlayKmlFile(dir_ / "Dorx.kml", output, text_, sink_);
  ASSERT_EQ(sink_.Codes(), std::vector<int>{119});
  EXPECT_EQ(sink_.messages[0].message_text, "Write: " + output);
  EXPECT_TRUE(corners_asked_.empty());
}

}  // namespace
}  // namespace dorx
