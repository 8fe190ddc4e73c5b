#include "platform/utf8_decode.h"

#include <gtest/gtest.h>

namespace dorx {
namespace {

TEST(DecodeUtf8, WellFormedCharactersOfEveryLength) {
  EXPECT_EQ(DecodeUtf8("A"), U"A");
  EXPECT_EQ(DecodeUtf8("\xC3\xA9"), U"\u00E9");
  EXPECT_EQ(DecodeUtf8("送信局名"), U"送信局名");
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x98\x80"), U"\U0001F600");
  EXPECT_EQ(DecodeUtf8("\xF4\x8F\xBF\xBF"), U"\U0010FFFF");
  EXPECT_EQ(DecodeUtf8(""), U"");
  EXPECT_EQ(DecodeUtf8(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));
}

// Each byte that does not start a well-formed character becomes one U+FFFD;
// the decoding goes on with the next byte.
TEST(DecodeUtf8, MalformedBytesBecomeOneReplacementEach) {
  struct Case {
    const char* why;
    std::string bytes;
    std::u32string expected;
  };
  const Case cases[] = {
      {"stray continuation byte", "a\x80z", U"a\uFFFDz"},
      {"lead byte without continuation", "\xC3z", U"\uFFFDz"},
      {"cut at the end", "a\xE3\x81", U"a\uFFFD\uFFFD"},
      {"overlong slash", "\xC0\xAF", U"\uFFFD\uFFFD"},
      {"overlong three-byte form", "\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
      {"surrogate", "\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"no UTF-8 lead byte", "\xFF\xFE", U"\uFFFD\uFFFD"},
      {"CP932 bytes", "\x91\x97", U"\uFFFD\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeUtf8(c.bytes), c.expected) << c.why;
}

}  // namespace
}  // namespace dorx
