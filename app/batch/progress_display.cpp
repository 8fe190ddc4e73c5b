#include "progress_display.h"

#include <unistd.h>

#include <cstdio>

#include "shell/run_progress.h"

namespace dorx::batch {
namespace {
constexpr auto kRefreshInterval = std::chrono::milliseconds(250);
}  // namespace

ProgressDisplay::ProgressDisplay(const TsimForm& form) : form_(form), enabled_(isatty(STDERR_FILENO) != 0) {}

void ProgressDisplay::Update() {
  if (!enabled_) return;
  const auto now = std::chrono::steady_clock::now();
  if (!shown_.empty() && now - last_ < kRefreshInterval) return;
  const std::string text = ProgressText(form_.last_progress(), form_.context().params, form_.context().FloodMode);
  last_ = now;
  if (text.empty() || text == shown_) return;
  shown_ = text;
  std::fprintf(stderr, "\r%s\x1b[K", text.c_str());
  std::fflush(stderr);
}

void ProgressDisplay::Finish() {
  if (!enabled_ || shown_.empty()) return;
  std::fprintf(stderr, "\r\x1b[K");
  std::fflush(stderr);
  shown_.clear();
}

}  // namespace dorx::batch
