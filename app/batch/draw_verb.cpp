// dorx-batch draw: what the drawing page does: Open with its preview, the
// drawing fields and choices, Start, clicks on the map, and Save.
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>

#include "batch_arguments.h"
#include "batch_session.h"
#include "platform/file_system.h"
#include "render/map_export.h"
#include "stop_signal.h"
#include "usage.h"
#include "verbs.h"

namespace dorx::batch {
namespace {

const VerbSyntax kDrawSyntax{{"--program-folder", "--lower", "--step", "--magnification", "--grid", "--view",
                              "--terrain", "--fine", "--section"},
                             {"--no-sea", "--no-fine-big"},
                             {"--click"},
                             {},
                             "RESULT"};

// Option values naming radio buttons.
const std::map<std::string, std::map<std::string, std::string>> kRadioChoices = {
    {"--view", {{"1", "RadioButtonDORX"}, {"2", "RadioButtonSIM1"}, {"3", "RadioButtonSIM2"}, {"los", "RadioButtonSIM3"}}},
    {"--terrain", {{"none", "RadioButtonMAPX"}, {"1", "RadioButtonMAP1"}, {"2", "RadioButtonMAP2"}}},
    {"--fine", {{"none", "RadioButtonFineNon"}, {"line", "RadioButtonFineLine"}, {"color", "RadioButtonFineColor"}}},
    {"--section", {{"none", "RadioButtonSecNon"}, {"line", "RadioButtonSecLine"}, {"color", "RadioButtonSecColor"}}},
};

const std::map<std::string, std::string> kNumberFields = {
    {"--lower", "EditRxMin"}, {"--step", "EditRxStep"}, {"--magnification", "EditAmpG"}, {"--grid", "EditGridNum"}};

std::string CheckOptions(const Arguments& args) {
  for (const auto& [option, field] : kNumberFields)
    if (const auto value = args.Value(option); value && !ParseNumber(*value)) return option + " needs a number";
  for (const auto& [option, choices] : kRadioChoices)
    if (const auto value = args.Value(option); value && !choices.count(*value))
      return "unknown value " + *value + " for " + option;
  const auto clicks = args.repeated.find("--click");
  if (clicks != args.repeated.end())
    for (const std::string& click : clicks->second)
      if (!ParsePixel(click)) return "--click needs X,Y in pixels, not " + click;
  return "";
}

// The fields and choices of the drawing page; unset options keep the
// window's start-up states.
bool ApplyDrawingChoices(BatchSession& s, const Arguments& args) {
  Controls& c = s.simForm->controls();
  for (const auto& [option, field] : kNumberFields)
    if (const auto value = args.Value(option)) c.SetText(field, *value);
  for (const auto& [option, choices] : kRadioChoices)
    if (const auto value = args.Value(option); value && !c.Checked(choices.at(*value)) && !s.Click(choices.at(*value)))
      return false;
  if (args.Has("--no-sea") && c.Checked("CheckBoxSea") && !s.Click("CheckBoxSea")) return false;
  if (args.Has("--no-fine-big") && c.Checked("CheckBoxFineBig") && !s.Click("CheckBoxFineBig")) return false;
  return true;
}

// A mouse move to the pixel and a click there; the line-of-sight chart that
// a click shows is clicked away again.
void ClickOnMap(BatchSession& s, std::pair<int, int> pixel) {
  s.simForm->ImageCSRMouseMove(pixel.first, pixel.second);
  s.simForm->ImageCSRClick();
  std::cout << s.status() << '\n';
  if (s.simForm->render().pictures.ImageFIN.visible) s.simForm->ImageFINClick();
}

using FileStamp = std::optional<std::filesystem::file_time_type>;

FileStamp Stamp(const std::string& path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  return time;
}

// Save, then the files it wrote: those that are new or were rewritten.
// False when a file the save should write was not written.
bool SaveAndList(BatchSession& s) {
  Context& ctx = s.simForm->context();
  const bool chart = s.simForm->render().view.fine != DisplayMode::kNone;
  std::vector<std::pair<std::string, FileStamp>> files;
  for (const std::string& path : SavedFilePaths(ctx, chart)) files.emplace_back(path, Stamp(path));
  s.desktop.record_status = true;
  s.desktop.status_history.clear();
  if (!s.Click("ButtonIMGSave")) return false;
  bool failure_reported = false;
  for (const std::string& status : s.desktop.status_history) {
    if (status.rfind(" ? File Not Open: ", 0) != 0) continue;
    std::cerr << status << '\n';
    failure_reported = true;
  }
  // A file rewritten within the file system's time resolution keeps its
  // stamp; when the save reported no failure, every file it writes is new.
  bool all_written = true;
  for (const auto& [path, before] : files) {
    const FileStamp after = Stamp(path);
    if (after && (after != before || !failure_reported)) std::cout << path << '\n';
    else all_written = false;
  }
  return all_written;
}

}  // namespace

int RunDrawVerb(const std::vector<std::string>& raw) {
  const ParseResult parsed = ParseArguments(raw, kDrawSyntax);
  std::string error = parsed.error.empty() ? CheckOptions(parsed.arguments) : parsed.error;
  if (!error.empty()) return ReportArgumentError("draw", error);
  const Arguments& args = parsed.arguments;
  CatchStopSignals();
  BatchSession s(args.Value("--program-folder").value_or(""));
  if (!s.started()) return kExitFailure;
  const std::string result = FullPath(args.positional[0]);
  if (!FileExists(result)) {
    PrintReadFailure(std::cerr, result);
    return kExitFailure;
  }
  s.desktop.chosen_files.push_back(result);
  if (!s.Click("ButtonIMGOpen")) return kExitFailure;
  if (!s.simForm->drawing_opened()) {
    std::cerr << s.status() << '\n';
    return kExitFailure;
  }
  if (!ApplyDrawingChoices(s, args)) return kExitFailure;
  if (CaughtStopSignal() != 0) return StopSignalExitStatus();
  s.desktop.on_pending_events = [&s] { ClickStopOnSignal(s, "ButtonIMGStop"); };
  const bool started = s.Click("ButtonIMGExec");
  s.desktop.on_pending_events = nullptr;
  if (!started) return kExitFailure;
  // A stopped drawing is not saved, as the window keeps Save disabled.
  if (CaughtStopSignal() != 0) {
    std::cerr << "dorx-batch: stopped by signal " << CaughtStopSignal() << "; nothing saved\n";
    return StopSignalExitStatus();
  }
  if (!s.simForm->drawing_validated()) {
    std::cerr << s.status() << '\n';
    return kExitOutOfRange;
  }
  if (s.simForm->last_report_code() != 0) {  // the drawing run could not read its file
    std::cerr << s.status() << '\n';
    return kExitFailure;
  }
  const auto clicks = args.repeated.find("--click");
  if (clicks != args.repeated.end())
    for (const std::string& click : clicks->second) ClickOnMap(s, *ParsePixel(click));
  const bool saved = SaveAndList(s);
  if (CaughtStopSignal() != 0) return StopSignalExitStatus();
  return saved ? kExitOk : kExitFailure;
}

}  // namespace dorx::batch
