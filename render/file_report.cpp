#include "render/file_report.h"

#include "platform/sjis.h"

namespace dorx {

void ReportFileNotOpen(MessageSink& sink, FileAccess access, const std::string& path, int code) {
  const char* what = access == FileAccess::kRead ? "Read: " : "Write: ";
  sink.SetMessageText(Utf8ToCp932(what + path));
  sink.ShowMessageCode(code);
}

}  // namespace dorx
