#include "batch_session.h"

#include <filesystem>
#include <iostream>

#include "files/datum_table_file.h"
#include "platform/file_system.h"
#include "platform/sjis.h"
#include "stop_signal.h"

namespace dorx::batch {

namespace {

// The boxes of the datum-table question at start-up and of its failures.
bool IsDatumTableBox(const std::string& utf8) {
  return utf8.find(kDatumTableFileName) != std::string::npos || utf8 == "日本測地系で処理を行います。";
}

// One line instead of the question and its failure boxes: what the run does
// without the table and how to add it.
void ReportDatumTable(const Context& ctx, const std::string& folder, bool had_table) {
  const std::string table = folder + kDatumTableFileName;
  if (had_table) return;
  const std::string published = Cp932ToUtf8(ctx.settings.TKY2JGD_Parameter);
  if (ctx.datum.count() == 0)
    std::cerr << "dorx-batch: no datum table " << table << ": positions stay in the Tokyo datum (put the published "
              << published << " into " << folder << " and it is converted into " << kDatumTableFileName
              << " at the next start)\n";
  else if (!FileExists(table))
    std::cerr << "dorx-batch: " << published << " was converted for this run, but " << table
              << " cannot be written\n";
  else
    std::cerr << "dorx-batch: " << published << " converted into " << table << '\n';
}

}  // namespace

BatchSession::BatchSession(const std::string& program_folder) {
  desktop.default_answer = true;
  simForm = std::make_unique<TsimForm>(desktop);
  const std::string folder =
      WithTrailingSeparator(program_folder.empty() ? ExecutableFolder() : FullPath(program_folder));
  const bool had_table = FileExists(folder + kDatumTableFileName);
  simForm->StartUp(folder);
  for (const HeadlessDesktop::Box& box : desktop.boxes)
    if (!IsDatumTableBox(box.text)) std::cerr << box.text << (box.question ? (box.answer ? " [Yes]" : " [No]") : "") << '\n';
  desktop.box_echo = &std::cerr;
  if (simForm->ending()) {
    std::cerr << "dorx-batch: the start-up cannot use the program folder " << folder << '\n';
    return;
  }
  ReportDatumTable(simForm->context(), folder, had_table);
}

bool BatchSession::Click(const std::string& control) {
  if (simForm->controls().Click(control)) return true;
  std::cerr << "dorx-batch: " << control << " cannot be used now\n";
  return false;
}

void ClickStopOnSignal(BatchSession& s, const std::string& stop_button) {
  Controls& c = s.simForm->controls();
  if (CaughtStopSignal() != 0 && c.Enabled(stop_button)) c.Click(stop_button);
}

std::string FullPath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  const std::filesystem::path full = std::filesystem::absolute(path, error).lexically_normal();
  return error ? path : full.string();
}

void PrintReadFailure(std::ostream& out, const std::string& path) {
  out << " ? File Not Open: Read: " << path << '\n';
}

}  // namespace dorx::batch
