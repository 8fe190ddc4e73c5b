#include "batch_session.h"

#include <filesystem>
#include <iostream>

#include "platform/file_system.h"
#include "stop_signal.h"

namespace dorx::batch {

BatchSession::BatchSession(const std::string& program_folder) {
  desktop.box_echo = &std::cerr;
  desktop.default_answer = true;
  simForm = std::make_unique<TsimForm>(desktop);
  const std::string folder = program_folder.empty() ? ExecutableFolder() : FullPath(program_folder);
  simForm->StartUp(folder);
  if (simForm->ending()) std::cerr << "dorx-batch: the start-up cannot use the program folder " << folder << '\n';
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
  const std::filesystem::path full = std::filesystem::absolute(path, error);
  return error ? path : full.string();
}

void PrintReadFailure(std::ostream& out, const std::string& path) {
  out << " ? File Not Open: Read: " << path << '\n';
}

}  // namespace dorx::batch
