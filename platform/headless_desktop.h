#pragma once
// Desktop services without a screen, for the tests and the command line: the
// dialogs and questions answer from a script, everything shown is recorded,
// and message boxes can be echoed to a stream.
#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/desktop.h"

namespace dorx {

class HeadlessDesktop : public Desktop {
 public:
  struct Box {
    std::string text;  // UTF-8
    bool question = false;
    bool answer = false;  // the answer given to a question
  };

  // Answers, used first to last; when a queue is empty a question is answered
  // by default_answer and a dialog is cancelled.
  std::deque<bool> answers;
  bool default_answer = true;
  std::deque<std::optional<std::string>> chosen_files;
  std::deque<std::optional<std::string>> chosen_folders;

  // Message boxes are written here, one text and a line feed each, when set.
  std::ostream* box_echo = nullptr;

  // What was shown.
  std::string status_text;
  std::vector<std::string> status_history;  // every status text, in order, when record_status is set
  bool record_status = false;
  std::string caption;
  std::vector<Box> boxes;
  std::vector<OpenFileRequest> file_requests;
  std::vector<std::string> folder_requests;
  std::vector<int> title_counts;
  std::string title_mode;
  bool working_window = false;
  long long pending_event_calls = 0;
  long long repaints = 0;
  std::optional<int> end_status;

  void SetStatusText(const std::string& utf8) override;
  void SetCaption(const std::string& utf8) override { caption = utf8; }
  void ShowMessage(const std::string& utf8) override;
  bool AskYesNo(const std::string& utf8) override;
  std::optional<std::string> ChooseOpenFile(const OpenFileRequest& request) override;
  std::optional<std::string> ChooseFolder(const std::string& caption_utf8) override;
  void ProcessPendingEvents() override;
  void Repaint() override { ++repaints; }
  void ShowTitleScreen(const std::string& mode_name) override;
  void ShowTitleCount(int count) override { title_counts.push_back(count); }
  void ShowWorkingWindow() override { working_window = true; }
  void EndProgram(int status) override { end_status = status; }

  // Called on every ProcessPendingEvents, when set: where a script or the
  // command line does its work between the cells of a run.
  std::function<void()> on_pending_events;
};

}  // namespace dorx
