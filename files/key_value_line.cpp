#include "files/key_value_line.h"

namespace dorx {

std::string ReadLinePiece(TextReader& reader, char delim) { return reader.GetLine(kLineBufferBytes, delim); }

void SkipLine(TextReader& reader) { ReadLinePiece(reader, '\n'); }

KeyValueLine ReadKeyValueLine(TextReader& reader) {
  KeyValueLine line;
  line.key = ReadLinePiece(reader, ' ');
  line.value = ReadLinePiece(reader, '\n');
  return line;
}

std::vector<std::string> SplitValueWords(std::string_view value) {
  std::vector<std::string> words;
  size_t i = 0;
  while (words.size() < kMaxValueWords) {
    while (i < value.size() && value[i] == ' ') ++i;
    if (i == value.size()) break;
    const size_t start = i;
    while (i < value.size() && value[i] != ' ') ++i;
    words.emplace_back(value.substr(start, i - start));
  }
  return words;
}

std::string_view WordAt(const std::vector<std::string>& words, size_t index) {
  return index < words.size() ? std::string_view(words[index]) : std::string_view();
}

}  // namespace dorx
