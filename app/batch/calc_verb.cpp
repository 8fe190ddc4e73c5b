// dorx-batch calc: what the calculation page does, from the project's Open to
// Start, with the result file's path as the last line of standard output.
#include <iostream>

#include "batch_arguments.h"
#include "batch_session.h"
#include "platform/file_system.h"
#include "progress_display.h"
#include "stop_signal.h"
#include "usage.h"
#include "verbs.h"

namespace dorx::batch {
namespace {

const VerbSyntax kCalcSyntax{{"--mesh", "--program-folder", "--pattern", "--water-level"},
                             {"--anomaly", "--overwrite"},
                             {},
                             {"--mesh"},
                             "PROJECT.xix"};

// Every terrain tile the run found missing, unreadable or short; the result
// files do not record it.
void PrintTileReport(const TerrainTiles& tiles) {
  for (const auto& [path, cells] : tiles.missing_tiles)
    std::cerr << "missing or unreadable tile: " << path << " (" << cells << " cells without data)\n";
  for (const auto& [path, lines] : tiles.short_tiles)
    std::cerr << "short tile: " << path << " (" << lines << " of 201 lines)\n";
}

// The choices of the calculation page after the Open and the folder choice.
bool ApplyChoices(BatchSession& s, const Arguments& args) {
  const bool flood = s.simForm->context().FloodMode != 0;
  if (const auto given = args.Value("--pattern")) {
    const std::string pattern = FullPath(*given);
    if (flood) {
      std::cerr << "dorx-batch: --pattern applies to field-strength mode only\n";
      return false;
    }
    if (!FileExists(pattern)) {
      PrintReadFailure(std::cerr, pattern);
      return false;
    }
    s.desktop.chosen_files.push_back(pattern);
    if (!s.Click("CheckBoxAntenna")) return false;
  }
  if (args.Has("--anomaly") && !s.Click("CheckBoxAnomaly")) return false;
  if (args.Has("--overwrite") && !s.Click(flood ? "CheckBoxWxName" : "CheckBoxTxName")) return false;
  if (const auto level = args.Value("--water-level")) {
    if (!flood) {
      std::cerr << "dorx-batch: --water-level applies to flood mode only\n";
      return false;
    }
    s.simForm->controls().SetText("EditWxAlt", *level);
  }
  return true;
}

}  // namespace

int RunCalcVerb(const std::vector<std::string>& raw) {
  const ParseResult parsed = ParseArguments(raw, kCalcSyntax);
  if (!parsed.error.empty()) return ReportArgumentError("calc", parsed.error);
  const Arguments& args = parsed.arguments;
  if (const auto level = args.Value("--water-level"); level && !ParseNumber(*level))
    return ReportArgumentError("calc", "--water-level needs a number");

  CatchStopSignals();
  BatchSession s(args.Value("--program-folder").value_or(""));
  if (!s.started()) return kExitFailure;
  // The start-up may have written the project (Dorx.xix), so it is looked
  // for only now.
  const std::string project = FullPath(args.positional[0]);
  if (!FileExists(project)) {
    PrintReadFailure(std::cerr, project);
    return kExitFailure;
  }
  s.desktop.chosen_files.push_back(project);
  if (!s.Click("ButtonSIMOpen")) return kExitFailure;
  s.desktop.chosen_folders.push_back(FullPath(*args.Value("--mesh")));
  if (!s.Click("ButtonMesh") || !ApplyChoices(s, args)) return kExitFailure;

  if (CaughtStopSignal() != 0) return StopSignalExitStatus();

  ProgressDisplay progress(*s.simForm);
  s.desktop.on_pending_events = [&progress, &s] {
    ClickStopOnSignal(s, "ButtonSIMStop");
    progress.Update();
  };
  if (!s.Click("ButtonSIMExec")) return kExitFailure;
  s.desktop.on_pending_events = nullptr;
  progress.Finish();

  const CalculationStart& start = s.simForm->last_calculation();
  if (!start.validated) {
    std::cerr << s.status() << '\n';
    return kExitOutOfRange;
  }
  PrintTileReport(s.simForm->context().tiles);
  if (!start.run.completed) {
    std::cerr << s.status() << '\n';
    return kExitFailure;
  }
  std::cout << start.run.result_path << '\n';
  if (CaughtStopSignal() != 0) {
    std::cerr << "dorx-batch: stopped by signal " << CaughtStopSignal()
              << "; the result file holds the records written before the stop\n";
    return StopSignalExitStatus();
  }
  return kExitOk;
}

}  // namespace dorx::batch
