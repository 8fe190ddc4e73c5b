// The record files of the cell store: mapped reads, collected writes.
#include "engine/store_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "support/test_support.h"

namespace dorx {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

TEST(StoreFile, ReadingCopiesOnlyTheBytesTheFileHolds) {
  ScratchFolder dir;
  WriteBytes(dir / "ten", "0123456789");
  StoreFile f;
  ASSERT_TRUE(f.Open(dir / "ten", "rb"));
  EXPECT_TRUE(f.IsReadable());
  EXPECT_EQ(f.size(), 10);

  struct Row {
    int64_t offset;
    size_t size;
    std::string expected;  // what lands in a buffer of dots
    const char* why;
  };
  const Row rows[] = {
      {0, 4, "0123....", "inside the file"},
      {8, 6, "89......", "partly past the end: the part before it"},
      {10, 4, "........", "starting at the end: nothing"},
      {50, 4, "........", "wholly past the end: nothing"},
      {-1, 4, "........", "a negative offset: nothing"},
  };
  for (const Row& r : rows) {
    std::string buffer(8, '.');
    const size_t n = f.ReadAt(r.offset, buffer.data(), r.size);
    EXPECT_EQ(buffer, r.expected) << r.why;
    EXPECT_EQ(n, r.expected.find('.') == std::string::npos ? 8 : r.expected.find('.')) << r.why;
  }
}

TEST(StoreFile, AnEmptyFileOpensAndReadsNothing) {
  ScratchFolder dir;
  WriteBytes(dir / "empty", "");
  StoreFile f;
  ASSERT_TRUE(f.Open(dir / "empty", "rb"));
  char c = 'x';
  EXPECT_EQ(f.ReadAt(0, &c, 1), 0u);
  EXPECT_EQ(c, 'x');
}

TEST(StoreFile, WritingCreatesAtOnceAndWritesAtClose) {
  ScratchFolder dir;
  WriteBytes(dir / "out", "old content that must go");
  StoreFile f;
  ASSERT_TRUE(f.Open(dir / "out", "wb"));
  EXPECT_EQ(ReadBytes(dir / "out"), "") << "wb empties the file when it opens";
  f.WriteAt(4, "AB", 2);
  f.WriteAt(1, "x", 1);
  f.WriteAt(5, "CD", 2);
  f.WriteAt(40, nullptr, 0);  // a write of nothing neither grows the file nor reads its source
  char c = 0;
  EXPECT_EQ(f.ReadAt(0, &c, 1), 0u) << "a file opened for writing is not read";
  ASSERT_TRUE(f.Close());
  EXPECT_EQ(ReadBytes(dir / "out"), std::string("\0x\0\0ACD", 7)) << "holes are zero bytes";
}

TEST(StoreFile, ReopeningASlotClosesTheFileItHeld) {
  ScratchFolder dir;
  StoreFile f;
  ASSERT_TRUE(f.Open(dir / "first", "wb"));
  f.WriteAt(0, "1", 1);
  ASSERT_TRUE(f.Open(dir / "second", "wb"));
  f.WriteAt(0, "2", 1);
  f.Close();
  EXPECT_EQ(ReadBytes(dir / "first"), "1");
  EXPECT_EQ(ReadBytes(dir / "second"), "2");
}

TEST(StoreFile, AReadableFileIgnoresWrites) {
  ScratchFolder dir;
  WriteBytes(dir / "in", "abc");
  StoreFile f;
  ASSERT_TRUE(f.Open(dir / "in", "rb"));
  f.WriteAt(0, "zzz", 3);
  f.Close();
  EXPECT_EQ(ReadBytes(dir / "in"), "abc");
}

TEST(StoreFile, WritesBeyondTheLargestFileAreDropped) {
  ScratchFolder dir;
  StoreFile f;
  ASSERT_TRUE(f.Open(dir / "out", "wb"));
  f.WriteAt(StoreFile::kMaxBytes, "x", 1);
  f.WriteAt(INT64_MAX - 1, "xy", 2);
  f.WriteAt(-160, "x", 1);
  f.WriteAt(2, "k", 1);
  ASSERT_TRUE(f.Close());
  EXPECT_EQ(ReadBytes(dir / "out"), std::string("\0\0k", 3));
}

TEST(StoreFile, FilesThatCannotBeOpened) {
  ScratchFolder dir;
  ::mkdir((dir / "folder").c_str(), 0777);
  struct Row {
    std::string path;
    const char* mode;
    const char* why;
  };
  const Row rows[] = {
      {dir / "missing", "rb", "a missing file"},
      {dir / "folder", "rb", "a folder"},
      {dir / "folder", "wb", "a folder cannot be written"},
      {dir / "no/such/folder/file", "wb", "a missing folder"},
      {dir.path() + std::string(1024, 'n'), "wb", "a name over 1,023 bytes"},
      {dir / "x", "r+b", "an unknown mode"},
      {"", "rb", "an empty name"},
  };
  for (const Row& r : rows) {
    StoreFile f;
    EXPECT_FALSE(f.Open(r.path, r.mode)) << r.why;
    EXPECT_FALSE(f.IsOpen()) << r.why;
  }
  EXPECT_FALSE(test::ReadBytes(dir / "x").size()) << "a refused mode creates nothing";
}

TEST(StoreFile, ANameOf1023BytesStillOpens) {
  ScratchFolder dir;
  std::string path = dir.path();
  // 1,023 bytes in all, below the file system's 255-byte limit per name.
  while (path.size() + 201 <= 1023) {
    path += std::string(200, 'd') + "/";
    ::mkdir(path.c_str(), 0777);
  }
  path += std::string(1023 - path.size(), 'f');
  ASSERT_EQ(path.size(), 1023u);
  StoreFile f;
  EXPECT_TRUE(f.Open(path, "wb"));
}

}  // namespace
}  // namespace dorx
