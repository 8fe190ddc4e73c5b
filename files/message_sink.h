#pragma once
// The readers and writers report through the message dispatcher of the window
// (ShowMessageCode) and hand it texts through MessageText.
#include <string_view>

namespace dorx {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // MessageText: CP932, at most 1,023 bytes (longer texts are cut).
  virtual void SetMessageText(std::string_view cp932) = 0;
  virtual void ShowMessageCode(int code, int a = 0, int b = 0) = 0;
};

}  // namespace dorx
