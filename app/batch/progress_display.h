#pragma once
// The run's progress on a terminal: the stage and its percentage on one line
// of standard error, rewritten a few times a second (never once per cell).
#include <chrono>
#include <string>

#include "shell/simengine.h"

namespace dorx::batch {

class ProgressDisplay {
 public:
  // Shows nothing unless standard error is a terminal.
  explicit ProgressDisplay(const TsimForm& form);
  ~ProgressDisplay() { Finish(); }

  // Called whenever the window processes its pending events.
  void Update();
  // Clears the progress line.
  void Finish();

 private:
  const TsimForm& form_;
  bool enabled_ = false;
  std::chrono::steady_clock::time_point last_{};
  std::string shown_;
};

}  // namespace dorx::batch
