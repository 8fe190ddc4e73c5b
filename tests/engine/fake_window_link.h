#pragma once
// A window link that records what a run asks of the window, in order, and can
// press Stop after a given number of progress reports.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/context.h"
#include "engine/window_link.h"

namespace dorx::test {

struct LinkEvent {
  std::string kind;  // "message", "paint", "layer", "images", "panel", "fields", "params", "path", "map"
  int code = 0;
  int a = 0;
  int b = 0;
  std::string text{};  // MessageText at a message, the path of "path"
  bool operator==(const LinkEvent&) const = default;
};

class FakeWindowLink : public WindowLink {
 public:
  explicit FakeWindowLink(Context& ctx) : ctx_(ctx) {}

  // Per-cell progress codes (5001 to 5031) are counted; they are recorded as
  // events only when record_cells is set.
  bool record_cells = false;
  // Sets StopRequested once `stop_after` reports of `stop_code` have arrived.
  int stop_code = 0;
  int64_t stop_after = -1;
  // Map size the painter would set at -5003 (the run stores it in the header).
  double size_height = 0.0;
  double size_width = 0.0;
  // Called after each direct PaintCell call, e.g. to spoil a file between
  // two stages of a run.
  std::function<void(int code)> on_paint;

  std::vector<LinkEvent> events;
  std::map<int, int64_t> cell_reports;
  // Every (a, b) reported with a code, in order, when record_cells is set.
  std::vector<LinkEvent> CellEvents(int code) const;
  // The non-cell events: messages below 5000 and everything else.
  std::vector<LinkEvent> RunEvents() const;
  // The codes of the messages below 5000, in order.
  std::vector<int> MessageCodes() const;

  void SetMessageText(std::string_view cp932) override { ctx_.SetMessageText(cp932); }
  void ShowMessageCode(int code, int a, int b) override;
  void PaintCell(int code, int a, int b) override;
  void ResetLayer(int code, int width, int height) override { events.push_back({"layer", code, width, height, ""}); }
  void ShowRunImages() override { events.push_back({"images", 0, 0, 0, ""}); }
  void DrawInfoPanel() override { events.push_back({"panel", 0, 0, 0, ""}); }
  void FieldsToParameters() override { events.push_back({"fields", 0, 0, 0, ""}); }
  void ParametersToFields() override { events.push_back({"params", 0, 0, 0, ""}); }
  void ShowProjectPath(const std::string& path) override { events.push_back({"path", 0, 0, 0, path}); }
  void ShowFinishedMap() override { events.push_back({"map", 0, 0, 0, ""}); }

 private:
  Context& ctx_;
};

}  // namespace dorx::test
