#pragma once
// The report of a file that cannot be read or written: MessageText "Read: "
// or "Write: " with the full path (CP932), then the message code.
#include <string>

#include "files/message_sink.h"

namespace dorx {

enum class FileAccess { kRead, kWrite };

void ReportFileNotOpen(MessageSink& sink, FileAccess access, const std::string& path, int code);

}  // namespace dorx
