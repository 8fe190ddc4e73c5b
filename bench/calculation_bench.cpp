// The calculation of the default project (640 x 640 cells around
// 35 21'38.4"N 138 43'38.4"E, Coarse 1, the default Dorx.xix values) over the
// demo terrain: the whole run of the engine alone, the whole run as the
// calculation page's Start does it (the window model on a headless desktop,
// with the per-cell dispatcher, status line and progress painting), and the
// field-strength pass alone with one and with two tracing threads. Wall time
// is what the bar is set on.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "default_project_setup.h"
#include "engine/calculation_run.h"
#include "engine/field_strength_pass.h"
#include "engine/passes.h"
#include "engine/result_header_writer.h"
#include "engine/terrain_pass.h"
#include "platform/headless_desktop.h"
#include "shell/simengine.h"

namespace dorx::bench {
namespace {

DefaultProject& Project() {
  static DefaultProject project;
  return project;
}

void BM_WholeDefaultRun(benchmark::State& state) {
  DefaultProject& project = Project();
  NullWindowLink link;
  int64_t cells = 0;
  for (auto _ : state) {
    Context& ctx = project.Fresh();
    const RunOutcome outcome = RunCalculation(ctx, link, RunOptions{false, true, {2013, 3, 10, 14, 5, 9}});
    if (!outcome.completed) state.SkipWithError("the run did not complete");
    cells += int64_t{ctx.params.Range_North + ctx.params.Range_South} * (ctx.params.Range_East + ctx.params.Range_West);
  }
  state.counters["cells"] = benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeDefaultRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Iterations(3);

// Open the default project, choose the demo mesh folder, overwrite, Start.
void BM_WholeDefaultRunInWindow(benchmark::State& state) {
  DefaultProject& project = Project();
  HeadlessDesktop desktop;
  desktop.default_answer = false;  // no published grid here: do not convert one
  TsimForm form(desktop);
  form.StartUp(project.Folder() + "program/");
  form.context().datum = project.Fresh().datum;
  Controls& controls = form.controls();
  desktop.chosen_files.push_back(project.Folder() + "program/Dorx.xix");
  desktop.chosen_folders.push_back(project.Folder() + "mesh/");
  if (!controls.Click("ButtonSIMOpen") || !controls.Click("ButtonMesh") || !controls.Click("CheckBoxTxName")) {
    state.SkipWithError("the calculation page did not take the project");
    return;
  }
  for (auto _ : state) {
    if (!controls.Click("ButtonSIMExec") || !form.last_calculation().run.completed) {
      state.SkipWithError("the run did not complete");
      break;
    }
  }
}
BENCHMARK(BM_WholeDefaultRunInWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime()->Iterations(3);

// The files the field-strength pass reads, from the terrain and geometry
// passes of the default project run once, with the parameters and run values
// as those passes left them (re-centred ranges, station elevation).
struct GeometryFiles {
  std::string terrain, geometry, result;
  ProjectParameters params;
  RunValues run;
};

const GeometryFiles& PreparedGeometry(Context& ctx) {
  static const GeometryFiles files = [&ctx] {
    NullWindowLink link;
    const std::string folder = Project().Folder();
    GeometryFiles f;
    f.terrain = folder + "terrain.rec";
    f.geometry = folder + "geometry.rec";
    f.result = folder + "field.dorx";
    CellStore& s = ctx.store;
    if (!s.StoreFileA.Open(f.terrain, "wb")) throw std::runtime_error("cannot write " + f.terrain);
    LoadTerrainPass(ctx, link);
    s.StoreFileA.Close();
    if (!s.StoreFileA.Open(f.terrain, "rb") || !s.StoreFileB.Open(f.geometry, "wb"))
      throw std::runtime_error("cannot write " + f.geometry);
    GeometryPass(ctx, link);
    s.StoreFileB.Close();
    s.StoreFileA.Close();
    f.params = ctx.params;
    f.run = ctx.run;
    return f;
  }();
  return files;
}

void BM_FieldStrengthPass(benchmark::State& state) {
  Context& ctx = Project().Fresh();
  const GeometryFiles& files = PreparedGeometry(ctx);
  ctx.params = files.params;
  ctx.run = files.run;
  NullWindowLink link;
  CellStore& s = ctx.store;
  for (auto _ : state) {
    if (!s.StoreFileB.Open(files.geometry, "rb") || !s.StoreFileA.Open(files.result, "wb")) {
      state.SkipWithError("cannot open the pass's files");
      break;
    }
    WriteResultHeader(ctx);
    FieldStrengthPass(ctx, link, static_cast<int>(state.range(0)));
    s.StoreFileA.Close();
    s.StoreFileB.Close();
  }
  state.SetLabel(state.range(0) == 1 ? "one thread" : "two threads");
}
BENCHMARK(BM_FieldStrengthPass)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(3);

}  // namespace
}  // namespace dorx::bench
