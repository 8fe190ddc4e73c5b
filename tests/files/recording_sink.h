#pragma once
// A message dispatcher that records what the readers and writers send.
#include <string>
#include <string_view>
#include <vector>

#include "files/message_sink.h"

namespace dorx::test {

class RecordingSink : public MessageSink {
 public:
  struct Message {
    int code;
    std::string message_text;  // MessageText when the code was sent
  };

  void SetMessageText(std::string_view cp932) override { message_text = std::string(cp932.substr(0, 1023)); }
  void ShowMessageCode(int code, int, int) override { messages.push_back(Message{code, message_text}); }

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const Message& m : messages) codes.push_back(m.code);
    return codes;
  }

  std::string message_text;
  std::vector<Message> messages;
};

}  // namespace dorx::test
