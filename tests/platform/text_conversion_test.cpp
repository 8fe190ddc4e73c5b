// CP932 and UTF-8 conversion, and printf-style formatting.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/c_format.h"
#include "platform/sjis.h"
#include "decimal_comma_locale.h"

namespace dorx {
namespace {

TEST(Sjis, JapaneseTextsOfTheSystemGoBothWays) {
  struct Case {
    std::string utf8;
    std::string cp932;
  };
  const Case cases[] = {
      {"送信局名", "\x91\x97\x90\x4D\x8B\xC7\x96\xBC"},
      {"ﾟ", "\xDF"},              // half-width semi-voiced mark: one byte
      {"゜", "\x81\x4B"},
      {"↓", "\x81\xAB"},
      {"　", "\x81\x40"},         // ideographic space
      {"[m] 12.5", "[m] 12.5"},  // ASCII stays as it is
      {"\\~", "\\~"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.utf8;
    EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
  }
}

TEST(Sjis, BytesThatAreNotCp932BecomeReplacementCharacters) {
  const std::string r = "\xEF\xBF\xBD";
  EXPECT_EQ(Cp932ToUtf8("a\x82"), "a" + r);        // lead byte cut at the end
  EXPECT_EQ(Cp932ToUtf8("\x82\x20z"), r + " z");  // lead byte before a blank
  EXPECT_EQ(Cp932ToUtf8("\xFF" "a"), r + "a");
  EXPECT_EQ(Cp932ToUtf8(""), "");
}

TEST(Sjis, CharactersWithoutACp932FormBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("\xF0\x9F\x98\x80" "a"), "?a");  // an emoji
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");             // not UTF-8
  EXPECT_EQ(Utf8ToCp932("a\xE3\x81"), "a?");              // cut character
}

TEST(Format, PrintfFormatsWithoutAFixedBuffer) {
  EXPECT_EQ(Format("%4.2f [m]", 3.14159), "3.14 [m]");
  EXPECT_EQ(Format("  %+3.1f  ", -20.0), "  -20.0  ");
  EXPECT_EQ(Format("  %+3.1f  ", 0.0), "  +0.0  ");
  EXPECT_EQ(Format("%03d\xDF %02d'", 35, 7), "035\xDF 07'");  // CP932 bytes pass through
  EXPECT_EQ(Format("%04.1f", -999.9), "-999.9");
  EXPECT_EQ(Format("%s", ""), "");
  const std::string long_text(5000, 'a');
  EXPECT_EQ(Format("<%s>", long_text.c_str()), "<" + long_text + ">");
}

TEST(Format, WritesADecimalPointInAnyLocale) {
  const test::DecimalCommaLocale comma_locale;
  if (!comma_locale.switched()) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const std::string text = Format("%4.2f", 2.5);
  EXPECT_EQ(text, "2.50");
}

}  // namespace
}  // namespace dorx
