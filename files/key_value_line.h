#pragma once
// The line and word rules shared by the positional text readers (project,
// settings, datum-shift and antenna pattern files). A line is read into a
// 128-byte buffer, so at most 127 bytes of it are kept; a longer piece fails
// the reader and every later read gives an empty text. A key line is read in
// two pieces: the key up to the first blank, then the value text up to the
// line end. Keys are never compared: the readers are positional.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_stream.h"

namespace dorx {

inline constexpr int kLineBufferBytes = 128;
inline constexpr size_t kMaxValueWords = 8;

// Bytes up to `delim` (consumed, not kept), at most 127 of them, as
// istream::getline. A key without a blank runs on into the following lines.
std::string ReadLinePiece(TextReader& reader, char delim);

// A separator or header line: read and discarded whatever it holds.
void SkipLine(TextReader& reader);

struct KeyValueLine {
  std::string key;    // bytes up to the first blank
  std::string value;  // the rest of the line, without its line end
};
KeyValueLine ReadKeyValueLine(TextReader& reader);

// Up to eight words of the value text: leading blanks skipped, a run of blanks
// separates, and only the blank 0x20 separates (a tab is part of a word).
std::vector<std::string> SplitValueWords(std::string_view value);

// Word `index` (from 0), or "" when the text has fewer words.
std::string_view WordAt(const std::vector<std::string>& words, size_t index);

}  // namespace dorx
