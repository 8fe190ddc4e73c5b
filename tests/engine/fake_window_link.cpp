#include "fake_window_link.h"

namespace dorx::test {

void FakeWindowLink::ShowMessageCode(int code, int a, int b) {
  const bool cell = code >= 5001 && code <= 5031;
  if (cell) {
    const int64_t seen = ++cell_reports[code];
    if (code == stop_code && seen == stop_after) ctx_.StopRequested = true;
  }
  if (!cell || record_cells) events.push_back({"message", code, a, b, ctx_.MessageText});
  if (code == 0) ctx_.MessageText.clear();
}

void FakeWindowLink::PaintCell(int code, int a, int b) {
  events.push_back({"paint", code, a, b, ""});
  if (code == -5003) {
    ctx_.geometry.ImageHeight = size_height;
    ctx_.geometry.ImageWidth = size_width;
  }
  if (on_paint) on_paint(code);
}

std::vector<LinkEvent> FakeWindowLink::CellEvents(int code) const {
  std::vector<LinkEvent> out;
  for (const LinkEvent& e : events)
    if (e.kind == "message" && e.code == code) out.push_back(e);
  return out;
}

std::vector<LinkEvent> FakeWindowLink::RunEvents() const {
  std::vector<LinkEvent> out;
  for (const LinkEvent& e : events)
    if (!(e.kind == "message" && e.code >= 5001 && e.code <= 5031)) out.push_back(e);
  return out;
}

std::vector<int> FakeWindowLink::MessageCodes() const {
  std::vector<int> out;
  for (const LinkEvent& e : events)
    if (e.kind == "message" && e.code < 5000) out.push_back(e.code);
  return out;
}

}  // namespace dorx::test
