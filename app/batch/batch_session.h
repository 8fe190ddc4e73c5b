#pragma once
// What every verb of dorx-batch that works like the window shares: a
// headless desktop whose message boxes go to standard error and whose one
// question (create the datum table?) is answered Yes, the window model
// simForm, and its start-up in the program folder.
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/headless_desktop.h"
#include "shell/simengine.h"

namespace dorx::batch {

enum ExitCode : int { kExitOk = 0, kExitFailure = 1, kExitOutOfRange = 2 };

class BatchSession {
 public:
  // program_folder: the --program-folder value, empty for the executable's folder.
  explicit BatchSession(const std::string& program_folder);

  // False (after printing why) when the start-up ended the program.
  bool started() const { return !simForm->ending(); }

  // A click that the window's state must allow; prints why and returns false
  // when the control cannot be used at this point.
  bool Click(const std::string& control);
  // The status line as the window shows it (UTF-8).
  const std::string& status() const { return desktop.status_text; }

  HeadlessDesktop desktop;
  std::unique_ptr<TsimForm> simForm;
};

// Clicks the Stop button (when it can be used) once a stop signal has been
// caught: called whenever the window processes its pending events.
void ClickStopOnSignal(BatchSession& s, const std::string& stop_button);

// The report of a file that cannot be opened, as the status line shows one.
void PrintReadFailure(std::ostream& out, const std::string& path);

// A path of the command line as a full path (the window's dialogs give full
// paths, and the paths the verbs print are full); "" stays "".
std::string FullPath(const std::string& path);

}  // namespace dorx::batch
