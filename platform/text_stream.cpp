#include "platform/text_stream.h"

#include <cstdio>

#include "platform/file_system.h"

namespace dorx {

std::string TranslateLineEnds(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') continue;
    out.push_back(raw[i]);
  }
  return out;
}

std::optional<TextReader> TextReader::Open(const std::string& path) {
  std::optional<std::string> raw = ReadWholeFile(path);
  if (!raw) return std::nullopt;
  return TextReader(TranslateLineEnds(*raw));
}

TextReader TextReader::FromBytes(std::string_view raw) { return TextReader(TranslateLineEnds(raw)); }

std::string TextReader::GetLine(int size, char delim) {
  std::string buffer(static_cast<size_t>(size > 0 ? size : 1), '\0');
  stream_.getline(buffer.data(), size, delim);
  if (stream_.fail() && stream_.gcount() == 0) return std::string();
  return std::string(buffer.c_str());
}

std::optional<std::string> TextReader::Fgets(int size) {
  if (size <= 1 || stream_.fail()) return std::nullopt;
  std::string line;
  while (static_cast<int>(line.size()) < size - 1) {
    const int c = stream_.get();
    if (c == std::char_traits<char>::eof()) break;
    line.push_back(static_cast<char>(c));
    if (c == '\n') break;
  }
  if (line.empty()) return std::nullopt;
  stream_.clear(stream_.rdstate() & ~std::ios::failbit);
  return line;
}

std::optional<TextWriter> TextWriter::Create(const std::string& path) {
  if (path.empty() || path.size() > kMaxPathBytes) return std::nullopt;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return std::nullopt;
  return TextWriter(f);
}

TextWriter::TextWriter(TextWriter&& other) noexcept : file_(other.file_) { other.file_ = nullptr; }

TextWriter::~TextWriter() { Close(); }

bool TextWriter::Write(std::string_view text) {
  if (!file_) return false;
  FILE* f = static_cast<FILE*>(file_);
  std::string out;
  out.reserve(text.size() + 8);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  if (!out.empty() && std::fwrite(out.data(), 1, out.size(), f) != out.size()) return false;
  return std::fflush(f) == 0;
}

bool TextWriter::Close() {
  if (!file_) return true;
  const bool ok = std::fclose(static_cast<FILE*>(file_)) == 0;
  file_ = nullptr;
  return ok;
}

}  // namespace dorx
