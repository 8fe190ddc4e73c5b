#include "files/key_value_line.h"

#include <gtest/gtest.h>

#include <string>

namespace dorx {
namespace {

TEST(ReadKeyValueLine, SplitsAtTheFirstBlankAndKeepsTheRestOfTheLine) {
  TextReader in = TextReader::FromBytes("Coarse_(1,2,3,...)(1<skip)_____(char)    1 2\r\nnext\r\n");
  const KeyValueLine line = ReadKeyValueLine(in);
  EXPECT_EQ(line.key, "Coarse_(1,2,3,...)(1<skip)_____(char)");
  EXPECT_EQ(line.value, "   1 2");  // the first blank is consumed with the key, the CR LF is not kept
  EXPECT_EQ(ReadLinePiece(in, '\n'), "next");
}

TEST(ReadKeyValueLine, LfAndCrLfLineEndsReadAlike) {
  TextReader lf = TextReader::FromBytes("k v1\nk v2\n");
  TextReader crlf = TextReader::FromBytes("k v1\r\nk v2\r\n");
  for (TextReader* in : {&lf, &crlf}) {
    EXPECT_EQ(ReadKeyValueLine(*in).value, "v1");
    EXPECT_EQ(ReadKeyValueLine(*in).value, "v2");
  }
}

TEST(ReadKeyValueLine, KeyWithoutBlankRunsOnIntoTheNextLine) {
  TextReader in = TextReader::FromBytes("KeyWithoutBlank\nsecond line\nthird\n");
  const KeyValueLine line = ReadKeyValueLine(in);
  EXPECT_EQ(line.key, "KeyWithoutBlank\nsecond");
  EXPECT_EQ(line.value, "line");
  EXPECT_EQ(ReadKeyValueLine(in).key, "third\n");  // every later value comes from the wrong place
}

TEST(ReadKeyValueLine, TabDoesNotEndTheKey) {
  TextReader in = TextReader::FromBytes("key\tvalue more\n");
  const KeyValueLine line = ReadKeyValueLine(in);
  EXPECT_EQ(line.key, "key\tvalue");
  EXPECT_EQ(line.value, "more");
}

// A piece of 127 bytes fits the 128-byte buffer; one of 128 fails the reader,
// and every later read is empty.
TEST(ReadLinePiece, LinesOfUpTo127BytesAreKeptAndLongerOnesFailTheReader) {
  const std::string b127(127, 'x');
  TextReader fits = TextReader::FromBytes(b127 + "\nafter\n");
  EXPECT_EQ(ReadLinePiece(fits, '\n'), b127);
  EXPECT_FALSE(fits.Failed());
  EXPECT_EQ(ReadLinePiece(fits, '\n'), "after");

  TextReader too_long = TextReader::FromBytes(std::string(200, 'y') + "\nafter\nk v\n");
  EXPECT_EQ(ReadLinePiece(too_long, '\n'), std::string(127, 'y'));  // cut
  EXPECT_TRUE(too_long.Failed());
  EXPECT_EQ(ReadLinePiece(too_long, '\n'), "");
  const KeyValueLine later = ReadKeyValueLine(too_long);
  EXPECT_EQ(later.key, "");
  EXPECT_EQ(later.value, "");
}

TEST(ReadLinePiece, EndOfDataReadsEmpty) {
  TextReader in = TextReader::FromBytes("last line without end");
  EXPECT_EQ(ReadLinePiece(in, '\n'), "last line without end");
  EXPECT_FALSE(in.Failed());  // the last line counts as read
  EXPECT_EQ(ReadLinePiece(in, '\n'), "");
  EXPECT_TRUE(in.Failed());
}

struct SplitCase {
  const char* why;
  std::string value;
  std::vector<std::string> words;
};

TEST(SplitValueWords, CutsAtBlanksOnly) {
  const SplitCase cases[] = {
      {"leading blanks skipped, runs of blanks are one separator", "   035  21 38.40", {"035", "21", "38.40"}},
      {"a tab is part of the word", "1\t2 3", {"1\t2", "3"}},
      {"trailing blanks give no empty word", "a  ", {"a"}},
      {"nothing but blanks gives no word", "    ", {}},
      {"empty text", "", {}},
      {"at most eight words", "1 2 3 4 5 6 7 8 9 10", {"1", "2", "3", "4", "5", "6", "7", "8"}},
      {"CP932 double-byte text stays whole (trail bytes are never 0x20)", "\x95\x78\x8e\x6d\x8e\x52 x",
       {"\x95\x78\x8e\x6d\x8e\x52", "x"}},
  };
  for (const SplitCase& c : cases) EXPECT_EQ(SplitValueWords(c.value), c.words) << c.why;
}

TEST(WordAt, MissingWordsAreEmpty) {
  const std::vector<std::string> words = SplitValueWords("one two");
  EXPECT_EQ(WordAt(words, 1), "two");
  EXPECT_EQ(WordAt(words, 2), "");
}

}  // namespace
}  // namespace dorx
