// Text files as the runtime's text mode handles them; the 127-byte line rule
// of the readers is covered with the key-value lines of the files module.
#include "platform/text_stream.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace dorx {
namespace {

TEST(TranslateLineEnds, OnlyCrLfBecomesLf) {
  EXPECT_EQ(TranslateLineEnds("a\r\nb\rc\r"), "a\nb\rc\r");
  EXPECT_EQ(TranslateLineEnds("\r\r\n\n"), "\r\n\n");
  EXPECT_EQ(TranslateLineEnds(""), "");
}

TEST(TextReader, FgetsKeepsTheLineEndAndSplitsLongLines) {
  TextReader in = TextReader::FromBytes("ab\r\nabcdef\nxyz");
  EXPECT_EQ(in.Fgets(8), "ab\n");
  EXPECT_EQ(in.Fgets(4), "abc");  // size - 1 bytes
  EXPECT_EQ(in.Fgets(4), "def");
  EXPECT_EQ(in.Fgets(4), "\n");
  EXPECT_EQ(in.Fgets(4), "xyz");  // the last line without an end
  EXPECT_EQ(in.Fgets(4), std::nullopt);
  TextReader small = TextReader::FromBytes("abc");
  EXPECT_EQ(small.Fgets(1), std::nullopt);
  EXPECT_EQ(small.Fgets(0), std::nullopt);
  EXPECT_EQ(small.Fgets(-5), std::nullopt);
}

TEST(TextReader, GetLineReadsLfAndCrLfLinesAlike) {
  TextReader in = TextReader::FromBytes("first\r\nsecond\nthird");
  EXPECT_EQ(in.GetLine(128), "first");
  EXPECT_EQ(in.GetLine(128), "second");
  EXPECT_EQ(in.GetLine(128), "third");
  EXPECT_FALSE(in.Failed());
  EXPECT_EQ(in.GetLine(128), "");
  EXPECT_TRUE(in.Failed());
  TextReader odd = TextReader::FromBytes("abc\n");
  EXPECT_EQ(odd.GetLine(0), "");  // no room: nothing read, no crash
}

TEST(TextReader, OpenFailsOnMissingFilesAndFolders) {
  test::ScratchFolder dir;
  EXPECT_FALSE(TextReader::Open(dir / "missing.txt").has_value());
  EXPECT_FALSE(TextReader::Open(dir.path()).has_value());
  test::WriteBytes(dir / "a.txt", "x\r\ny\r\n");
  std::optional<TextReader> in = TextReader::Open(dir / "a.txt");
  ASSERT_TRUE(in.has_value());
  EXPECT_EQ(in->GetLine(128), "x");
  EXPECT_EQ(in->GetLine(128), "y");
}

TEST(TextWriter, WritesCrLfAndFlushesEveryWrite) {
  test::ScratchFolder dir;
  const std::string path = dir / "out.txt";
  std::optional<TextWriter> out = TextWriter::Create(path);
  ASSERT_TRUE(out.has_value());
  EXPECT_TRUE(out->WriteLine("\x91\x97\x90\x4D"));
  EXPECT_TRUE(out->Write("a\nb"));
  EXPECT_EQ(test::ReadBytes(path), "\x91\x97\x90\x4D\r\na\r\nb");  // on disk before the close
  EXPECT_TRUE(out->Close());
  EXPECT_TRUE(out->Close());
  EXPECT_FALSE(out->Write("late"));

  std::optional<TextWriter> first = TextWriter::Create(dir / "moved.txt");
  ASSERT_TRUE(first.has_value());
  TextWriter second(std::move(*first));
  EXPECT_FALSE(first->Write("x"));
  EXPECT_TRUE(second.Write("y"));
}

TEST(TextWriter, CreateFailsWhereNoFileCanBe) {
  test::ScratchFolder dir;
  EXPECT_FALSE(TextWriter::Create(dir / "missing/out.txt").has_value());
  EXPECT_FALSE(TextWriter::Create(dir.path()).has_value());
  EXPECT_FALSE(TextWriter::Create("").has_value());
  EXPECT_FALSE(TextWriter::Create(dir.path() + std::string(1100, 'n')).has_value());
}

}  // namespace
}  // namespace dorx
