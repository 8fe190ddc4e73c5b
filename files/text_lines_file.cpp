#include "files/text_lines_file.h"

#include "platform/text_stream.h"

namespace dorx {

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines, MessageSink& sink) {
  std::optional<TextWriter> out = TextWriter::Create(path);
  if (!out) {
    sink.ShowMessageCode(121);
    return false;
  }
  bool written = true;
  for (const std::string& line : lines) written = out->WriteLine(line) && written;
  return out->Close() && written;
}

}  // namespace dorx
