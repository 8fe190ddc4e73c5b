#include "platform/headless_desktop.h"

namespace dorx {
namespace {

template <typename T>
std::optional<T> TakeFront(std::deque<std::optional<T>>& queue) {
  if (queue.empty()) return std::nullopt;
  std::optional<T> front = std::move(queue.front());
  queue.pop_front();
  return front;
}

}  // namespace

void HeadlessDesktop::SetStatusText(const std::string& utf8) {
  status_text = utf8;
  if (record_status) status_history.push_back(utf8);
}

void HeadlessDesktop::ShowMessage(const std::string& utf8) {
  boxes.push_back({utf8, false, false});
  if (box_echo) *box_echo << utf8 << '\n';
}

bool HeadlessDesktop::AskYesNo(const std::string& utf8) {
  bool answer = default_answer;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  boxes.push_back({utf8, true, answer});
  if (box_echo) *box_echo << utf8 << (answer ? " [Yes]" : " [No]") << '\n';
  return answer;
}

std::optional<std::string> HeadlessDesktop::ChooseOpenFile(const OpenFileRequest& request) {
  file_requests.push_back(request);
  return TakeFront(chosen_files);
}

std::optional<std::string> HeadlessDesktop::ChooseFolder(const std::string& caption_utf8) {
  folder_requests.push_back(caption_utf8);
  return TakeFront(chosen_folders);
}

void HeadlessDesktop::ProcessPendingEvents() {
  ++pending_event_calls;
  if (on_pending_events) on_pending_events();
}

void HeadlessDesktop::ShowTitleScreen(const std::string& mode_name) {
  title_mode = mode_name;
  working_window = false;
}

}  // namespace dorx
