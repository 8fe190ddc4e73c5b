// The drawing of the default project's result (640 x 640 cells, a map of
// about 1007 x 824 pixels at magnification 100) as the drawing page does it:
// Open with its preview, Start (five layers per cell, the composition and the
// view), Save (the panel, the map and the grid map as PNG, two KML overlays).
// The window model runs on a headless desktop, so the per-cell dispatcher and
// status line are those of the window. Wall time is what the bar is set on.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "default_project_setup.h"
#include "engine/calculation_run.h"
#include "platform/headless_desktop.h"
#include "render/cell_painter.h"
#include "render/info_panel.h"
#include "render/layers.h"
#include "shell/simengine.h"

namespace dorx::bench {
namespace {

// The window's side of a run as far as the result file depends on it: the
// painting codes reach the cell painter, which also finds the map size that
// the run stores in the result header.
class PaintingLink : public NullWindowLink {
 public:
  explicit PaintingLink(Context& ctx) : ctx_(ctx) {}
  void ShowMessageCode(int code, int a, int b) override {
    if (code >= 5000) dorx::PaintCell(ctx_, rs_, code, a, b);
  }
  void PaintCell(int code, int a, int b) override { dorx::PaintCell(ctx_, rs_, code, a, b); }
  void ResetLayer(int code, int width, int height) override { dorx::ResetLayer(rs_.pictures, code, width, height); }
  void DrawInfoPanel() override { dorx::DrawInfoPanel(ctx_, rs_); }

 private:
  Context& ctx_;
  RenderState rs_;
};

// The default project's result file, computed once in the benchmark's own
// scratch folder.
struct DefaultResult {
  DefaultProject project;
  std::string path;

  DefaultResult() {
    Context& ctx = project.Fresh();
    PaintingLink link(ctx);
    const RunOutcome outcome = RunCalculation(ctx, link, RunOptions{false, true, {2013, 3, 10, 14, 5, 9}});
    if (!outcome.completed) throw std::runtime_error("the default project's run did not complete");
    path = outcome.result_path;
  }
  std::string ProgramFolder() const { return project.Folder() + "program/"; }
};

const DefaultResult& Result() {
  static const DefaultResult result;
  return result;
}

bool Click(TsimForm& form, const char* control) { return form.controls().Click(control); }

void BM_DrawDefaultResult(benchmark::State& state) {
  const DefaultResult& result = Result();
  HeadlessDesktop desktop;
  desktop.default_answer = false;  // drawing needs no datum table: do not convert one
  TsimForm form(desktop);
  form.StartUp(result.ProgramFolder());
  form.controls().SetText("EditAmpG", "100");
  for (auto _ : state) {
    desktop.chosen_files.push_back(result.path);
    if (!Click(form, "ButtonIMGOpen") || !form.drawing_opened()) {
      state.SkipWithError("Open did not accept the result file");
      break;
    }
    if (!Click(form, "ButtonIMGExec") || !form.drawing_validated() || form.last_report_code() != 0) {
      state.SkipWithError("Start did not draw the result");
      break;
    }
    if (!Click(form, "ButtonIMGSave")) {
      state.SkipWithError("Save could not be used");
      break;
    }
  }
  const MapGeometry& g = form.context().geometry;
  state.SetLabel(std::to_string(static_cast<int>(g.ImageWidth)) + " x " +
                 std::to_string(static_cast<int>(g.ImageHeight)) + " pixels");
}
BENCHMARK(BM_DrawDefaultResult)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Iterations(5);

}  // namespace
}  // namespace dorx::bench
