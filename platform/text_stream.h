#pragma once
// Reading and writing text files as the system's runtime does in text mode:
// reading turns CR LF into LF, writing turns LF into CR LF. Bytes are passed
// through unchanged otherwise (the files are CP932).
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace dorx {

// CR LF -> LF; a CR not followed by LF stays.
std::string TranslateLineEnds(std::string_view raw);

// A text file opened for reading, with the two line primitives the readers use.
class TextReader {
 public:
  // Nothing when the file cannot be opened.
  static std::optional<TextReader> Open(const std::string& path);
  static TextReader FromBytes(std::string_view raw);

  // As std::istream::getline(buffer, size, delim): up to size - 1 bytes before
  // delim; the delimiter is consumed and not stored. When size - 1 bytes are
  // stored without meeting delim the stream fails, and every later call returns
  // an empty text. At the end of the data the stream fails as well.
  std::string GetLine(int size, char delim = '\n');
  bool Failed() const { return stream_.fail(); }

  // As fgets(buffer, size, f): up to size - 1 bytes, the line end included when
  // it fits. Nothing at the end of the data.
  std::optional<std::string> Fgets(int size);

 private:
  explicit TextReader(std::string translated) : stream_(std::move(translated)) {}
  std::istringstream stream_;
};

// A text file opened for writing ("w" in text mode): every "\n" is written as
// CR LF and the line is flushed at once.
class TextWriter {
 public:
  // Nothing when the file cannot be created.
  static std::optional<TextWriter> Create(const std::string& path);
  TextWriter(TextWriter&& other) noexcept;
  TextWriter& operator=(TextWriter&&) = delete;
  ~TextWriter();

  // Writes the text with LF translated to CR LF; false when writing failed.
  bool Write(std::string_view text);
  bool WriteLine(std::string_view text) { return Write(text) && Write("\n"); }
  bool Close();

 private:
  explicit TextWriter(void* file) : file_(file) {}
  void* file_;
};

}  // namespace dorx
